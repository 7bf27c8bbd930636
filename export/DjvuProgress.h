#pragma once

#include "export/PdfProgress.h"

// Progress of a DjVu export.
class DjvuProgress : public PdfProgress
{
    Q_OBJECT

public:
    using PdfProgress::PdfProgress;

protected:
    QString startText() const override;
    QString runningText() const override;
};
