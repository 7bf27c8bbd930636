#include "PagePrinter.h"

#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <cmath>

#include "app/PrintLayout.h"

PagePrinter::PagePrinter(QPrinter *printer)
    : m_printer(printer)
{
}

int PagePrinter::lineHeight() const
{
    // One line of a plain text document's default font, measured on the printer.
    return QFontMetrics(QTextDocument().defaultFont(), m_printer).height();
}

bool PagePrinter::isPreview() const
{
    // The preview records each sheet as a picture.
    QPaintEngine *engine = m_printer->paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

QImage PagePrinter::previewImage(const QImage &image, QSize target, int pageCount) const
{
    const bool grey = image.depth() == 1 || image.isGrayscale();
    const int bytesPerPixel = grey ? 1 : 3;
    const double printerDpi = m_printer->resolution();
    const double area = double(target.width()) * target.height() / (printerDpi * printerDpi);
    const double share = double(PreviewBudgetBytes) / qMax(pageCount, 1) / bytesPerPixel;
    const double dpi = qMin<double>(PreviewDpi, area > 0 ? std::sqrt(share / area) : PreviewDpi);
    const QSize kept(qMax(1, qRound(target.width() * dpi / printerDpi)),
                     qMax(1, qRound(target.height() * dpi / printerDpi)));
    QImage small = kept.width() < image.width()
                       ? image.scaled(kept, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : image;
    return small.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
}

bool PagePrinter::begin(QPainter &painter, QSize *available) const
{
    if (!painter.begin(m_printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int dpi = m_printer->resolution();
    const QSize sheet = m_printer->pageLayout().paintRectPixels(dpi).size();
    *available = PrintLayout::availableArea(sheet, lineHeight());
    return true;
}

QList<PagePrinter::Sheet> PagePrinter::readSheets(const QStringList &files,
                                                  const Progress &progress)
{
    QList<Sheet> sheets;
    for (int i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, int(files.size())))
            return {};
        Sheet sheet;
        const QImage image(files.at(i));
        if (!image.isNull()) {
            sheet.size = image.size();
            sheet.dpiX = image.logicalDpiX();
            sheet.dpiY = image.logicalDpiY();
            // As previewImage() would keep it on a sheet of the page's own size.
            const bool grey = image.depth() == 1 || image.isGrayscale();
            const double inches = double(image.width()) * image.height() /
                                  (double(qMax(1, sheet.dpiX)) * qMax(1, sheet.dpiY));
            const double share =
                double(PreviewBudgetBytes) / qMax<qsizetype>(files.size(), 1) / (grey ? 1 : 3);
            const double dpi =
                qMin<double>(PreviewDpi, inches > 0 ? std::sqrt(share / inches) : PreviewDpi);
            const QSize kept(qMax(1, qRound(image.width() * dpi / qMax(1, sheet.dpiX))),
                             qMax(1, qRound(image.height() * dpi / qMax(1, sheet.dpiY))));
            const QImage small =
                kept.width() < image.width()
                    ? image.scaled(kept, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    : image;
            sheet.image =
                small.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        }
        sheets << sheet;
    }
    return sheets;
}

bool PagePrinter::print(const QList<Sheet> &sheets)
{
    QPainter painter;
    QSize available;
    if (!begin(painter, &available))
        return false;
    const int dpi = m_printer->resolution();
    for (int i = 0; i < sheets.size(); ++i) {
        if (i > 0)
            m_printer->newPage();
        const Sheet &sheet = sheets.at(i);
        if (sheet.image.isNull())
            continue;
        painter.drawImage(
            PrintLayout::placement(sheet.size, sheet.dpiX, sheet.dpiY, dpi, available),
            sheet.image);
    }
    return painter.end();
}

bool PagePrinter::print(const QStringList &files, const Progress &progress)
{
    const bool preview = isPreview();
    QPainter painter;
    QSize available;
    if (!begin(painter, &available))
        return false;
    const int dpi = m_printer->resolution();

    for (int i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, int(files.size()))) {
            if (!preview)
                m_printer->abort();
            painter.end();
            return false;
        }
        if (i > 0)
            m_printer->newPage();
        QImageReader reader(files.at(i));
        QImage image = reader.read();
        if (image.isNull())
            continue;
        const QRect target = PrintLayout::placement(image.size(), image.logicalDpiX(),
                                                    image.logicalDpiY(), dpi, available);
        if (preview)
            image = previewImage(image, target.size(), int(files.size()));
        painter.drawImage(target, image);
    }
    return painter.end();
}
