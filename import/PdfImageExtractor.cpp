#include "import/PdfImageExtractor.h"

#include <QFile>

#include <exception>
#include <istream>
#include <podofo/podofo.h>

#include "core/LogCategories.h"
#include "core/OpenSslProviders.h"
#include "import/PdfFileBuffer.h"
#include "import/PdfImageWalker.h"
#include "import/PdfObjects.h"

namespace {

QString describe(const PoDoFo::PdfError &error)
{
    const char *name = PoDoFo::PdfError::ErrorName(error.GetError());
    return QStringLiteral("PoDoFo error %1 (%2)")
        .arg(int(error.GetError()))
        .arg(QString::fromLatin1(name ? name : "unknown"));
}

bool isPasswordError(const PoDoFo::PdfError &error)
{
    return error.GetError() == PoDoFo::ePdfError_InvalidPassword;
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
    // The document reads the file through the stream until it goes: it goes first.
    m_document.reset();
    m_fileStream.reset();
    m_file = std::make_unique<PdfFileBuffer>();
    QString error;
    if (!m_file->open(path, &error)) {
        m_errorString = QStringLiteral("%1 cannot be read: %2").arg(path, error);
        return OpenResult::CannotOpen;
    }
    m_fileStream = std::make_unique<std::istream>(m_file.get());
    return load(
        [&] {
            // The device does not own the stream; the document owns the device.
            const PoDoFo::PdfRefCountedInputDevice device(
                new PoDoFo::PdfInputDevice(m_fileStream.get()));
            m_document->LoadFromDevice(device);
        },
        password);
}

PdfImageExtractor::OpenResult PdfImageExtractor::openData(const QByteArray &pdf,
                                                          const QString &password)
{
    return load([&] { m_document->LoadFromBuffer(pdf.constData(), long(pdf.size())); }, password);
}

PdfImageExtractor::OpenResult PdfImageExtractor::load(const std::function<void()> &loader,
                                                      const QString &password)
{
    m_images.clear();
    m_errorString.clear();
    // RC4 and AES-128 need OpenSSL's legacy provider; PoDoFo's own messages stay off.
    loadOpenSslProviders();
    PoDoFo::PdfError::EnableLogging(false);
    PoDoFo::PdfError::EnableDebug(false);
    m_document = std::make_unique<PoDoFo::PdfMemDocument>();
    try {
        try {
            loader();
        } catch (const PoDoFo::PdfError &e) {
            if (!isPasswordError(e))
                throw;
            // An encrypted file whose empty user password does not open it.
            if (password.isEmpty()) {
                m_errorString = QStringLiteral("the file needs a password");
                return OpenResult::PasswordRequired;
            }
            m_document->SetPassword(password.toStdString());
        }
        m_images = PdfImageWalker::images(*m_document);
    } catch (const PoDoFo::PdfError &e) {
        if (isPasswordError(e)) {
            m_errorString = QStringLiteral("the password is wrong");
            return OpenResult::PasswordRequired;
        }
        m_errorString = describe(e);
        return OpenResult::CannotOpen;
    } catch (const std::exception &e) {
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
    const PoDoFo::PdfReference reference(info.objectNumber, PoDoFo::pdf_uint16(info.generation));
    PoDoFo::PdfVecObjects &objects = m_document->GetObjects();
    try {
        const PoDoFo::PdfObject *object = objects.GetObject(reference);
        stored.data = PdfObjects::rawStream(object);
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
            const PoDoFo::PdfReference globalsReference(
                info.filters.last().globalsObject,
                PoDoFo::pdf_uint16(info.filters.last().globalsGeneration));
            stored.globals = PdfObjects::decodedStream(objects, objects.GetObject(globalsReference),
                                                       64 * 1024 * 1024);
        }
        m_document->FreeObjectMemory(reference);
    } catch (const PoDoFo::PdfError &e) {
        stored = {};
        stored.reason = QStringLiteral("the image data cannot be read: %1").arg(describe(e));
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
