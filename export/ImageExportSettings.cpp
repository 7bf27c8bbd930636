#include "export/ImageExportSettings.h"

#include "core/Settings.h"

ImageExportSettings ImageExportSettings::read()
{
    using namespace SettingsKeys;
    ImageExportSettings s;
    s.folder = Settings::readString(ImageDocFolder, QString());
    s.namePattern = Settings::readString(ImageDocName, QStringLiteral("IMAGE_[C]"));
    s.format = Settings::readString(ImageFormat, QString());
    s.quality = Settings::readInt(ImageJpegQuality, 0);
    s.openFolder = Settings::readBool(ImageNeedOpen, false);
    return s;
}

void ImageExportSettings::write() const
{
    using namespace SettingsKeys;
    Settings::write(ImageDocFolder, folder);
    Settings::write(ImageDocName, namePattern);
    Settings::write(ImageFormat, format);
    Settings::write(ImageJpegQuality, quality);
    Settings::write(ImageNeedOpen, openFolder);
}
