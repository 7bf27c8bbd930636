#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// The text found on one page image: its lines, each with its words, in reading order. Boxes are
// in pixels of the image, origin at the top left.
struct OcrWord
{
    QRect box;
    // 0 to 100.
    int confidence = 0;
    QString text;
};

struct OcrLine
{
    QRect box;
    QList<OcrWord> words;
};

struct OcrPageText
{
    QSize imageSize;
    int dpi = 0;
    QList<OcrLine> lines;

    int wordCount() const;

    // The words file the recognition tool writes; nothing when it is not one (a malformed
    // record, a box outside the image, no page record first).
    static std::optional<OcrPageText> parse(const QByteArray &bytes);
    static std::optional<OcrPageText> read(const QString &path);
};
