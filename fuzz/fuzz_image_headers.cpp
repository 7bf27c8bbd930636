// libFuzzer entry point for the page-image header readers (ImageHeaders). Each input is read as
// a JPEG and as a TIFF; the sanitizers catch any read outside it, and the checks below catch
// answers that no header could give.
#include <QBuffer>
#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/ImageHeaders.h"

namespace {

void checkResolution(QSizeF dpi)
{
    // Empty, or two finite non-negative values.
    if (dpi.isEmpty())
        return;
    if (!std::isfinite(dpi.width()) || !std::isfinite(dpi.height()) || dpi.width() < 0 ||
        dpi.height() < 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A deep copy of exactly the input, so that a read past its end is seen by the sanitizer.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const ImageHeaders::JpegFrame frame = ImageHeaders::jpegFrame(bytes);
    if (frame.components != 0 && frame.pixels.isEmpty())
        std::abort();
    if (frame.components == 0 && !frame.pixels.isEmpty())
        std::abort();
    checkResolution(ImageHeaders::jpegResolution(bytes));

    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    checkResolution(ImageHeaders::tiffResolution(device));
    return 0;
}
