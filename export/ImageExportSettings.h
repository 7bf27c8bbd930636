#pragma once

#include <QString>

// One image export's choices, as the export dialog hands them to the exporter and to the
// settings store. Each field lives under the settings key named beside it.
struct ImageExportSettings
{
    QString folder;                                    // ImageDocFolder: target folder
    QString namePattern = QStringLiteral("IMAGE_[C]"); // ImageDocName: "[C]" counter, "[D]" date
    // ImageFormat: "jpg", "tiff", "png" or "bmp"; the file name extension as well.
    QString format;
    int quality = 0;         // ImageJpegQuality: 0 to 100, used for "jpg" only
    bool openFolder = false; // ImageNeedOpen: open the folder after the export

    // Every field from the settings store; a missing key gives the default above.
    static ImageExportSettings read();
    void write() const;

    bool operator==(const ImageExportSettings &) const = default;
};
