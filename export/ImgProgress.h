#pragma once

#include "export/PdfProgress.h"

// Progress of an image export: "Creating images." at the start, "Writting images." per image.
class ImgProgress : public PdfProgress
{
    Q_OBJECT

public:
    using PdfProgress::PdfProgress;

protected:
    QString startText() const override;
    QString runningText() const override;
};
