#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "import/PdfImport.h"

class PdfImportJob;

// Bringing the images of one PDF file in as pages, over as many extraction jobs as it takes: a
// first extraction, another with each password the user gives, and drawing the pages instead
// when the file holds no images and the user agrees. It keeps the private folder the images
// land in until the last job is over, and says after each job what comes next; asking the user
// and adding the pages are the window's.
class PdfImportSession
{
    Q_DECLARE_TR_FUNCTIONS(PdfImportSession)

public:
    enum class Next {
        Done,        // nothing more to run
        AskPassword, // the file needs a password (again): ask with passwordPrompt()
        OfferDrawing // no images: offer to draw the pages at drawingDpi()
    };

    // thumbnailSize: the page list's, for the thumbnails the child makes. drawingDpi: the
    // resolution pages are drawn at when the user asks for that.
    PdfImportSession(const QString &pdf, const QSize &thumbnailSize, int drawingDpi);
    ~PdfImportSession();

    // False when the private folder could not be made: nothing can be imported.
    bool isValid() const { return m_folder.isValid(); }
    QString pdf() const { return m_pdf; }

    // How the images become pages: turned upright by their text, and the page store's quality.
    void setPageOptions(bool upright, int jpegQuality)
    {
        m_upright = upright;
        m_jpegQuality = jpegQuality;
    }

    // The job to run next: extraction with the password given so far, or drawing once asked.
    std::unique_ptr<PdfImportJob> nextJob() const;
    // What follows a job that ended with outcome; pagesSoFar counts the pages the session has
    // added in all.
    Next jobEnded(PdfImport::Outcome outcome, int pagesSoFar);

    QString passwordPrompt() const;
    // An empty password ends the session.
    void setPassword(const QString &password) { m_password = password; }
    int drawingDpi() const { return m_drawingDpi; }
    // The user agreed to drawing the pages.
    void drawPages() { m_drawing = true; }
    bool isDrawing() const { return m_drawing; }

private:
    QString m_pdf;
    QSize m_thumbnailSize;
    int m_drawingDpi;
    QTemporaryDir m_folder;
    QString m_password;
    bool m_wrongPassword = false;
    bool m_drawing = false;
    bool m_upright = false;
    int m_jpegQuality = 85;
};
