#include "export/ImgProgress.h"

QString ImgProgress::startText() const
{
    return tr("Creating images.");
}

QString ImgProgress::runningText() const
{
    return tr("Writting images.");
}
