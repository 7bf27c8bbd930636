#pragma once

#include <QString>

// One PDF export's choices, as the export dialog hands them to the writer and to the settings
// store. Each field lives under the settings key of the same name.
struct PdfExportSettings
{
    bool needOpen = true;
    // Centre the image in the printable area; otherwise its top-left corner sits on the margins.
    bool byCenter = true;
    // Stored paper code (see PaperSizes.h), not a Qt or PoDoFo enum value.
    int paperSize = 0;
    // 1 is landscape; every other value is portrait.
    int orientation = 0;
    // 0 by dots per inch, 1 stretch to the paper, 2 stretch keeping the aspect ratio.
    int scale = 0;
    // Margins in centimetres.
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    QString docFolder;
    // Full path of the existing PDF that append mode adds pages to.
    QString appendFolder;
    // File name of a new PDF, with or without ".pdf".
    QString docName;
    // Empty means no encryption. Never in the settings store: a kept password lives in the
    // secret store (PdfPasswordStore).
    QString pdfPassword;
    bool keepPassword = false;
    // Document information of a new file; never in the settings store. An empty title gives the
    // file's base name.
    QString title;
    QString author;
    // An invisible text layer from text recognition, in these Tesseract languages ("eng+deu").
    bool ocr = false;
    QString ocrLanguages = QStringLiteral("eng");

    // Every field but the password from the settings store; a missing key gives the default
    // above.
    static PdfExportSettings read();
    // Every field but the password to the settings store.
    void write() const;

    bool operator==(const PdfExportSettings &) const = default;
};
