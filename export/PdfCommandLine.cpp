#include "PdfCommandLine.h"

#include <QFileInfo>

#include "ocr/OcrLanguages.h"

namespace {
// Paper names and their stored paper codes.
int paperCode(const QString &name)
{
    static const QList<QPair<QString, int>> papers = {
        {QStringLiteral("A4"), 0}, {QStringLiteral("Letter"), 2}, {QStringLiteral("A0"), 5},
        {QStringLiteral("A1"), 6}, {QStringLiteral("A2"), 7},     {QStringLiteral("A3"), 8},
        {QStringLiteral("A5"), 9}, {QStringLiteral("A6"), 10}};
    for (const auto &[paper, code] : papers) {
        if (paper.compare(name, Qt::CaseInsensitive) == 0)
            return code;
    }
    return -1;
}
} // namespace

QString PdfCommandLine::usage()
{
    return tr("usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] "
              "[--paper A4|Letter|A0..A6] [--orientation portrait|landscape] "
              "[--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] "
              "[--author AUTHOR] [--ocr LANG[+LANG]] FILE...\n"
              "       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the "
              "PDF; - reads it from standard input)");
}

std::optional<PdfCommandLine::Job> PdfCommandLine::parse(const QStringList &arguments,
                                                         QString *error)
{
    Job job;
    job.settings = PdfExportSettings();
    job.settings.needOpen = false;
    QString output;
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::optional<Job>();
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        const auto value = [&]() {
            return arguments.at(++i);
        };
        if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            if (!hasValue)
                return fail(tr("%1 needs a file name").arg(argument));
            output = value();
        } else if (argument == QLatin1String("--append")) {
            job.append = true;
        } else if (argument == QLatin1String("--ocr")) {
            const QString languages = hasValue ? value() : QString();
            if (!OcrLanguages::isValidSpec(languages))
                return fail(tr("--ocr takes Tesseract languages such as eng or eng+deu"));
            job.settings.ocr = true;
            job.settings.ocrLanguages = languages;
        } else if (argument == QLatin1String("--no-center")) {
            job.settings.byCenter = false;
        } else if (argument == QLatin1String("--password")) {
            if (!hasValue)
                return fail(tr("--password needs a password"));
            job.settings.pdfPassword = value();
        } else if (argument == QLatin1String("--title") || argument == QLatin1String("--author")) {
            if (!hasValue)
                return fail(tr("%1 needs a text").arg(argument));
            (argument == QLatin1String("--title") ? job.settings.title : job.settings.author) =
                value();
        } else if (argument == QLatin1String("--paper")) {
            const int code = hasValue ? paperCode(value()) : -1;
            if (code < 0)
                return fail(tr("--paper takes A4, Letter or A0 to A6"));
            job.settings.paperSize = code;
        } else if (argument == QLatin1String("--orientation")) {
            const QString orientation = hasValue ? value() : QString();
            if (orientation != QLatin1String("portrait") &&
                orientation != QLatin1String("landscape"))
                return fail(tr("--orientation takes portrait or landscape"));
            job.settings.orientation = orientation == QLatin1String("landscape") ? 1 : 0;
        } else if (argument == QLatin1String("--scale")) {
            const QString scale = hasValue ? value() : QString();
            const int mode = scale == QLatin1String("dpi")       ? 0
                             : scale == QLatin1String("stretch") ? 1
                             : scale == QLatin1String("fit")     ? 2
                                                                 : -1;
            if (mode < 0)
                return fail(tr("--scale takes dpi, stretch or fit"));
            job.settings.scale = mode;
        } else if (argument == QLatin1String("--margins")) {
            const QStringList parts = hasValue ? value().split(QLatin1Char(',')) : QStringList();
            double margins[4] = {};
            bool ok = parts.size() == 4;
            for (int m = 0; ok && m < 4; ++m) {
                margins[m] = parts.at(m).toDouble(&ok);
                ok = ok && margins[m] >= 0 && margins[m] < 100;
            }
            if (!ok)
                return fail(tr("--margins takes four centimetre values: L,R,T,B"));
            job.settings.left = margins[0];
            job.settings.right = margins[1];
            job.settings.top = margins[2];
            job.settings.bottom = margins[3];
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fail(tr("unknown option %1").arg(argument));
        } else {
            job.inputs << argument;
        }
    }
    if (output.isEmpty())
        return fail(tr("no output file (-o OUT.pdf)"));
    if (job.inputs.isEmpty())
        return fail(tr("no page files"));
    const QFileInfo target(output);
    if (job.append) {
        job.settings.appendFolder = target.absoluteFilePath();
    } else {
        job.settings.docFolder = target.absolutePath();
        job.settings.docName = target.fileName();
    }
    return job;
}
