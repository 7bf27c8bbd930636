#pragma once

#include <QByteArray>
#include <QList>

#include "import/PdfImageInfo.h"

namespace PoDoFo {
class PdfObject;
class PdfVecObjects;
} // namespace PoDoFo

// Reading values out of a loaded PDF's objects the way the image walker needs them: references
// followed, wrong types taken as absent. PoDoFo may throw from any of these (a broken object
// parsed on first use); the callers catch.
namespace PdfObjects {

// The object a value stands for, following references (a chain of them at most a few long);
// null for a missing object or a chain too long.
const PoDoFo::PdfObject *resolve(const PoDoFo::PdfVecObjects &objects,
                                 const PoDoFo::PdfObject *value);
// A dictionary entry, resolved; null when object is no dictionary or lacks the key.
const PoDoFo::PdfObject *entry(const PoDoFo::PdfVecObjects &objects,
                               const PoDoFo::PdfObject *object, const QByteArray &key);
// An integer or real value as a double; false for anything else.
bool number(const PoDoFo::PdfObject *value, double *result);
// A name's bytes; empty for anything else.
QByteArray name(const PoDoFo::PdfObject *value);
// The numbers of an array (non-numbers skipped); empty for anything else.
QList<double> numbers(const PoDoFo::PdfVecObjects &objects, const PoDoFo::PdfObject *value);

// An object's stream as stored (decrypted, still filtered); empty without a stream.
QByteArray rawStream(const PoDoFo::PdfObject *object);
// The filter chain of a stream object, with each filter's parameters.
QList<PdfImageInfo::Filter> filters(const PoDoFo::PdfVecObjects &objects,
                                    const PoDoFo::PdfObject *object);
// An object's stream with its general filters undone, at most limit bytes; empty when it has
// an image codec or a filter that cannot be undone.
QByteArray decodedStream(const PoDoFo::PdfVecObjects &objects, const PoDoFo::PdfObject *object,
                         qsizetype limit);

// What an image XObject's dictionary says (not where it is drawn).
PdfImageInfo imageInfo(const PoDoFo::PdfVecObjects &objects, const PoDoFo::PdfObject *image);

} // namespace PdfObjects
