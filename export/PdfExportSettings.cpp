#include "export/PdfExportSettings.h"

#include "core/Settings.h"
#include "ocr/OcrLanguages.h"

PdfExportSettings PdfExportSettings::read()
{
    using namespace SettingsKeys;
    PdfExportSettings s;
    s.docFolder = Settings::readString(DocFolder, QString());
    s.docName = Settings::readString(DocName, QString());
    s.appendFolder = Settings::readString(AppendFolder, QString());
    s.needOpen = Settings::readBool(NeedOpen, true);
    s.byCenter = Settings::readBool(ByCenter, true);
    s.paperSize = Settings::readInt(PaperSize, 0);
    s.orientation = Settings::readInt(Orientation, 0);
    s.scale = Settings::readInt(Scale, 0);
    s.left = Settings::readDouble(Left, 0.0);
    s.right = Settings::readDouble(Right, 0.0);
    s.top = Settings::readDouble(Top, 0.0);
    s.bottom = Settings::readDouble(Bottom, 0.0);
    s.keepPassword = Settings::readBool(KeepPassword, false);
    s.ocr = Settings::readBool(PdfOcr, false);
    s.ocrLanguages = Settings::readString(OcrLanguage, QString());
    if (s.ocrLanguages.isEmpty())
        s.ocrLanguages = OcrLanguages::defaultFor(
            Settings::readString(Language, QStringLiteral("en")), OcrLanguages::installed());
    return s;
}

void PdfExportSettings::write() const
{
    using namespace SettingsKeys;
    Settings::write(DocFolder, docFolder);
    Settings::write(DocName, docName);
    Settings::write(AppendFolder, appendFolder);
    Settings::write(NeedOpen, needOpen);
    Settings::write(ByCenter, byCenter);
    Settings::write(PaperSize, paperSize);
    Settings::write(Orientation, orientation);
    Settings::write(Scale, scale);
    Settings::write(Left, left);
    Settings::write(Right, right);
    Settings::write(Top, top);
    Settings::write(Bottom, bottom);
    Settings::write(KeepPassword, keepPassword);
    Settings::write(PdfOcr, ocr);
    Settings::write(OcrLanguage, ocrLanguages);
}
