#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace Poppler {
class Document;
}

// Draws the pages of a PDF file as pictures, for files whose pages hold no image (text and
// drawings made on a computer). Uses poppler, with smooth text and lines, on white paper. Like
// the image extraction it runs in the child process (vellumo-cli render), since a hostile file
// may crash the PDF library.
class PdfPageRenderer
{
public:
    enum class OpenResult {
        Opened,
        PasswordRequired, // encrypted, and the password is missing or wrong
        CannotOpen        // not a PDF, or too broken to read; see errorString()
    };

    PdfPageRenderer();
    ~PdfPageRenderer();
    PdfPageRenderer(const PdfPageRenderer &) = delete;
    PdfPageRenderer &operator=(const PdfPageRenderer &) = delete;

    [[nodiscard]] OpenResult open(const QString &path, const QString &password = {});
    QString errorString() const { return m_errorString; }
    int pageCount() const;

    // Page index (0-based) at dpi dots per inch: Format_Grayscale8 when the page has no colour,
    // else Format_RGB32, carrying its resolution. Null, with the reason in error, when the page
    // cannot be drawn or its picture would pass the image size limit.
    QImage render(int index, double dpi, QString *error) const;

private:
    std::unique_ptr<Poppler::Document> m_document;
    QString m_errorString;
};
