#include "export/PaperSizes.h"

#include <array>

namespace PaperSizes {
namespace {

// Within this file only: a using-directive at file scope would reach every source that a unity
// build compiles after it.
using namespace PoDoFo;

constexpr int a4Code = 0;

const std::array<Paper, 13> &table()
{
    static const std::array<Paper, 13> papers{{
        {0, QPageSize::A4, QSizeF(595, 842), ePdfPageSize_A4},
        {1, QPageSize::B5, QSizeF(499, 709), std::nullopt},
        {2, QPageSize::Letter, QSizeF(612, 792), ePdfPageSize_Letter},
        {3, QPageSize::Legal, QSizeF(612, 1008), ePdfPageSize_Legal},
        {4, QPageSize::Executive, QSizeF(540, 720), std::nullopt},
        {5, QPageSize::A0, QSizeF(2384, 3370), ePdfPageSize_A0},
        {6, QPageSize::A1, QSizeF(1684, 2384), ePdfPageSize_A1},
        {7, QPageSize::A2, QSizeF(1191, 1684), ePdfPageSize_A2},
        {8, QPageSize::A3, QSizeF(842, 1190), ePdfPageSize_A3},
        {9, QPageSize::A5, QSizeF(420, 595), ePdfPageSize_A5},
        {10, QPageSize::A6, QSizeF(297, 420), ePdfPageSize_A6},
        // Ledger is Tabloid turned on its side.
        {28, QPageSize::Ledger, QSizeF(1224, 792), std::nullopt},
        {29, QPageSize::Tabloid, QSizeF(792, 1224), ePdfPageSize_Tabloid},
    }};
    return papers;
}

} // namespace

const Paper *find(int code)
{
    for (const Paper &paper : table()) {
        if (paper.code == code)
            return &paper;
    }
    return nullptr;
}

QList<int> codes()
{
    QList<int> result;
    for (const Paper &paper : table())
        result.append(paper.code);
    return result;
}

PoDoFo::EPdfPageSize pdfPageSize(int code)
{
    const Paper *paper = find(code);
    if (paper && paper->pdfPageSize)
        return *paper->pdfPageSize;
    return ePdfPageSize_A4;
}

QSizeF pdfPagePoints(int code, int orientation)
{
    const Paper *paper = find(code);
    if (!paper || !paper->pdfPageSize)
        paper = find(a4Code);
    const QSizeF size = paper->points;
    return orientation == 1 ? size.transposed() : size;
}

} // namespace PaperSizes
