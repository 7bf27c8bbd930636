#include "ocr/OcrLanguages.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "ocr/IsoLanguageNames.h"

namespace {

const QString orientationCode = QStringLiteral("osd");

const IsoLanguageNames &isoNames()
{
    static const IsoLanguageNames names;
    return names;
}

} // namespace

QString OcrLanguages::dataFolder()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

QStringList OcrLanguages::installed()
{
    QStringList codes;
    const QFileInfoList files = QDir(dataFolder())
                                    .entryInfoList({QStringLiteral("*.traineddata")},
                                                   QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString code = file.completeBaseName();
        if (code != orientationCode && isValidSpec(code))
            codes.append(code);
    }
    return codes;
}

bool OcrLanguages::hasOrientationData()
{
    return QFileInfo(dataFolder() + QLatin1Char('/') + orientationCode +
                     QStringLiteral(".traineddata"))
        .isFile();
}

QString OcrLanguages::displayName(const QString &code, const QString &uiLanguage)
{
    const QString base = code.section(QLatin1Char('_'), 0, 0);
    const QString name = isoNames().name(base, uiLanguage);
    if (name.isEmpty())
        return code;
    return base == code ? name : QStringLiteral("%1 (%2)").arg(name, code);
}

QString OcrLanguages::defaultFor(const QString &uiLanguage, const QStringList &installed)
{
    const QString twoLetter = uiLanguage.section(QLatin1Char('_'), 0, 0);
    const QString code = isoNames().codeForTwoLetter(twoLetter);
    if (!code.isEmpty() && installed.contains(code))
        return code;
    const QString english = QStringLiteral("eng");
    if (installed.contains(english) || installed.isEmpty())
        return english;
    return installed.first();
}

bool OcrLanguages::isValidSpec(const QString &spec)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_]+(\\+[A-Za-z0-9_]+)*$"));
    return pattern.match(spec).hasMatch();
}

QString OcrLanguages::firstMissing(const QString &spec)
{
    for (const QString &code : spec.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (!QFileInfo(dataFolder() + QLatin1Char('/') + code + QStringLiteral(".traineddata"))
                 .isFile())
            return code;
    }
    return {};
}

QString OcrLanguages::package(const QString &code)
{
    return QStringLiteral("tesseract-ocr-") +
           code.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

QString OcrLanguages::missingLibraryMessage()
{
    return tr("Text recognition needs the Tesseract library, which is not installed. Install the "
              "package %1.")
        .arg(QStringLiteral("libtesseract5"));
}

QString OcrLanguages::missingDataMessage(const QString &code, const QString &uiLanguage)
{
    if (code == orientationCode)
        return tr("Turning pages upright needs Tesseract's orientation data, which is not "
                  "installed. Install the package %1.")
            .arg(package(code));
    return tr("Text recognition in %1 needs Tesseract's data for that language, which is not "
              "installed. Install the package %2.")
        .arg(displayName(code, uiLanguage), package(code));
}
