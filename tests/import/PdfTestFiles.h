#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// PDF files built byte by byte for the extraction tests, and the data that goes into them.
namespace PdfTestFiles {

// A PDF under construction: objects 1 (catalog) and 2 (page tree) are written by pdf(); the
// others are numbered from 3 in the order they are added.
class Builder
{
public:
    // Any object ("<< /A 1 >>", "[1 2]"); returns its number.
    int add(const QByteArray &body);
    // A stream object; /Length is added unless lengthOverride is not empty (then it is used
    // as the /Length value as it stands, for lying lengths).
    int addStream(const QByteArray &dictionaryEntries, const QByteArray &data,
                  const QByteArray &lengthOverride = {});
    // An image XObject: /Type /XObject /Subtype /Image plus the given entries.
    int addImage(const QByteArray &entries, const QByteArray &data);
    // A page of the given size in points drawing content, with "/Im<n> <n> 0 R" for each of
    // the image (or form) objects in xobjects, named Im followed by the object number.
    int addPage(const QByteArray &content, const QList<int> &xobjects, double width = 612,
                double height = 792);
    // The file, with a correct cross-reference table.
    QByteArray pdf() const;

private:
    QList<QByteArray> m_bodies; // object 3 on
    QList<int> m_pages;
};

// "q W 0 0 H 0 0 cm /Im<n> Do Q": the image drawn over a W x H point box.
QByteArray drawing(int object, double width, double height);
// zlib data, as FlateDecode takes it.
QByteArray flate(const QByteArray &bytes);
// The image as a JPEG file's bytes (quality 90).
QByteArray jpegOf(const QImage &image);
// The rows of a picture as PDF samples: 1-bit (0 black), 8-bit grey or 8-bit RGB.
QByteArray samples(const QImage &image);
// A seeded test picture: w x h, black-and-white (Mono, index 0 white, 1 black), grey or RGB.
QImage pattern(int width, int height, QImage::Format format, int seed);

// The coded strip of a one-strip TIFF file (little-endian, as libtiff writes here).
QByteArray tiffStrip(const QByteArray &tiff);
// The picture coded as CCITT fax data by tiffcp with the given compression ("g4",
// "g3:1d", "g3:2d", "g3:2d:fill"), black as the coded black. Empty on failure.
QByteArray faxData(const QImage &mono, const QString &compression, const QString &folder);

// Runs a program to its end; its exit code, or -1 when it did not start or crashed. Standard
// error is returned through errorOutput when given.
int run(const QString &program, const QStringList &arguments, QByteArray *errorOutput = nullptr);

} // namespace PdfTestFiles
