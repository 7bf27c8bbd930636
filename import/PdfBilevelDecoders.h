#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include "import/PdfImageInfo.h"

// The two black-and-white codecs of PDF files, decoded by external programs: CCITT fax data by
// fax2tiff and JBIG2 data by jbig2dec (found with ToolLocator, run with ProcessRunner, which
// spins a local event loop). Their files live in a folder of their own inside the program's
// temporary folder, removed afterwards. Both give a Format_Mono picture whose index 0 is black,
// with the coded black (a black run, a JBIG2 1 bit) as black: the caller applies /BlackIs1 and
// /Decode. A null picture means failure, with the reason in error.
namespace PdfBilevelDecoders {

// How long one decoder may run, in milliseconds.
constexpr int TimeoutMs = 60 * 1000;

// fax2tiff's arguments for data coded with the given parameters, read from input and written
// as a TIFF to output. K < 0 is Group 4, K = 0 Group 3 one-dimensional, K > 0 Group 3 with
// two-dimensional lines; PDF puts the first bit in the high bit of each byte. Empty when
// fax2tiff cannot read such data (Group 4 with byte-aligned lines, more than 10000 columns).
QStringList fax2tiffArguments(const PdfImageInfo::Filter &params, const QString &input,
                              const QString &output);
QImage ccitt(const QByteArray &data, const PdfImageInfo::Filter &params, QString *error);

// jbig2dec's arguments for an embedded page stream, with its global segments when there are
// any (globals empty: none), written as a PBM file to output; memoryLimit in bytes.
QStringList jbig2decArguments(const QString &globals, const QString &page, const QString &output,
                              qint64 memoryLimit);
QImage jbig2(const QByteArray &data, const QByteArray &globals, qint64 memoryLimit, QString *error);

// A 1-bit picture as Format_Mono with index 0 black and 1 white, whatever its colour table
// was; null when the picture is not black and white.
QImage canonicalMono(const QImage &image);

} // namespace PdfBilevelDecoders
