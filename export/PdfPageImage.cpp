#include "export/PdfPageImage.h"

#include "core/Group4Codec.h"

PdfPageImage::PdfPageImage(PoDoFo::PdfDocument *doc)
    : PoDoFo::PdfImage(doc)
{
}

bool PdfPageImage::embedJpeg(const QByteArray &jpeg, const ImageHeaders::JpegFrame &frame)
{
    switch (frame.components) {
    case 1:
        SetImageColorSpace(PoDoFo::ePdfColorSpace_DeviceGray);
        break;
    case 3:
        SetImageColorSpace(PoDoFo::ePdfColorSpace_DeviceRGB);
        break;
    case 4: {
        // CMYK JPEGs are stored inverted.
        SetImageColorSpace(PoDoFo::ePdfColorSpace_DeviceCMYK);
        PoDoFo::PdfArray decode;
        for (int i = 0; i < 4; ++i) {
            decode.push_back(1.0);
            decode.push_back(0.0);
        }
        GetObject()->GetDictionary().AddKey(PoDoFo::PdfName("Decode"), decode);
        break;
    }
    default:
        return false;
    }
    PoDoFo::PdfDictionary &dictionary = GetObject()->GetDictionary();
    dictionary.AddKey(PoDoFo::PdfName::KeyFilter, PoDoFo::PdfName("DCTDecode"));
    dictionary.AddKey(PoDoFo::PdfName("Width"),
                      PoDoFo::PdfVariant(PoDoFo::pdf_int64(frame.pixels.width())));
    dictionary.AddKey(PoDoFo::PdfName("Height"),
                      PoDoFo::PdfVariant(PoDoFo::pdf_int64(frame.pixels.height())));
    dictionary.AddKey(PoDoFo::PdfName("BitsPerComponent"), PoDoFo::PdfVariant(8L));
    m_rRect.SetWidth(frame.pixels.width());
    m_rRect.SetHeight(frame.pixels.height());
    PoDoFo::PdfStream *stream = GetObject()->GetStream();
    stream->BeginAppend(PoDoFo::TVecFilters(), true, false);
    stream->Append(jpeg.constData(), size_t(jpeg.size()));
    stream->EndAppend();
    return true;
}

namespace {

void setSize(PoDoFo::PdfDictionary &dictionary, int width, int height, int bitsPerComponent)
{
    dictionary.AddKey(PoDoFo::PdfName("Width"), PoDoFo::PdfVariant(PoDoFo::pdf_int64(width)));
    dictionary.AddKey(PoDoFo::PdfName("Height"), PoDoFo::PdfVariant(PoDoFo::pdf_int64(height)));
    dictionary.AddKey(PoDoFo::PdfName("BitsPerComponent"),
                      PoDoFo::PdfVariant(PoDoFo::pdf_int64(bitsPerComponent)));
}

} // namespace

void PdfPageImage::embedGroup4(const QByteArray &group4, int width, int height, bool blackIs1)
{
    SetImageColorSpace(PoDoFo::ePdfColorSpace_DeviceGray);
    PoDoFo::PdfDictionary &dictionary = GetObject()->GetDictionary();
    dictionary.AddKey(PoDoFo::PdfName::KeyFilter, PoDoFo::PdfName("CCITTFaxDecode"));
    PoDoFo::PdfDictionary parameters;
    parameters.AddKey(PoDoFo::PdfName("K"), PoDoFo::PdfVariant(PoDoFo::pdf_int64(-1)));
    parameters.AddKey(PoDoFo::PdfName("Columns"), PoDoFo::PdfVariant(PoDoFo::pdf_int64(width)));
    parameters.AddKey(PoDoFo::PdfName("Rows"), PoDoFo::PdfVariant(PoDoFo::pdf_int64(height)));
    if (blackIs1)
        parameters.AddKey(PoDoFo::PdfName("BlackIs1"), PoDoFo::PdfVariant(true));
    dictionary.AddKey(PoDoFo::PdfName("DecodeParms"), parameters);
    setSize(dictionary, width, height, 1);
    m_rRect.SetWidth(width);
    m_rRect.SetHeight(height);
    PoDoFo::PdfStream *stream = GetObject()->GetStream();
    stream->BeginAppend(PoDoFo::TVecFilters(), true, false);
    stream->Append(group4.constData(), size_t(group4.size()));
    stream->EndAppend();
}

bool PdfPageImage::embedPixels(const QImage &image)
{
    if (image.isNull())
        return false;
    if (image.depth() == 1) {
        const QByteArray group4 = Group4Codec::encode(image);
        if (group4.isEmpty())
            return false;
        embedGroup4(group4, image.width(), image.height(), false);
        return true;
    }
    const bool grey = image.isGrayscale();
    const QImage pixels =
        image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    // Rows without the padding QImage keeps at their ends.
    const qsizetype rowBytes = qsizetype(pixels.width()) * (grey ? 1 : 3);
    QByteArray rows;
    rows.reserve(rowBytes * pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        rows.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    SetImageColorSpace(grey ? PoDoFo::ePdfColorSpace_DeviceGray : PoDoFo::ePdfColorSpace_DeviceRGB);
    PoDoFo::PdfMemoryInputStream input(rows.constData(), PoDoFo::pdf_long(rows.size()));
    SetImageData(unsigned(pixels.width()), unsigned(pixels.height()), 8, &input);
    return true;
}
