#pragma once

#include <QList>

#include "import/PdfImageInfo.h"

class QPDF;

// Lists a loaded document's image objects in the order they become pages (see
// PdfImageExtractor for the rules). Each image's page and, where its drawing or its page tells,
// its resolution are filled in; unknown resolutions stay 0. The walk is bounded: page trees
// and forms are followed to a fixed depth with a visited set, so cycles and deep nesting end;
// libqpdf's exceptions on one page or object lose only what that page or object holds.
namespace PdfImageWalker {

// Deepest nesting of page tree nodes and of forms drawn inside forms.
constexpr int MaxDepth = 32;
// Largest decoded content stream looked at, in bytes; the rest of a longer one is not read.
constexpr qsizetype MaxContentBytes = 64 * 1024 * 1024;

QList<PdfImageInfo> images(QPDF &document);

} // namespace PdfImageWalker
