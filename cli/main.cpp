// vellumo-cli: Vellumo's writers from the command line, without the window and without touching
// the user's settings.
//   vellumo-cli pdf -o OUT.pdf [options] FILE...
//   vellumo-cli check-pdf FILE|-
//   vellumo-cli extract [--password P] -o DIR FILE.pdf

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

#include "core/OpenSslProviders.h"
#include "core/StderrProgress.h"
#include "export/DjvuCommand.h"
#include "export/DocxCommand.h"
#include "export/ImageExportCommand.h"
#include "export/PdfCommandLine.h"
#include "export/PdfLoadCheck.h"
#include "export/PdfWriter.h"
#include "import/PdfImportCommand.h"
#include "pages/PageRecovery.h"
#include "pages/ProjectArchive.h"

namespace {

QString usage()
{
    return PdfCommandLine::usage() + PdfImportCommand::usage() + ImageExportCommand::usage() +
           DocxCommand::usage() + DjvuCommand::usage();
}

// Progress as "page i of n" lines on standard error.
// Page images, with each project file replaced by its pages in order.
QStringList pageFiles(const QStringList &inputs, QTemporaryDir &scratch, QString *error)
{
    QStringList files;
    int project = 0;
    for (const QString &input : inputs) {
        if (QFileInfo(input).suffix().toUpper() != QLatin1String("VLMPJ")) {
            files << input;
            continue;
        }
        const QString folder = scratch.filePath(QString::number(++project));
        QDir().mkpath(folder);
        ProjectArchive archive;
        if (archive.extract(input, folder).isEmpty()) {
            *error =
                QCoreApplication::translate("vellumo-cli", "cannot read the project %1").arg(input);
            return {};
        }
        for (const QString &name : PageRecovery::preparePages(folder))
            files << folder + QLatin1Char('/') + name;
    }
    return files;
}

// check-pdf: 0 when the PDF can be appended to, 1 when it is refused (read as appending reads it,
// with libqpdf). Scripts run it in a child process: a hostile file may take long or much memory.
int checkPdf(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "%s\n", qPrintable(usage()));
        return 2;
    }
    const QString name = arguments.first();
    const bool fromInput = name == QLatin1String("-");
    QFile file(fromInput ? QString() : name);
    const bool opened =
        fromInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        std::fprintf(stderr, "vellumo-cli: cannot read %s: %s\n", qPrintable(name),
                     qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray pdf = file.readAll();
    QString error;
    if (!PdfLoadCheck::tryInThisProcess(pdf, &error)) {
        std::fprintf(stderr, "vellumo-cli: %s is not a PDF that pages can be appended to: %s\n",
                     qPrintable(fromInput ? QStringLiteral("the input") : name), qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Before anything reads a PDF: RC4 and AES-128 encrypted files need both providers.
    loadOpenSslProviders();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("check-pdf"))
        return checkPdf(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("extract"))
        return PdfImportCommand::extract(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("render"))
        return PdfImportCommand::render(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("images"))
        return ImageExportCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("docx"))
        return DocxCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("djvu"))
        return DjvuCommand::run(arguments.mid(1));
    if (arguments.isEmpty() || arguments.first() != QLatin1String("pdf")) {
        std::fprintf(stderr, "%s\n", qPrintable(usage()));
        return 2;
    }
    QString error;
    const auto job = PdfCommandLine::parse(arguments.mid(1), &error);
    if (!job) {
        std::fprintf(stderr, "vellumo-cli: %s\n%s\n", qPrintable(error), qPrintable(usage()));
        return 2;
    }
    QTemporaryDir scratch;
    const QStringList files = pageFiles(job->inputs, scratch, &error);
    if (files.isEmpty()) {
        std::fprintf(stderr, "vellumo-cli: %s\n",
                     qPrintable(error.isEmpty() ? QStringLiteral("no pages") : error));
        return 1;
    }
    PdfWriter writer;
    // Whatever image files a user has, recognised by their content.
    writer.setAnyImageFile(true);
    QString written;
    QObject::connect(&writer, &PdfWriter::applied,
                     [&written](const QString &path) { written = path; });
    QString failedOn;
    QObject::connect(&writer, &PdfWriter::failed,
                     [&failedOn](const QString &path) { failedOn = path; });
    StderrProgress progress;
    const PdfWriter::Result result = writer.write(job->settings, files, job->append, &progress);
    if (result == PdfWriter::Result::OcrUnavailable) {
        std::fprintf(stderr, "vellumo-cli: %s\n", qPrintable(writer.userMessage()));
        return 1;
    }
    if (result != PdfWriter::Result::Finished) {
        const QString why =
            writer.errorString().isEmpty() ? QStringLiteral("no target") : writer.errorString();
        std::fprintf(stderr, "vellumo-cli: the PDF was not written: %s\n",
                     qPrintable(failedOn.isEmpty() ? why : failedOn + QStringLiteral(": ") + why));
        return 1;
    }
    if (writer.pagesWithoutText() > 0)
        std::fprintf(stderr, "vellumo-cli: the text of %d page(s) could not be recognised\n",
                     writer.pagesWithoutText());
    std::printf("%s\n", qPrintable(written));
    return 0;
}
