#include "export/DjvuProgress.h"

QString DjvuProgress::startText() const
{
    return tr("Creating DjVu file.");
}

QString DjvuProgress::runningText() const
{
    return tr("Writting DjVu file.");
}
