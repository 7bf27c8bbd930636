#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

// The picture changes of the page commands, free of widgets so they can be tested on pixels.
// Angles are in whole degrees; a positive angle turns clockwise on screen (y grows downwards).
namespace PageOperations {

// The image turned by the angle, keeping its dots per metre. Quarter turns and 180 keep the
// pixel format. Any other angle gives the bounding box of the turned picture with white corners;
// a 1-bit image stays 1-bit, any other is not converted back to its format.
QImage turned(const QImage &image, int degrees);

// Writes a working image by the save rule: a 1-bit image as TIFF, any other as JPEG at the
// given quality. The file is replaced only when the new one is complete.
[[nodiscard]] bool save(const QImage &image, const QString &path, int quality);

// The crop rectangle in image pixels for a crop box whose corners are given in scene
// coordinates, with the picture centred on the scene origin at the given scale: each corner
// maps to (scene / scale + size / 2); left, top, width and height are rounded to the nearest
// integer.
QRect cropRect(const QPointF &sceneTopLeft, const QPointF &sceneBottomRight, qreal scale,
               const QSize &imageSize);

// The crop box for a newly shown image, in picture coordinates (origin at the image centre,
// one unit per pixel): the saved rectangle when there is one, else the centred half; made to
// fit the image: a box wider than the image becomes as wide and is centred, one sticking out
// left or right is moved inside; a box taller than the image becomes as tall and starts at its
// top edge (its vertical position is otherwise kept).
QRectF initialCropBox(const QRectF &saved, const QSize &imageSize);

} // namespace PageOperations
