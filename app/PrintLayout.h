#pragma once

#include <QRect>
#include <QSize>

// Where a page image goes on a printed sheet: at its own physical size when that fits, else
// shrunk to fit keeping its shape, and centred. One line height is kept free at the foot of
// the sheet. All in printer pixels; widget-free.
namespace PrintLayout {

// The area an image may take on a sheet of pageSize: the sheet less one line at the foot.
QSize availableArea(QSize pageSize, int lineHeight);

// The image's size on paper: its pixels at its own dots per inch, in printer pixels. A
// resolution below 1 counts as 96 dpi (a file that stores none, or nonsense).
QSize physicalSize(QSize pixels, int dpiX, int dpiY, int printerDpi);

// The rectangle of the image within the sheet. It is shrunk unless it is strictly smaller than
// the available area both ways; the left margin is at least 1. A null image gets an empty
// rectangle.
QRect placement(QSize pixels, int dpiX, int dpiY, int printerDpi, QSize available);

} // namespace PrintLayout
