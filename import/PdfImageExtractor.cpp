#include "import/PdfImageExtractor.h"

#include <QFile>
// libqpdf's smart pointers are the standard ones.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

#include <exception>

#include "core/LogCategories.h"
#include "import/PdfImageWalker.h"
#include "import/PdfObjects.h"

namespace {

bool isPasswordError(const QPDFExc &error)
{
    return error.getErrorCode() == qpdf_e_password;
}

} // namespace

PdfImageExtractor::PdfImageExtractor() = default;

PdfImageExtractor::~PdfImageExtractor() = default;

PdfImageExtractor::OpenResult PdfImageExtractor::open(const QString &path, const QString &password)
{
    if (!QFile::exists(path)) {
        m_errorString = QStringLiteral("%1 does not exist").arg(path);
        return OpenResult::CannotOpen;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorString = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return OpenResult::CannotOpen;
    }
    file.close();
    // The file is read as the pages need it, never all at once.
    const QByteArray name = QFile::encodeName(path);
    return load([name](QPDF &document,
                       const char *secret) { document.processFile(name.constData(), secret); },
                password);
}

PdfImageExtractor::OpenResult PdfImageExtractor::openData(const QByteArray &pdf,
                                                          const QString &password)
{
    // The document reads the bytes for as long as it lives.
    m_data = pdf;
    return load(
        [this](QPDF &document, const char *secret) {
            document.processMemoryFile("PDF data", m_data.constData(), size_t(m_data.size()),
                                       secret);
        },
        password);
}

PdfImageExtractor::OpenResult
PdfImageExtractor::load(const std::function<void(QPDF &, const char *)> &loader,
                        const QString &password)
{
    m_images.clear();
    m_errorString.clear();
    const auto fresh = [] {
        auto document = std::make_unique<QPDF>();
        document->setSuppressWarnings(true);
        return document;
    };
    try {
        m_document = fresh();
        try {
            // First as it is: a file whose empty user password opens it needs no other.
            loader(*m_document, nullptr);
        } catch (const QPDFExc &e) {
            if (!isPasswordError(e))
                throw;
            if (password.isEmpty()) {
                m_document.reset();
                m_errorString = QStringLiteral("the file needs a password");
                return OpenResult::PasswordRequired;
            }
            const QByteArray secret = password.toUtf8();
            m_document = fresh();
            loader(*m_document, secret.constData());
        }
        m_images = PdfImageWalker::images(*m_document);
    } catch (const QPDFExc &e) {
        m_document.reset();
        if (isPasswordError(e)) {
            m_errorString = QStringLiteral("the password is wrong");
            return OpenResult::PasswordRequired;
        }
        m_errorString = QString::fromStdString(e.getMessageDetail());
        return OpenResult::CannotOpen;
    } catch (const std::exception &e) {
        m_document.reset();
        m_errorString = QString::fromLocal8Bit(e.what());
        return OpenResult::CannotOpen;
    }
    for (PdfImageInfo &info : m_images) {
        if (info.dpiX <= 0 || info.dpiY <= 0) {
            // One known axis serves for both; the default only when neither is known.
            const double known = std::max(info.dpiX, info.dpiY);
            info.dpiX = info.dpiY = known > 0 ? known : DefaultDpi;
        }
    }
    return OpenResult::Opened;
}

PdfImageExtractor::StoredData PdfImageExtractor::read(qsizetype index)
{
    StoredData stored;
    if (!m_document || index < 0 || index >= m_images.size()) {
        stored.reason = QStringLiteral("no such image");
        return stored;
    }
    const PdfImageInfo &info = m_images.at(index);
    try {
        stored.data =
            PdfObjects::rawStream(m_document->getObjectByID(info.objectNumber, info.generation));
        // A /Length past the real end takes in the endstream keyword and whatever follows;
        // image data (compressed or raw samples) practically never holds those bytes.
        const qsizetype end = stored.data.indexOf("endstream");
        if (end >= 0) {
            // Less the one end of line that stands before the keyword.
            stored.data.truncate(end);
            if (stored.data.endsWith("\r\n"))
                stored.data.chop(2);
            else if (stored.data.endsWith('\n') || stored.data.endsWith('\r'))
                stored.data.chop(1);
        }
        if (!info.filters.isEmpty() && info.filters.last().globalsObject > 0) {
            stored.globals = PdfObjects::decodedStream(
                m_document->getObjectByID(info.filters.last().globalsObject,
                                          info.filters.last().globalsGeneration),
                64 * 1024 * 1024);
        }
    } catch (const std::exception &e) {
        stored = {};
        stored.reason = QStringLiteral("the image data cannot be read: %1")
                            .arg(QString::fromLocal8Bit(e.what()));
    }
    return stored;
}

PdfDecodedImage PdfImageExtractor::decode(qsizetype index, const StoredData &stored) const
{
    PdfDecodedImage result;
    if (index < 0 || index >= m_images.size())
        result.reason = QStringLiteral("no such image");
    else if (!stored.reason.isEmpty())
        result.reason = stored.reason;
    else
        result = m_decoder.decode(m_images.at(index), stored.data, stored.globals);
    return result;
}
