#include "export/WordProgress.h"

QString WordProgress::startText() const
{
    return tr("Creating MS Word document.");
}

QString WordProgress::runningText() const
{
    return tr("Writting MS Word document.");
}
