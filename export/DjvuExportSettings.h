#pragma once

#include <QString>

// The DjVu export's choices, as the export dialog keeps them in the settings store under the
// keys DjvuDocFolder, DjvuDocName, DjvuNeedOpen and DjvuPercent.
struct DjvuExportSettings
{
    // The range the dialog offers. Beyond 95 the wavelet encoder would be asked for less than 5 %
    // of the original size, which leaves nothing readable of a page.
    static constexpr int MinCompression = 0;
    static constexpr int MaxCompression = 95;

    // Folder of the last document written.
    QString folder;
    // File name of the last document, as typed (with or without ".djvu").
    QString name;
    bool openDocument = false;
    // How much smaller than the original the colour and grey pages become, in percent. Stored
    // as it was written, even outside the range: boundedCompression() is what is used.
    int compression = 50;

    // From the settings store; a missing key gives the default above.
    static DjvuExportSettings read();
    void write() const;

    // compression brought into [MinCompression, MaxCompression]: a stored 120 gives 95.
    int boundedCompression() const;

    bool operator==(const DjvuExportSettings &) const = default;
};
