#pragma once

#include <QSize>
#include <QSizeF>

#include "export/PdfExportSettings.h"

// Where the export dialog's preview draws a page image on the preview paper. All lengths are in
// the preview printer's pixels. The preview keeps a line of text height free at the bottom, and
// its rules differ slightly from the PDF writer's (no lowering of the width to a multiple of 4),
// because it follows the text layout it is drawn with.
struct PdfPreviewFrame
{
    // Size of the drawn image.
    QSize image;
    // Margins of the frame that holds the image.
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

namespace PdfPreviewLayout {

// Size of an image of pixels at dpi (dots per inch) in an available area, for layout mode
// 0 (by resolution: its own size when strictly smaller than the area, else as mode 2),
// 2 (scaled into the area keeping the aspect ratio) or any other (the area itself).
QSize previewSize(int mode, QSizeF available, QSize pixels, QSizeF dpi, double pixelsPerCm);

// The frame for the settings' margins, mode and centring on a page of pageSize at printerDpi,
// with lineHeight kept free below the image.
PdfPreviewFrame frame(const PdfExportSettings &settings, QSizeF pageSize, double printerDpi,
                      double lineHeight, QSize pixels, QSizeF dpi);

} // namespace PdfPreviewLayout
