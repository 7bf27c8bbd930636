// libFuzzer entry point for the scanned-page bitmap decoder (HImage). Every input is handed over
// as a packed bitmap; the sanitizers catch any read outside it, and the checks below catch an
// image that disagrees with the header it came from.
#include <QByteArray>
#include <QLoggingCategory>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "scan/HImage.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // One line for every rejected input would bury the fuzzer's own report.
    QLoggingCategory::setFilterRules(QStringLiteral("vellumo.scan.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= 40) {
        // A run-length bitmap may claim a page of hundreds of megapixels in a few bytes. The
        // decoder accepts that (within its limits), but filling such pages would slow the search
        // a thousandfold; the size limits themselves are covered by the unit tests.
        const qint64 width = qFromLittleEndian<qint32>(data + 4);
        const qint64 height = qFromLittleEndian<qint32>(data + 8);
        const quint32 compression = qFromLittleEndian<quint32>(data + 16);
        if (compression == 2 && width * (height < 0 ? -height : height) > (qint64(1) << 20))
            return 0;
    }
    const QByteArray dib =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const HImage image(dib);
    if (image.isValid() != (image.failure() == HImage::Failure::None))
        std::abort();
    if (!image.isValid())
        return 0;
    const qint64 height = qFromLittleEndian<qint32>(data + 8);
    if (image.width() != qFromLittleEndian<qint32>(data + 4) ||
        image.height() != (height < 0 ? -height : height))
        std::abort();
    switch (image.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_RGB888:
    case QImage::Format_RGB555:
    case QImage::Format_RGB16:
    case QImage::Format_RGB444:
    case QImage::Format_RGB32:
        break;
    default:
        std::abort();
    }
    return 0;
}
