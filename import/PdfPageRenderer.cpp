#include "import/PdfPageRenderer.h"

#include <QFile>

#include <cmath>
#include <poppler-qt6.h>

#include "core/LogCategories.h"
#include "core/ProgramInfo.h"

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double metresPerInch = 0.0254;

// Poppler's complaints about broken files go to the log, not to standard error, which the window
// reads line by line.
void logPopplerMessage(const QString &message, const QVariant &)
{
    qCDebug(lcImport).noquote() << "poppler:" << message;
}

} // namespace

PdfPageRenderer::PdfPageRenderer() = default;

PdfPageRenderer::~PdfPageRenderer() = default;

PdfPageRenderer::OpenResult PdfPageRenderer::open(const QString &path, const QString &password)
{
    m_errorString.clear();
    m_document.reset();
    Poppler::setDebugErrorFunction(logPopplerMessage, {});
    if (!QFile::exists(path)) {
        m_errorString = QStringLiteral("%1 does not exist").arg(path);
        return OpenResult::CannotOpen;
    }
    // Newer encryption takes the password as UTF-8, the older kinds as Latin-1.
    m_document = Poppler::Document::load(path, {}, password.toUtf8());
    if (m_document && m_document->isLocked() && !password.isEmpty())
        m_document->unlock({}, password.toLatin1());
    if (!m_document) {
        m_errorString = QStringLiteral("poppler cannot read the file");
        return OpenResult::CannotOpen;
    }
    if (m_document->isLocked()) {
        m_errorString = password.isEmpty() ? QStringLiteral("the file needs a password")
                                           : QStringLiteral("the password is wrong");
        m_document.reset();
        return OpenResult::PasswordRequired;
    }
    m_document->setRenderHint(Poppler::Document::Antialiasing);
    m_document->setRenderHint(Poppler::Document::TextAntialiasing);
    return OpenResult::Opened;
}

int PdfPageRenderer::pageCount() const
{
    return m_document ? m_document->numPages() : 0;
}

QImage PdfPageRenderer::render(int index, double dpi, QString *error) const
{
    const std::unique_ptr<Poppler::Page> page =
        m_document && index >= 0 && index < pageCount() ? m_document->page(index) : nullptr;
    if (!page) {
        *error = QStringLiteral("the page cannot be read");
        return {};
    }
    // The picture's size before poppler allocates it: four bytes a pixel.
    const QSizeF points = page->pageSizeF();
    const double width = points.width() * dpi / pointsPerInch;
    const double height = points.height() * dpi / pointsPerInch;
    const double limit = double(ProgramInfo::ImageAllocationLimitMb) * 1024 * 1024;
    if (!(width >= 1 && height >= 1) || width * height * 4 > limit) {
        *error = QStringLiteral("a page of %1 x %2 points at %3 dpi makes no picture")
                     .arg(points.width())
                     .arg(points.height())
                     .arg(dpi);
        return {};
    }
    QImage image = page->renderToImage(dpi, dpi);
    if (image.isNull()) {
        *error = QStringLiteral("poppler cannot draw the page");
        return {};
    }
    image =
        image.convertToFormat(image.allGray() ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dpi / metresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}
