#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Tesseract's installed languages, their names and packages, and what to tell the user when a
// language's data is missing.
class OcrLanguages
{
    Q_DECLARE_TR_FUNCTIONS(OcrLanguages)

public:
    // Where Tesseract reads its data: TESSDATA_PREFIX when set, else Debian's folder.
    static QString dataFolder();
    // Codes of the installed recognition languages ("deu", "eng", ...), sorted; the orientation
    // data ("osd") is not a language.
    static QStringList installed();
    static bool hasOrientationData();
    // "deu" in the interface language ("Deutsch" for "de", "German" for "en"); the code itself
    // when the system has no name for it. A variant ("chi_sim") keeps its code in brackets.
    static QString displayName(const QString &code, const QString &uiLanguage);
    // The recognition language for an interface language ("de" gives "deu") when installed,
    // else English, else the first installed one, else "eng".
    static QString defaultFor(const QString &uiLanguage, const QStringList &installed);
    // "deu+rus": every part a code of letters, digits and "_".
    static bool isValidSpec(const QString &spec);
    // The first language of spec whose data is not installed, else empty.
    static QString firstMissing(const QString &spec);
    // Debian's package with a language's data: "tesseract-ocr-chi-sim" for "chi_sim".
    static QString package(const QString &code);
    // The message for a language whose data is missing ("osd" for the orientation data), the
    // language named in the interface language.
    static QString missingDataMessage(const QString &code, const QString &uiLanguage);
    // The message for a system without the Tesseract library.
    static QString missingLibraryMessage();
};
