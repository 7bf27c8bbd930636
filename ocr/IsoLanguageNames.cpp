#include "ocr/IsoLanguageNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// A gettext catalogue (.mo): its original strings mapped to their translations. Empty when the
// file is not one; offsets are checked against the file's size before use.
QHash<QString, QString> readCatalogue(const QString &path)
{
    QHash<QString, QString> result;
    QFile file(path);
    constexpr qint64 maxBytes = 32 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return result;
    const QByteArray data = file.readAll();
    if (data.size() < 20)
        return result;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const quint32 magic = qFromLittleEndian<quint32>(bytes);
    const bool little = magic == 0x950412deU;
    if (!little && qFromBigEndian<quint32>(bytes) != 0x950412deU)
        return result;
    const auto word = [&](qint64 offset) -> std::optional<quint32> {
        if (offset < 0 || offset + 4 > data.size())
            return std::nullopt;
        return little ? qFromLittleEndian<quint32>(bytes + offset)
                      : qFromBigEndian<quint32>(bytes + offset);
    };
    const auto text = [&](qint64 table, quint32 index) -> std::optional<QString> {
        const std::optional<quint32> length = word(table + 8 * qint64(index));
        const std::optional<quint32> offset = word(table + 8 * qint64(index) + 4);
        if (!length || !offset || qint64(*offset) + *length > data.size())
            return std::nullopt;
        return QString::fromUtf8(data.constData() + *offset, qsizetype(*length));
    };
    const std::optional<quint32> count = word(8);
    const std::optional<quint32> originals = word(12);
    const std::optional<quint32> translations = word(16);
    if (!count || !originals || !translations)
        return result;
    for (quint32 i = 0; i < *count; ++i) {
        const std::optional<QString> original = text(*originals, i);
        const std::optional<QString> translation = text(*translations, i);
        if (!original || !translation)
            break;
        if (!original->isEmpty() && !translation->isEmpty())
            result.insert(*original, *translation);
    }
    return result;
}

} // namespace

IsoLanguageNames::IsoLanguageNames(const QString &dataRoot)
    : m_root(dataRoot)
{
    QFile file(dataRoot + QStringLiteral("/iso-codes/json/iso_639-3.json"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonArray entries =
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("639-3")).toArray();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString code = entry.value(QStringLiteral("alpha_3")).toString();
        const QString name = entry.value(QStringLiteral("name")).toString();
        if (code.isEmpty() || name.isEmpty())
            continue;
        m_names.insert(code, name);
        const QString bibliographic = entry.value(QStringLiteral("bibliographic")).toString();
        if (!bibliographic.isEmpty())
            m_names.insert(bibliographic, name);
        const QString twoLetter = entry.value(QStringLiteral("alpha_2")).toString();
        if (!twoLetter.isEmpty())
            m_twoLetter.insert(twoLetter, code);
    }
}

QString IsoLanguageNames::englishName(const QString &code) const
{
    return m_names.value(code);
}

QString IsoLanguageNames::codeForTwoLetter(const QString &twoLetter) const
{
    return m_twoLetter.value(twoLetter);
}

const QHash<QString, QString> &IsoLanguageNames::catalogue(const QString &uiLanguage) const
{
    auto it = m_catalogues.constFind(uiLanguage);
    if (it == m_catalogues.constEnd()) {
        const QString pattern = m_root + QStringLiteral("/locale/%1/LC_MESSAGES/iso_639-3.mo");
        QHash<QString, QString> translations = readCatalogue(pattern.arg(uiLanguage));
        // "pt_BR" falls back to "pt".
        if (translations.isEmpty() && uiLanguage.contains(QLatin1Char('_')))
            translations = readCatalogue(pattern.arg(uiLanguage.section(QLatin1Char('_'), 0, 0)));
        it = m_catalogues.insert(uiLanguage, translations);
    }
    return *it;
}

QString IsoLanguageNames::name(const QString &code, const QString &uiLanguage) const
{
    const QString english = englishName(code);
    if (english.isEmpty() || uiLanguage.isEmpty() || uiLanguage.startsWith(QStringLiteral("en")))
        return english;
    return catalogue(uiLanguage).value(english, english);
}
