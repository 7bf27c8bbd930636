#include "export/PdfPageImage.h"

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
