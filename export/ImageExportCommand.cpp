#include "export/ImageExportCommand.h"

#include <QCoreApplication>

#include <cstdio>

#include "core/StderrProgress.h"
#include "export/ImageExporter.h"

namespace ImageExportCommand {

namespace {

int usageError(const QString &why)
{
    StderrProgress::report(QStringLiteral("vellumo-cli: ") + why);
    StderrProgress::report(usage());
    return 2;
}

} // namespace

QString usage()
{
    return QCoreApplication::translate(
        "ImageExportCommand",
        "\n       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] "
        "[--pattern P] FILE...   (each page an image file; P: \"[C]\" page counter, \"[D]\" "
        "date; default IMAGE_[C], jpg, quality 85)");
}

int run(const QStringList &arguments)
{
    ImageExportSettings settings;
    settings.format = QStringLiteral("jpg");
    settings.quality = 85;
    QStringList files;
    bool hasFolder = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            if (!hasValue)
                return usageError(
                    QCoreApplication::translate("ImageExportCommand", "%1 needs a folder")
                        .arg(argument));
            settings.folder = arguments.at(++i);
            hasFolder = true;
        } else if (argument == QLatin1String("--format")) {
            settings.format = hasValue ? arguments.at(++i).toLower() : QString();
            static const QStringList formats = {QStringLiteral("jpg"), QStringLiteral("tiff"),
                                                QStringLiteral("png"), QStringLiteral("bmp")};
            if (!formats.contains(settings.format))
                return usageError(QCoreApplication::translate(
                    "ImageExportCommand", "--format takes jpg, tiff, png or bmp"));
        } else if (argument == QLatin1String("--quality")) {
            bool number = false;
            settings.quality = hasValue ? arguments.at(++i).toInt(&number) : -1;
            if (!number || settings.quality < 0 || settings.quality > 100)
                return usageError(QCoreApplication::translate(
                    "ImageExportCommand", "--quality takes a number from 0 to 100"));
        } else if (argument == QLatin1String("--pattern")) {
            if (!hasValue || arguments.at(i + 1).isEmpty())
                return usageError(QCoreApplication::translate(
                    "ImageExportCommand", "--pattern needs a file name pattern"));
            settings.namePattern = arguments.at(++i);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return usageError(QCoreApplication::translate("ImageExportCommand", "unknown option %1")
                                  .arg(argument));
        } else {
            files << argument;
        }
    }
    if (!hasFolder)
        return usageError(
            QCoreApplication::translate("ImageExportCommand", "no target folder (-o DIR)"));
    if (files.isEmpty())
        return usageError(QCoreApplication::translate("ImageExportCommand", "no page files"));

    ImageExporter exporter;
    const ImageExporter::Outcome outcome = exporter.run(files, settings, nullptr);
    if (outcome == ImageExporter::Outcome::FolderMissing) {
        StderrProgress::report(QStringLiteral("vellumo-cli: ") + exporter.errorString());
        return 1;
    }
    for (const QString &path : exporter.writtenPaths())
        StderrProgress::report(
            QCoreApplication::translate("ImageExportCommand", "wrote %1").arg(path));
    for (const ImageExporter::Failure &failure : exporter.failures())
        StderrProgress::report(QCoreApplication::translate("ImageExportCommand", "failed %1: %2")
                                   .arg(failure.path, failure.reason));
    return outcome == ImageExporter::Outcome::AllSaved ? 0 : 1;
}

} // namespace ImageExportCommand
