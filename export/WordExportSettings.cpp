#include "export/WordExportSettings.h"

#include "core/Settings.h"

WordExportSettings WordExportSettings::read()
{
    using namespace SettingsKeys;
    WordExportSettings s;
    s.folder = Settings::readString(WordDocFolder, QString());
    s.name = Settings::readString(WordDocName, QString());
    s.openDocument = Settings::readBool(WordNeedOpen, false);
    return s;
}

void WordExportSettings::write() const
{
    using namespace SettingsKeys;
    Settings::write(WordDocFolder, folder);
    Settings::write(WordDocName, name);
    Settings::write(WordNeedOpen, openDocument);
}
