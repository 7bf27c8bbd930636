#pragma once

#include <QString>
#include <QStringList>

// The command lines of the page processing tool, built from the processing settings. Pure
// functions, so every combination can be checked as a table.
namespace ToolArguments {

// The settings read at the start of every run.
struct Settings
{
    bool autoContrast = true;
    bool autoDeskew = true;
    bool autoCrop = true;
    bool insertAutoMargins = true;
    double marginLeft = 0.2;
    double marginTop = 0.2;
    double marginRight = 0.2;
    double marginBottom = 0.2;

    // The stored values, each with its default.
    static Settings read();
};

// A margin setting in the tool's steps of 0.2: divided in double precision and truncated, not
// rounded (0.6 / 0.2 is just below 3 and gives 2).
int marginNumber(double margin);

// The four margin arguments, or "--margins=0" when margins are not inserted.
QStringList marginArguments(const Settings &settings);

// One page changed in place (automatic cropping, scanning without book mode).
QStringList autoCrop(const Settings &settings, bool blackAndWhite, int dpi, const QString &input,
                     const QString &outputFolder);
// A scanned book page, or a two-page spread turned a quarter left first.
QStringList processScanned(const Settings &settings, bool twoPages, bool blackAndWhite, int dpi,
                           const QString &input, const QString &outputFolder);
// A page file split into its two halves; black-and-white when the path contains ".tiff".
QStringList splitSpread(const Settings &settings, const QString &pagePath, int dpi,
                        const QString &outputFolder);

} // namespace ToolArguments
