#pragma once

#include <QList>
#include <QPageSize>
#include <QSizeF>

#include <optional>
#include <podofo/base/PdfDefines.h>

// The one table from stored paper codes to paper sizes. The codes are the numbers kept in the
// settings and used as combo-box data; they are neither Qt 6's QPageSize::PageSizeId nor PoDoFo's
// EPdfPageSize, so a stored number is only ever looked up here, never cast.
namespace PaperSizes {

struct Paper
{
    int code;
    QPageSize::PageSizeId pageSizeId;
    // Portrait size in whole PDF points (1/72 inch), as PoDoFo's own table has it where it has
    // the paper.
    QSizeF points;
    // Empty where PoDoFo has no standard size for this paper.
    std::optional<PoDoFo::EPdfPageSize> pdfPageSize;
};

// Null for a code that is not in the table.
const Paper *find(int code);

// Every known code, in the table's order.
QList<int> codes();

// The PoDoFo page size that a PDF page gets for a stored code: A4 for every code PoDoFo has no
// size for, unknown and negative codes included.
PoDoFo::EPdfPageSize pdfPageSize(int code);

// Size in points of a PDF page for a stored code and orientation (1 is landscape, which swaps
// width and height; any other value is portrait). Same fallback to A4 as pdfPageSize().
QSizeF pdfPagePoints(int code, int orientation);

} // namespace PaperSizes
