#include "PagePrinter.h"

#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

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

bool PagePrinter::print(const QStringList &files, const Progress &progress)
{
    const bool preview = isPreview();
    QPainter painter;
    if (!painter.begin(m_printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int dpi = m_printer->resolution();
    const QSize sheet = m_printer->pageLayout().paintRectPixels(dpi).size();
    const QSize available = PrintLayout::availableArea(sheet, lineHeight());

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
        if (preview) {
            const QSize kept = target.size() * PreviewDpi / dpi;
            if (kept.width() < image.width())
                image = image.scaled(kept, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        painter.drawImage(target, image);
    }
    return painter.end();
}
