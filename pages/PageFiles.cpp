#include "PageFiles.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace PageFiles {

namespace {
const QRegularExpression &pageNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{8})_([osw])\\.(jpg|tiff)$"));
    return pattern;
}

// Replaces the file-name part of a path, keeping the folder exactly as given.
QString withFileName(const QString &path, const QString &fileName)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? fileName : path.left(slash + 1) + fileName;
}

QString fileNameOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}
} // namespace

QString baseName(int number)
{
    return QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0'));
}

QString workingFileName(int number, bool blackAndWhite)
{
    return workingFileName(number, blackAndWhite ? QStringLiteral("tiff") : QStringLiteral("jpg"));
}

QString workingFileName(int number, const QString &ext)
{
    return baseName(number) + QStringLiteral("_o.") + ext;
}

QString sourcePath(const QString &workingPath)
{
    QString name = fileNameOf(workingPath);
    name.replace(QStringLiteral("_o"), QStringLiteral("_w"));
    return withFileName(workingPath, name);
}

QString thumbPath(const QString &workingPath)
{
    QString name = fileNameOf(workingPath);
    name.replace(QStringLiteral("_o"), QStringLiteral("_s"));
    name.replace(QStringLiteral(".tiff"), QStringLiteral(".jpg"));
    return withFileName(workingPath, name);
}

QString extension(const QString &workingPath)
{
    return QFileInfo(fileNameOf(workingPath)).suffix();
}

int pageNumber(const QString &fileName)
{
    const QRegularExpressionMatch match = pageNamePattern().match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool isWorkingFileName(const QString &fileName)
{
    const QRegularExpressionMatch match = pageNamePattern().match(fileName);
    return match.hasMatch() && match.captured(2) == QLatin1String("o");
}

bool isPageFileName(const QString &fileName)
{
    const QRegularExpressionMatch match = pageNamePattern().match(fileName);
    // A thumbnail is always JPEG.
    return match.hasMatch() &&
           !(match.captured(2) == QLatin1String("s") && match.captured(3) == QLatin1String("tiff"));
}

} // namespace PageFiles
