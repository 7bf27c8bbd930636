#pragma once

#include <QByteArray>
#include <QList>
// libqpdf's smart pointers are the standard ones.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif
#include <qpdf/QPDFObjectHandle.hh>

#include "import/PdfImageInfo.h"

// Reading values out of a PDF's objects (libqpdf) the way the image walker needs them:
// references followed, wrong types taken as absent, a stream's entries read from its dictionary.
// libqpdf may throw from any of these (a broken object parsed on first use); the callers catch.
namespace PdfObjects {

// The key of an indirect object for sets of seen objects; 0 for a direct one.
quint64 keyOf(QPDFObjectHandle object);
// A dictionary entry; null when object is neither a dictionary nor a stream, or lacks the key.
QPDFObjectHandle entry(QPDFObjectHandle object, const QByteArray &key);
// An integer or real value as a double; false for anything else.
bool number(QPDFObjectHandle value, double *result);
// A name's bytes, without the slash; empty for anything else.
QByteArray name(QPDFObjectHandle value);
// The numbers of an array (non-numbers skipped); empty for anything else.
QList<double> numbers(QPDFObjectHandle value);

// An object's stream as stored (decrypted, still filtered); empty without a stream.
QByteArray rawStream(QPDFObjectHandle object);
// The filter chain of a stream object, with each filter's parameters.
QList<PdfImageInfo::Filter> filters(QPDFObjectHandle object);
// An object's stream with its general filters undone, at most limit bytes; empty when it has
// an image codec or a filter that cannot be undone.
QByteArray decodedStream(QPDFObjectHandle object, qsizetype limit);

// What an image XObject's dictionary says (not where it is drawn).
PdfImageInfo imageInfo(QPDFObjectHandle image);

} // namespace PdfObjects
