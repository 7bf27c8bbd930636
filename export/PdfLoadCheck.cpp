#include "export/PdfLoadCheck.h"

#include <exception>

// libqpdf's smart pointers are the standard ones.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"

PdfLoadCheck::PdfLoadCheck()
    : m_toolPath(ToolLocator::find(QString(ToolName)))
{
}

bool PdfLoadCheck::refuse(const QString &why)
{
    m_errorString = why;
    return false;
}

bool PdfLoadCheck::check(const QByteArray &pdf)
{
    m_errorString.clear();
    // Without the checking program nothing says the file is safe to read.
    if (m_toolPath.isEmpty())
        return refuse(QStringLiteral("vellumo-cli, which checks the existing PDF, was not found"));

    ProcessRunner runner(m_toolPath, {QStringLiteral("check-pdf"), QStringLiteral("-")});
    runner.setStandardInput(pdf);
    runner.setTimeout(m_timeoutMs);
    // Crashing on a malformed file is the child's job here; no core file is wanted for that.
    runner.setNoCoreDump(true);
    const ProcessRunner::Result result = runner.run();
    switch (result.outcome) {
    case ProcessRunner::Outcome::NotStarted:
        return refuse(QStringLiteral("cannot start %1: %2").arg(m_toolPath, result.startError));
    case ProcessRunner::Outcome::TimedOut:
        return refuse(QStringLiteral("%1 did not answer within %2 s and was ended")
                          .arg(m_toolPath, QString::number(m_timeoutMs / 1000.0)));
    case ProcessRunner::Outcome::Crashed:
        return refuse(QStringLiteral("%1 crashed reading the file").arg(m_toolPath));
    case ProcessRunner::Outcome::Stopped: // no line handler or stop check here
    case ProcessRunner::Outcome::Exited:
        break;
    }
    if (result.exitCode != 0) {
        const QString said = result.standardError.trimmed();
        return refuse(QStringLiteral("%1 refused the file (exit code %2)%3")
                          .arg(m_toolPath, QString::number(result.exitCode),
                               said.isEmpty() ? QString() : QStringLiteral(": ") + said));
    }
    return true;
}

bool PdfLoadCheck::tryInThisProcess(const QByteArray &pdf, QString *error)
{
    try {
        // Read as the appender reads an existing file (libqpdf): the page tree walked, then
        // every object parsed and written, as appending will.
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("existing PDF", pdf.constData(), size_t(pdf.size()));
        if (QPDFPageDocumentHelper(document).getAllPages().empty()) {
            if (error)
                *error = QStringLiteral("the file has no pages");
            return false;
        }
        Pl_Discard discard;
        QPDFWriter writer(document);
        writer.setOutputPipeline(&discard);
        writer.write();
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}
