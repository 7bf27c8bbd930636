#pragma once

#include <QHash>
#include <QString>

// Language names from the system's ISO 639-3 tables (Debian's iso-codes): the English name of a
// three-letter code, its two-letter code, and the name translated into an interface language
// through the table's own message catalogue. Without the tables every lookup gives an empty
// string and the caller falls back to the code.
class IsoLanguageNames
{
public:
    // Reads the tables under dataRoot (normally /usr/share), or nothing when absent.
    explicit IsoLanguageNames(const QString &dataRoot = QStringLiteral("/usr/share"));

    // The English name of a three-letter code (terminology or bibliographic: "deu" and "ger").
    QString englishName(const QString &code) const;
    // The name in the given interface language ("de", "pt_BR"), else the English name.
    QString name(const QString &code, const QString &uiLanguage) const;
    // The three-letter code of a two-letter one ("de" gives "deu"), else empty.
    QString codeForTwoLetter(const QString &twoLetter) const;

private:
    // The catalogue's translations of English names into uiLanguage, loaded on first use.
    const QHash<QString, QString> &catalogue(const QString &uiLanguage) const;

    QString m_root;
    QHash<QString, QString> m_names;     // three-letter code to English name
    QHash<QString, QString> m_twoLetter; // two-letter code to three-letter code
    mutable QHash<QString, QHash<QString, QString>> m_catalogues;
};
