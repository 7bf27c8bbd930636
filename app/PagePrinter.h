#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>

#include <functional>

class QPrinter;

// Prints page image files one per sheet, each at its own physical size or shrunk to fit, and
// centred (see PrintLayout). One page at a time is decoded, drawn and released, so memory does
// not grow with the number of pages. The print preview keeps every sheet it is given: there
// the images are drawn at screen resolution or less, within a memory budget for the whole
// document, so a long document is previewed with coarser pictures instead of more memory.
class PagePrinter
{
public:
    // Told before each page (position from 0, page count); false stops the printing.
    using Progress = std::function<bool(int position, int count)>;

    // Most resolution of the images kept by the print preview.
    static constexpr int PreviewDpi = 96;
    // Memory the preview's pictures may take together: with the window and the preview itself,
    // a long document's preview stays under 400 MB (200 colour A4 pages get about 60 dpi).
    static constexpr qint64 PreviewBudgetBytes = 192LL * 1024 * 1024;

    // A page read for the preview: its picture at most PreviewDpi (and its share of the
    // budget), with the size and resolution of the page itself, which place it on the sheet.
    struct Sheet
    {
        QImage image; // null for a file that could not be read: an empty sheet
        QSize size;
        int dpiX = 0;
        int dpiY = 0;
    };

    // printer: not owned, set up by the caller.
    explicit PagePrinter(QPrinter *printer);

    // The files read for the preview, on any thread; progress as for print().
    static QList<Sheet> readSheets(const QStringList &files, const Progress &progress = {});

    // Prints the files in order. An unreadable file gives an empty sheet. False when the
    // printer could not start or the printing was stopped (a print job is then aborted).
    bool print(const QStringList &files, const Progress &progress = {});
    // The sheets read beforehand onto the printer (a preview's): quick, nothing is decoded.
    bool print(const QList<Sheet> &sheets);

    // The line kept free at the foot of each sheet, in printer pixels.
    int lineHeight() const;
    // True when the printer feeds a print preview rather than a device or a file.
    bool isPreview() const;

private:
    // The picture the preview keeps of an image placed at target: at most PreviewDpi, and no
    // more than its share of the budget, in the smallest format that holds its colours.
    QImage previewImage(const QImage &image, QSize target, int pageCount) const;
    // Begins painting; the area of the sheet a page may take, in printer pixels.
    bool begin(QPainter &painter, QSize *available) const;

    QPrinter *m_printer;
};
