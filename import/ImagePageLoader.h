#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

#include "ocr/OcrRunner.h"

// Turns one picture file into pages ready for the page store, on whatever thread loads it: a JPEG
// whose bytes can be the page keeps them (copied into the loader's folder unless the file is the
// caller's own), any other picture (each frame of a TIFF) is decoded and, unless it is black and
// white, written here as a working JPEG with its thumbnail beside it. With upright on, each page
// is turned by the orientation of its text first. The store then only moves the files in.
class ImagePageLoader
{
public:
    struct Options
    {
        QString folder;       // where the prepared files go
        bool upright = false; // turn pages upright by their text
        int jpegQuality = 85; // the store's quality for working images
        QSize thumbSize;      // the store's thumbnail box
    };

    struct Page
    {
        // A prepared JPEG, the store's to move in, and its thumbnail beside it.
        QString jpeg;
        QString thumbnail;
        // A black-and-white page (or one whose files could not be written): the store writes it
        // from the picture.
        QImage image;
        bool blackAndWhite = false;
    };

    enum class Problem {
        None,
        TooLarge,   // the pixels would need more memory than images may take; size says how big
        Unreadable, // not a picture of a known format
        Damaged     // read, but the file ends early: part of the picture may be missing
    };

    struct Result
    {
        QString file; // the file as named by the caller
        QList<Page> pages;
        Problem problem = Problem::None;
        QSize size;
        // The last orientation detection, for a message when it could not run at all.
        OcrRunner::Orientation upright;
    };

    explicit ImagePageLoader(Options options);

    // owned: the file is the caller's to give away (an extracted image), so it is moved rather
    // than copied; madeThumbnail is a thumbnail made beside it, used when it fits.
    Result load(const QString &file, const QString &madeThumbnail = {}, bool owned = false);

private:
    Result read(const QString &file, const QString &madeThumbnail, bool owned);
    // The JPEG file's bytes as the page, with a thumbnail; nullopt when they cannot be placed.
    std::optional<Page> keepJpeg(const QString &file, const QString &madeThumbnail, bool owned);
    // The page written as a prepared JPEG, or kept as a picture when it cannot be.
    Page prepare(const QImage &image, bool blackAndWhite);
    QString nextBase();
    // The quarter turns that make the page upright by what the detection found (0 when none);
    // the finding is kept in result.
    static int turnsFor(const OcrRunner::Orientation &found, Result &result);

    Options m_options;
    quint32 m_tag;
    int m_serial = 0;
};
