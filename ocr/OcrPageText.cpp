#include "ocr/OcrPageText.h"

#include <QFile>

namespace {

// A box of four numbers from fields[1..4]; right and bottom exclusive.
std::optional<QRect> parseBox(const QList<QByteArray> &fields, QSize image)
{
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = fields.at(i + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const QRect box(QPoint(values[0], values[1]), QPoint(values[2] - 1, values[3] - 1));
    if (box.isEmpty() || !QRect(QPoint(0, 0), image).contains(box))
        return std::nullopt;
    return box;
}

} // namespace

int OcrPageText::wordCount() const
{
    int count = 0;
    for (const OcrLine &line : lines)
        count += int(line.words.size());
    return count;
}

std::optional<OcrPageText> OcrPageText::parse(const QByteArray &bytes)
{
    OcrPageText page;
    bool havePage = false;
    for (const QByteArray &record : bytes.split('\n')) {
        if (record.isEmpty())
            continue;
        const QList<QByteArray> fields = record.split('\t');
        const QByteArray &kind = fields.first();
        if (kind == "page" && fields.size() == 4 && !havePage) {
            bool okW = false, okH = false, okDpi = false;
            page.imageSize = QSize(fields[1].toInt(&okW), fields[2].toInt(&okH));
            page.dpi = fields[3].toInt(&okDpi);
            if (!okW || !okH || !okDpi || page.imageSize.isEmpty() || page.dpi <= 0)
                return std::nullopt;
            havePage = true;
        } else if (kind == "line" && fields.size() == 5 && havePage) {
            const std::optional<QRect> box = parseBox(fields, page.imageSize);
            if (!box)
                return std::nullopt;
            page.lines.append(OcrLine{*box, {}});
        } else if (kind == "word" && fields.size() >= 7 && havePage && !page.lines.isEmpty()) {
            const std::optional<QRect> box = parseBox(fields, page.imageSize);
            bool ok = false;
            const int confidence = fields[5].toInt(&ok);
            if (!box || !ok)
                return std::nullopt;
            // The text is the rest of the record.
            const QString text = QString::fromUtf8(fields.mid(6).join('\t')).trimmed();
            if (!text.isEmpty())
                page.lines.last().words.append(OcrWord{*box, confidence, text});
        } else {
            return std::nullopt;
        }
    }
    if (!havePage)
        return std::nullopt;
    return page;
}

std::optional<OcrPageText> OcrPageText::read(const QString &path)
{
    QFile file(path);
    // A page's words are a few kilobytes; anything far larger is not a words file.
    constexpr qint64 maxBytes = 16 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return std::nullopt;
    return parse(file.readAll());
}
