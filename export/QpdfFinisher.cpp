#include "export/QpdfFinisher.h"

#include <QFile>

#include <exception>
#include <memory>

#include "export/PdfUpdateAppender.h"
// This code uses no PointerHolder, the old smart pointer of qpdf's interface.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>

namespace {

std::string qpdfPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

bool QpdfFinisher::finish(const Job &job, QString *error)
{
    // qpdf keeps pointers to these names (the writer reads its file name only in write()), so
    // they live as long as the objects that use them.
    const std::string pagesPath = qpdfPath(job.pages);
    const std::string existingPath = qpdfPath(job.existing);
    const std::string outputPath = qpdfPath(job.output);
    // Pages added to a plain file go after its last byte; the rest is written anew.
    if (!job.existing.isEmpty() && job.password.isEmpty()) {
        switch (PdfUpdateAppender::append(job.pages, job.existing, job.output, error)) {
        case PdfUpdateAppender::Outcome::Written:
            return true;
        case PdfUpdateAppender::Outcome::Failed:
            return false;
        case PdfUpdateAppender::Outcome::Unsuitable:
            break;
        }
    }
    try {
        QPDF pages;
        pages.setSuppressWarnings(true);
        pages.processFile(pagesPath.c_str());

        std::unique_ptr<QPDF> existing;
        QPDF *document = &pages;
        const std::string password = job.password.toStdString();
        if (!job.existing.isEmpty()) {
            existing = std::make_unique<QPDF>();
            existing->setSuppressWarnings(true);
            existing->processFile(existingPath.c_str(),
                                  password.empty() ? nullptr : password.c_str());
            QPDFPageDocumentHelper target(*existing);
            // Each page is copied with what it uses; the stream data stays in the pages file
            // until the writer reads it.
            for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pages).getAllPages())
                target.addPage(page, false);
            document = existing.get();
        }

        QPDFWriter writer(*document, outputPath.c_str());
        // Streams go out exactly as they came: no decoding, no compressing again.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setObjectStreamMode(qpdf_o_preserve);
        if (!password.empty()) {
            writer.setR6EncryptionParameters(password.c_str(), password.c_str(), true, true, true,
                                             true, true, true, qpdf_r3p_full, true);
        }
        writer.write();
    } catch (const QPDFExc &e) {
        // Without the file name qpdf puts first: the caller names the file.
        if (error)
            *error = QString::fromStdString(e.getMessageDetail());
        return false;
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}
