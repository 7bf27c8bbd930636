#pragma once

#include <QStringList>

#include <functional>

class QPrinter;

// Prints page image files one per sheet, each at its own physical size or shrunk to fit, and
// centred (see PrintLayout). One page at a time is decoded, drawn and released, so memory does
// not grow with the number of pages. For the print preview, which keeps every sheet it is
// given, images are drawn at screen resolution.
class PagePrinter
{
public:
    // Told before each page (position from 0, page count); false stops the printing.
    using Progress = std::function<bool(int position, int count)>;

    // Resolution of the images kept by the print preview.
    static constexpr int PreviewDpi = 96;

    // printer: not owned, set up by the caller.
    explicit PagePrinter(QPrinter *printer);

    // Prints the files in order. An unreadable file gives an empty sheet. False when the
    // printer could not start or the printing was stopped (a print job is then aborted).
    bool print(const QStringList &files, const Progress &progress = {});

    // The line kept free at the foot of each sheet, in printer pixels.
    int lineHeight() const;
    // True when the printer feeds a print preview rather than a device or a file.
    bool isPreview() const;

private:
    QPrinter *m_printer;
};
