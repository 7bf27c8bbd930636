#pragma once

#include <QLatin1StringView>

// Every key of the settings store, defined once. Keys are flat and case-sensitive; the store
// is scoped by organisation "Leafkin" and application "Vellumo". Each reading site passes its
// own default (see Settings.h), so no default lives here.
namespace SettingsKeys {

using Key = QLatin1StringView;

// Application and main window
inline constexpr Key Version{"Version"};
inline constexpr Key AppUrl{"AppUrl"};
inline constexpr Key UniqueID{"UniqueID"};
inline constexpr Key Scanners{"Scanners"};
inline constexpr Key Language{"Language"};
inline constexpr Key AutoUpdate{"AutoUpdate"};
inline constexpr Key LastOptionsPage{"LastOptionsPage"};
inline constexpr Key WindowMaximized{"WindowMaximized"};
inline constexpr Key WindowLeft{"WindowLeft"};
inline constexpr Key WindowTop{"WindowTop"};
inline constexpr Key WindowWidth{"WindowWidth"};
inline constexpr Key WindowHeight{"WindowHeight"};
inline constexpr Key KeepScale{"KeepScale"};
inline constexpr Key ImageScale{"ImageScale"};

// Page images and the editor
inline constexpr Key JpegQuality{"JpegQuality"};
inline constexpr Key CropLeft{"CropLeft"};
inline constexpr Key CropTop{"CropTop"};
inline constexpr Key CropWidth{"CropWidth"};
inline constexpr Key CropHeight{"CropHeight"};
inline constexpr Key SaveImagePath{"SaveImagePath"};

// Files and projects
inline constexpr Key LastPath{"LastPath"};
inline constexpr Key ProjectPath{"ProjectPath"};

// Scanning
inline constexpr Key QualityIndex{"QualityIndex"};
inline constexpr Key Grayscale{"Grayscale"};
inline constexpr Key Resolution{"Resolution"};
inline constexpr Key MiddleQuality{"MiddleQuality"};
inline constexpr Key GoodQuality{"GoodQuality"};
inline constexpr Key HighQuality{"HighQuality"};
inline constexpr Key PaperSource{"PaperSource"};
inline constexpr Key AcquireImage{"AcquireImage"};
inline constexpr Key AutoDeskew{"AutoDeskew"};
inline constexpr Key AutoCrop{"AutoCrop"};
inline constexpr Key AutoContrast{"AutoContrast"};
// Pages turned upright by text orientation detection after scanning and on import.
inline constexpr Key AutoUpright{"AutoUpright"};
inline constexpr Key Preview{"Preview"};
inline constexpr Key Scanned{"Scanned"};
inline constexpr Key InsertAutoMargins{"InsertAutoMargins"};
inline constexpr Key AutoMarginLeft{"AutoMarginLeft"};
inline constexpr Key AutoMarginTop{"AutoMarginTop"};
inline constexpr Key AutoMarginRight{"AutoMarginRight"};
inline constexpr Key AutoMarginBottom{"AutoMarginBottom"};
// The SANE device the user picked last (opened by the next scan).
inline constexpr Key ScannerDevice{"ScannerDevice"};

// Automatic scanning
inline constexpr Key AutoScanTime{"AutoScanTime"};
inline constexpr Key AutoScanNow{"AutoScanNow"};
inline constexpr Key BookScan{"BookScan"};
inline constexpr Key SplitSpread{"SplitSpread"};
inline constexpr Key RotateMode{"RotateMode"};
inline constexpr Key RotateAngle{"RotateAngle"};
inline constexpr Key PageNumber{"PageNumber"};

// PDF export
inline constexpr Key DocFolder{"DocFolder"};
inline constexpr Key DocName{"DocName"};
inline constexpr Key AppendFolder{"AppendFolder"};
inline constexpr Key NeedOpen{"NeedOpen"};
inline constexpr Key ByCenter{"ByCenter"};
inline constexpr Key PaperSize{"PaperSize"};
inline constexpr Key Orientation{"Orientation"};
inline constexpr Key Scale{"Scale"};
inline constexpr Key Left{"Left"};
inline constexpr Key Right{"Right"};
inline constexpr Key Top{"Top"};
inline constexpr Key Bottom{"Bottom"};
// Only read to move a password kept by an older version out of the settings file; the kept
// password itself lives in the secret store under this name.
inline constexpr Key PdfPassword{"PdfPassword"};
inline constexpr Key KeepPassword{"KeepPassword"};
// Text recognition for searchable PDFs: on or off, and the Tesseract languages ("eng+deu").
inline constexpr Key PdfOcr{"PdfOcr"};
inline constexpr Key OcrLanguage{"OcrLanguage"};

// Image export
inline constexpr Key ImageDocFolder{"ImageDocFolder"};
inline constexpr Key ImageDocName{"ImageDocName"};
inline constexpr Key ImageNeedOpen{"ImageNeedOpen"};
inline constexpr Key ImageFormat{"ImageFormat"};
inline constexpr Key ImageJpegQuality{"ImageJpegQuality"};

// Word export
inline constexpr Key WordDocFolder{"WordDocFolder"};
inline constexpr Key WordDocName{"WordDocName"};
inline constexpr Key WordNeedOpen{"WordNeedOpen"};

// DjVu export
inline constexpr Key DjvuDocFolder{"DjvuDocFolder"};
inline constexpr Key DjvuDocName{"DjvuDocName"};
inline constexpr Key DjvuNeedOpen{"DjvuNeedOpen"};
inline constexpr Key DjvuPercent{"DjvuPercent"};

// The first start's date (ISO 8601); absent until the program has started once here.
inline constexpr Key FirstStart{"FirstStart"};

} // namespace SettingsKeys
