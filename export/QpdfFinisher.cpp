#include "export/QpdfFinisher.h"

#include <QFile>

#include <exception>
#include <memory>
// This code uses no PointerHolder, the old smart pointer of qpdf's interface.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>

namespace {

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

bool QpdfFinisher::finish(const Job &job, QString *error)
{
    try {
        QPDF pages;
        pages.setSuppressWarnings(true);
        pages.processFile(localPath(job.pages).c_str());

        std::unique_ptr<QPDF> existing;
        QPDF *document = &pages;
        const std::string password = job.password.toStdString();
        if (!job.existing.isEmpty()) {
            existing = std::make_unique<QPDF>();
            existing->setSuppressWarnings(true);
            existing->processFile(localPath(job.existing).c_str(),
                                  password.empty() ? nullptr : password.c_str());
            QPDFPageDocumentHelper target(*existing);
            // Each page is copied with what it uses; the stream data stays in the pages file
            // until the writer reads it.
            for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pages).getAllPages())
                target.addPage(page, false);
            document = existing.get();
        }

        QPDFWriter writer(*document, localPath(job.output).c_str());
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
