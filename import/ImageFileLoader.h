#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Reads an image file the user loaded as a page: JPEG, PNG, BMP or TIFF, turned upright by its
// orientation tag, a transparent picture laid on white paper. A page is stored in black and
// white (1-bit TIFF) only when it came from a TIFF file with fewer than 8 bits per pixel; every
// other file becomes a JPEG page.
class ImageFileLoader
{
public:
    struct Page
    {
        QImage image; // null when the file could not be read
        bool blackAndWhite = false;
        // The file is an image whose pixels would need more memory than images may take
        // (QImageReader's allocation limit); size() holds its dimensions.
        bool tooLarge = false;
        QSize size;
        // The picture was read, but the file ends early (a JPEG without its end marker, a PNG
        // without its end chunk): part of it may be missing.
        bool damaged = false;
    };

    static Page read(const QString &path);
    // Every picture of the file, in order: the pages of a multi-page TIFF, one for the others.
    // A file that reads as nothing gives one page with a null image (and tooLarge when so).
    static QList<Page> readAll(const QString &path);
    // True for a JPEG file whose bytes can be the page as they are: one or three components, a
    // readable header, no turn asked by its orientation tag, and its end marker in place.
    static bool isStorableJpeg(const QString &path);
    // The black-and-white rule on its own: the file's suffix ("tif" or "tiff", in lower case)
    // and the depth of the decoded image.
    static bool isBlackAndWhite(const QString &suffix, int depth);
    // True when a JPEG or PNG file lacks the marker its format ends with.
    static bool endsEarly(const QString &path, const QByteArray &format);
};
