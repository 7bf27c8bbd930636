#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "import/PdfImageDecoder.h"
#include "import/PdfImageInfo.h"

class QPDF;

// The page images of a PDF file. Opening reads the file with libqpdf and lists its image objects
// in page order: the pages are walked in order, each page's content (and the forms it draws,
// to a limited depth, each form once) for where images are drawn, then the images its
// resources list without drawing them; an image used again later stays at its first use. Then
// come the image objects no page uses, in object order. Soft masks and images that only serve
// as another image's mask are not listed. Each image's resolution comes from the size it is
// drawn at on its first page, else from a page it fills, else it is DefaultDpi.
//
// libqpdf's exceptions stop here: a broken page or object only loses its images. The document
// reads the file as it needs it (each image's data when it is read), so memory does not grow
// with the file. A hostile file can still take time and memory, so the window runs this in a
// child process with limits (vellumo-cli extract).
class PdfImageExtractor
{
public:
    enum class OpenResult {
        Opened,
        PasswordRequired, // encrypted, and the password is missing or wrong
        CannotOpen        // not a PDF, or too broken to read; see errorString()
    };

    // Resolution of an image whose size on the page is not known, in dots per inch.
    static constexpr double DefaultDpi = 200.0;

    PdfImageExtractor();
    ~PdfImageExtractor();
    PdfImageExtractor(const PdfImageExtractor &) = delete;
    PdfImageExtractor &operator=(const PdfImageExtractor &) = delete;

    // password is tried only when the file asks for one.
    [[nodiscard]] OpenResult open(const QString &path, const QString &password = {});
    // The same from bytes in memory (tests, the fuzz target).
    [[nodiscard]] OpenResult openData(const QByteArray &pdf, const QString &password = {});
    // Why the file could not be opened, for the user ("not a PDF file", libqpdf's error).
    QString errorString() const { return m_errorString; }

    // The image objects, in the order they become pages; each has a resolution.
    const QList<PdfImageInfo> &images() const { return m_images; }
    // The decoder, to change its limits before decoding.
    PdfImageDecoder &decoder() { return m_decoder; }
    // One image's stream as stored (decrypted, still filtered) with its JBIG2 global segments,
    // or the reason it cannot be read.
    struct StoredData
    {
        QByteArray data;
        QByteArray globals;
        QString reason;
    };
    // Reads one image of images(); the object's data is dropped from memory again afterwards,
    // so that a long file does not pile up in memory. Only one thread may read at a time.
    StoredData read(qsizetype index);
    // Decodes what read() gave for that image. Touches no document, so several images may be
    // decoded at once on other threads while the next is read.
    PdfDecodedImage decode(qsizetype index, const StoredData &stored) const;
    // read() and decode() in one.
    PdfDecodedImage decode(qsizetype index) { return decode(index, read(index)); }

private:
    // loader reads the file into the document, with the password (null for none).
    OpenResult load(const std::function<void(QPDF &, const char *)> &loader,
                    const QString &password);
    void listImages();

    // The bytes openData() reads: they outlive the document, which reads them as it goes.
    QByteArray m_data;
    std::unique_ptr<QPDF> m_document;
    QList<PdfImageInfo> m_images;
    PdfImageDecoder m_decoder;
    QString m_errorString;
};
