#include "import/PdfImageInfo.h"

QString PdfImageInfo::reference() const
{
    return QStringLiteral("%1 %2 R").arg(objectNumber).arg(generation);
}

int PdfImageInfo::components() const
{
    if (imageMask)
        return 1;
    switch (colourSpace) {
    case ColourSpace::Gray:
    case ColourSpace::Indexed:
        return 1;
    case ColourSpace::Rgb:
        return 3;
    case ColourSpace::Cmyk:
        return 4;
    case ColourSpace::Unknown:
    case ColourSpace::Unsupported:
        break;
    }
    return 0;
}

bool PdfImageInfo::decodeInverted() const
{
    return decode.size() >= 2 && decode.at(0) > decode.at(1);
}
