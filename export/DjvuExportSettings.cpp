#include "export/DjvuExportSettings.h"

#include <QtGlobal>

#include "core/Settings.h"

DjvuExportSettings DjvuExportSettings::read()
{
    using namespace SettingsKeys;
    DjvuExportSettings s;
    s.folder = Settings::readString(DjvuDocFolder, QString());
    s.name = Settings::readString(DjvuDocName, QString());
    s.openDocument = Settings::readBool(DjvuNeedOpen, false);
    s.compression = Settings::readInt(DjvuPercent, 50);
    return s;
}

void DjvuExportSettings::write() const
{
    using namespace SettingsKeys;
    Settings::write(DjvuDocFolder, folder);
    Settings::write(DjvuDocName, name);
    Settings::write(DjvuNeedOpen, openDocument);
    Settings::write(DjvuPercent, compression);
}

int DjvuExportSettings::boundedCompression() const
{
    return qBound(MinCompression, compression, MaxCompression);
}
