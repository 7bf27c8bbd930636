#include "export/PdfPreviewLayout.h"

#include <cmath>

namespace PdfPreviewLayout {

QSize previewSize(int mode, QSizeF available, QSize pixels, QSizeF dpi, double pixelsPerCm)
{
    const QSize whole(int(std::trunc(available.width())), int(std::trunc(available.height())));
    if (mode == 0 && dpi.width() > 0 && dpi.height() > 0) {
        const QSizeF natural(pixels.width() / dpi.width() * 2.54 * pixelsPerCm,
                             pixels.height() / dpi.height() * 2.54 * pixelsPerCm);
        if (available.width() > natural.width() && available.height() > natural.height())
            return QSize(int(natural.width()), int(natural.height()));
        mode = 2;
    }
    if (mode == 2) {
        if (pixels.isEmpty())
            return whole;
        return pixels.scaled(whole, Qt::KeepAspectRatio);
    }
    return whole;
}

PdfPreviewFrame frame(const PdfExportSettings &settings, QSizeF pageSize, double printerDpi,
                      double lineHeight, QSize pixels, QSizeF dpi)
{
    const double pixelsPerCm = printerDpi / 2.54;
    PdfPreviewFrame f;
    // Truncated, not rounded, like the page size in printer pixels.
    f.left = int(std::trunc(pixelsPerCm * settings.left));
    f.right = int(std::trunc(pixelsPerCm * settings.right));
    f.top = int(std::trunc(pixelsPerCm * settings.top));
    f.bottom = int(std::trunc(pixelsPerCm * settings.bottom));

    const QSizeF available(pageSize.width() - f.left - f.right,
                           pageSize.height() - f.top - f.bottom - lineHeight);
    f.image = previewSize(settings.scale, available, pixels, dpi, pixelsPerCm);

    if (settings.byCenter) {
        f.left = int(std::trunc(f.left + std::abs(available.width() - f.image.width()) * 0.5));
        // A left margin of 0 would let the text layout start the image on the frame's edge.
        if (f.left == 0)
            f.left = 1;
        f.top = int(std::trunc(f.top + std::abs(available.height() - f.image.height()) * 0.5));
    }
    return f;
}

} // namespace PdfPreviewLayout
