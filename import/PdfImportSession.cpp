#include "import/PdfImportSession.h"

#include <QDir>
#include <QFileInfo>

#include "core/AppPaths.h"
#include "import/PdfImportJob.h"

namespace {

// The images land in the program's own temporary folder and leave it as soon as they are pages.
QString folderTemplate()
{
    QDir().mkpath(AppPaths::tempFolder());
    return AppPaths::tempFolder() + QStringLiteral("/pdf-XXXXXX");
}

} // namespace

PdfImportSession::PdfImportSession(const QString &pdf, const QSize &thumbnailSize, int drawingDpi)
    : m_pdf(QFileInfo(pdf).absoluteFilePath())
    , m_thumbnailSize(thumbnailSize)
    , m_drawingDpi(drawingDpi)
    , m_folder(folderTemplate())
{
}

PdfImportSession::~PdfImportSession() = default;

std::unique_ptr<PdfImportJob> PdfImportSession::nextJob() const
{
    ImagePageLoader::Options pages;
    pages.folder = m_folder.path();
    pages.thumbSize = m_thumbnailSize;
    pages.upright = m_upright;
    pages.jpegQuality = m_jpegQuality;
    return std::make_unique<PdfImportJob>(m_pdf, m_password, m_drawing ? m_drawingDpi : 0, pages);
}

PdfImportSession::Next PdfImportSession::jobEnded(PdfImport::Outcome outcome, int pagesSoFar)
{
    switch (outcome) {
    case PdfImport::Outcome::PasswordNeeded:
        // Asked again after a wrong one, with a word that it was wrong.
        m_wrongPassword = !m_password.isEmpty();
        return Next::AskPassword;
    case PdfImport::Outcome::NoImages:
        return pagesSoFar == 0 && !m_drawing ? Next::OfferDrawing : Next::Done;
    case PdfImport::Outcome::Images:
    case PdfImport::Outcome::CannotOpen:
    case PdfImport::Outcome::Cancelled:
        break;
    }
    return Next::Done;
}

QString PdfImportSession::passwordPrompt() const
{
    return (m_wrongPassword ? tr("The password is not right.") + u'\n' : QString()) +
           tr("The PDF file %1 is protected by a password.").arg(QFileInfo(m_pdf).fileName());
}
