#pragma once

#include "export/PdfProgress.h"

// Progress of a Word export.
class WordProgress : public PdfProgress
{
    Q_OBJECT

public:
    using PdfProgress::PdfProgress;

protected:
    QString startText() const override;
    QString runningText() const override;
};
