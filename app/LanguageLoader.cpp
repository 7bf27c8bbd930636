#include "LanguageLoader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QTranslator>

#include "core/AppPaths.h"
#include "core/LogCategories.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"

namespace LanguageLoader {

namespace {

// The translators installed by the last call; they live until the next one.
QList<QTranslator *> &installed()
{
    static QList<QTranslator *> translators;
    return translators;
}

bool speaksRussianFamily(QLocale::Language language)
{
    switch (language) {
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Kazakh:
    case QLocale::Serbian:
    case QLocale::Uzbek:
    case QLocale::Bashkir:
    case QLocale::Tatar:
        return true;
    default:
        return false;
    }
}

} // namespace

QString localeFolder()
{
    const QDir program(AppPaths::programFolder());
    const QString beside = program.absoluteFilePath(QStringLiteral("locale"));
    if (QFileInfo::exists(beside))
        return beside;
    // <prefix>/bin/vellumo finds <prefix>/share/vellumo/locale
    return QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../") +
                                                    QLatin1StringView(VELLUMO_DATA_SUBDIR) +
                                                    QStringLiteral("/locale")));
}

QString installerLanguage(const QString &folder)
{
    QFile file(folder + QStringLiteral("/instlang.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString code = QString::fromLocal8Bit(file.read(2));
    return code.size() == 2 ? code : QString();
}

QString webHostFor(const QString &language)
{
    return language.startsWith(QStringLiteral("ru")) ? QString(ProgramInfo::WebHostRussian)
                                                     : QString(ProgramInfo::WebHost);
}

void load()
{
    load(localeFolder());
}

void load(const QString &folder)
{
    QString code = Settings::readString(SettingsKeys::Language, QString());
    if (code.isEmpty()) {
        code = installerLanguage(folder);
        if (code.isEmpty() && speaksRussianFamily(QLocale::system().language()))
            code = QStringLiteral("ru");
        Settings::write(SettingsKeys::Language, code);
    }
    const QString language = code.isEmpty() ? QLocale::system().name() : code;
    Settings::write(SettingsKeys::AppUrl, webHostFor(language));

    for (QTranslator *translator : std::as_const(installed())) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();

    auto *program = new QTranslator;
    // A missing file leaves the source (English) texts.
    if (!program->load(QStringLiteral("Vellumo_") + language, folder) &&
        !program->load(QStringLiteral("Vellumo"), folder))
        qCDebug(lcStartup) << "No translation for" << language << "in" << folder;
    QCoreApplication::installTranslator(program);
    QApplication::setLayoutDirection(code == QStringLiteral("ar") ? Qt::RightToLeft
                                                                  : Qt::LeftToRight);
    auto *toolkit = new QTranslator;
    if (!toolkit->load(QStringLiteral("qtbase_") + language, folder))
        qCDebug(lcStartup) << "No toolkit translation for" << language << "in" << folder;
    QCoreApplication::installTranslator(toolkit);
    installed() << program << toolkit;
}

} // namespace LanguageLoader
