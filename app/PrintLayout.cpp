#include "PrintLayout.h"

#include <cstdlib>

namespace PrintLayout {

namespace {

constexpr int FallbackDpi = 96;

int toPaper(int pixels, int dpi, int printerDpi)
{
    // 64 bits: a large image at 1200 dpi overflows an int in the product.
    return int(qint64(pixels) * printerDpi / (dpi >= 1 ? dpi : FallbackDpi));
}

} // namespace

QSize availableArea(QSize pageSize, int lineHeight)
{
    return {pageSize.width(), pageSize.height() - lineHeight};
}

QSize physicalSize(QSize pixels, int dpiX, int dpiY, int printerDpi)
{
    return {toPaper(pixels.width(), dpiX, printerDpi), toPaper(pixels.height(), dpiY, printerDpi)};
}

QRect placement(QSize pixels, int dpiX, int dpiY, int printerDpi, QSize available)
{
    if (pixels.isEmpty())
        return {};
    QSize size = physicalSize(pixels, dpiX, dpiY, printerDpi);
    // Fits only when strictly smaller both ways: an image exactly as wide as the area is
    // still scaled (to the same width).
    if (size.width() >= available.width() || size.height() >= available.height())
        size = pixels.scaled(available, Qt::KeepAspectRatio);
    int left = std::abs(available.width() - size.width()) / 2;
    if (left == 0)
        left = 1;
    const int top = std::abs(available.height() - size.height()) / 2;
    return {QPoint(left, top), size};
}

} // namespace PrintLayout
