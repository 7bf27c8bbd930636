#pragma once

#include <QString>

// Chooses and loads the interface language: the stored code, else the installer's choice in
// "locale/instlang.txt", else Russian for the languages of its family, else the system
// locale. Installs the program's translation and Qt's own, replacing those of an earlier
// call, so every window re-applies its texts without a restart.
namespace LanguageLoader {

// Reads the Language setting (filling it in when empty) and installs the translations from
// localeFolder().
void load();
// The same with the translations and instlang.txt of another folder.
void load(const QString &folder);
// The folder holding the translations: "locale" beside the program (the build tree), else
// the installed data folder's "locale".
QString localeFolder();
// The code the installer left in instlang.txt in folder; empty when there is none.
QString installerLanguage(const QString &folder);
// The host of the program's web pages for a language code or locale name.
QString webHostFor(const QString &language);

} // namespace LanguageLoader
