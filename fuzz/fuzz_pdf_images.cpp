// libFuzzer entry point for the PDF image walker and decoder (PdfImageExtractor). Each input is
// opened as a PDF from memory; every image it lists is decoded (the external fax and JBIG2
// decoders stay off, and the size limit is small so that the fuzzer's memory limit is not what
// stops a large image). The sanitizers catch memory faults; the checks below catch a result
// that broke its promises: a picture of another size than the image, a JPEG without its markers,
// a skipped image without a reason, Group 4 data that passes the check without decoding.
// (A picture from JPEG data takes the JPEG's own size.)
#include <QCoreApplication>
#include <QImage>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "import/PdfImageExtractor.h"

namespace {

// Images decoded per input at most: a file listing thousands adds nothing but time.
constexpr qsizetype maxImages = 32;

void check(const PdfImageInfo &info, const PdfDecodedImage &image)
{
    switch (image.kind) {
    case PdfDecodedImage::Kind::Skipped:
        if (image.reason.isEmpty())
            std::abort();
        break;
    case PdfDecodedImage::Kind::Jpeg:
        if (image.jpeg.size() < 4 || !image.jpeg.startsWith("\xff\xd8") ||
            !image.jpeg.endsWith("\xff\xd9"))
            std::abort();
        break;
    case PdfDecodedImage::Kind::Bilevel:
        if (image.image.format() != QImage::Format_Mono)
            std::abort();
        [[fallthrough]];
    case PdfDecodedImage::Kind::Picture:
        // JPEG data is sized by its own frame, whatever the dictionary says.
        if (!info.filters.isEmpty() && info.filters.last().name == "DCTDecode")
            break;
        if (image.image.width() != info.width || image.image.height() != info.height)
            std::abort();
        break;
    }
    if (info.dpiX <= 0 || info.dpiY <= 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_pdf_images";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // The walker's notes on each broken object only slow the run down.
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("vellumo.*.debug=false"));
        return true;
    }();
    Q_UNUSED(quiet);

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PdfImageExtractor extractor;
    extractor.decoder().setExternalToolsEnabled(false);
    extractor.decoder().setSizeLimitMb(16);
    if (extractor.openData(bytes) != PdfImageExtractor::OpenResult::Opened) {
        if (extractor.errorString().isEmpty())
            std::abort();
        return 0;
    }
    const qsizetype count = std::min(extractor.images().size(), maxImages);
    for (qsizetype i = 0; i < count; ++i) {
        const PdfDecodedImage decoded = extractor.decode(i);
        check(extractor.images().at(i), decoded);
        // Group 4 data that is only checked must never pass when it does not decode: the page
        // is decoded by libtiff later.
        extractor.decoder().setGroup4PicturesEnabled(false);
        const PdfDecodedImage checked = extractor.decode(i);
        extractor.decoder().setGroup4PicturesEnabled(true);
        if (!checked.group4.isEmpty() &&
            (decoded.group4.isEmpty() || checked.group4Size != decoded.image.size()))
            std::abort();
    }
    return 0;
}
