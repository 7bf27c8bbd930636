#include "ContentBox.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "PageBinarization.h"

namespace ContentBox {

namespace {

int mmToPixels(double mm, double dpi)
{
    return std::max(1, int(std::lround(mm * dpi / 25.4)));
}

// A solid, round component of punch-hole size lying near an image edge.
bool looksLikePunchHole(PIX *component, const PixelRect &box, int imageWidth, int imageHeight,
                        double dpi)
{
    const int minSide = mmToPixels(4.0, dpi);
    const int maxSide = mmToPixels(10.0, dpi);
    if (box.w < minSide || box.h < minSide || box.w > maxSide || box.h > maxSide)
        return false;
    const double aspect = double(box.w) / box.h;
    if (aspect < 0.75 || aspect > 1.33)
        return false;
    const int edgeBand = mmToPixels(35.0, dpi);
    const bool nearEdge = box.x < edgeBand || box.y < edgeBand ||
                          imageWidth - (box.x + box.w) < edgeBand ||
                          imageHeight - (box.y + box.h) < edgeBand;
    if (!nearEdge)
        return false;
    l_int32 black = 0;
    pixCountPixels(component, &black, nullptr);
    // A filled circle covers pi/4 of its box; letters and drawings far less.
    return black >= 0.6 * box.w * box.h;
}

// The union of the kept components of a reduced text mask; empty when none is kept.
PixelRect keptUnion(PIX *reduced, double reducedDpi)
{
    const int w = pixGetWidth(reduced);
    const int h = pixGetHeight(reduced);
    PIXA *pixaRaw = nullptr;
    BoxaPtr boxes(pixConnComp(reduced, &pixaRaw, 8));
    PixaPtr pixa(pixaRaw);
    if (!boxes || !pixa)
        return {};
    const int n = boxaGetCount(boxes.get());
    const int speckSide = mmToPixels(0.7, reducedDpi);

    // First pass: sort the components into specks, punch holes and content.
    enum Kind { Speck, Hole, Content };
    std::vector<Kind> kinds(n, Content);
    std::vector<PixelRect> rects(n);
    PixPtr contentMask(pixCreate(w, h, 1));
    if (!contentMask)
        return {};
    for (int i = 0; i < n; ++i) {
        PixelRect &r = rects[i];
        boxaGetBoxGeometry(boxes.get(), i, &r.x, &r.y, &r.w, &r.h);
        if (r.w <= speckSide && r.h <= speckSide) {
            kinds[i] = Speck;
            continue;
        }
        PixPtr component(pixaGetPix(pixa.get(), i, L_CLONE));
        if (component && looksLikePunchHole(component.get(), r, w, h, reducedDpi)) {
            kinds[i] = Hole;
            continue;
        }
        pixRasterop(contentMask.get(), r.x, r.y, r.w, r.h, PIX_SRC | PIX_DST, component.get(), 0,
                    0);
    }

    // A speck counts when it lies within 3 mm of content (a full stop, the dot of an i); a
    // speck out on its own is dust.
    const int reach = 2 * mmToPixels(3.0, reducedDpi) + 1;
    PixPtr near(pixDilateBrick(nullptr, contentMask.get(), reach, reach));
    int left = w, top = h, right = -1, bottom = -1;
    for (int i = 0; i < n; ++i) {
        const PixelRect &r = rects[i];
        if (kinds[i] == Hole)
            continue;
        if (kinds[i] == Speck) {
            l_uint32 v = 0;
            if (!near || pixGetPixel(near.get(), r.x + r.w / 2, r.y + r.h / 2, &v) != 0 || !v)
                continue;
        }
        left = std::min(left, r.x);
        top = std::min(top, r.y);
        right = std::max(right, r.x + r.w);
        bottom = std::max(bottom, r.y + r.h);
    }
    if (right < 0)
        return {};
    return {left, top, right - left, bottom - top};
}

// The content box of a whole page; the body of both find() functions. `unscanned` is null or
// a mask of the page's size.
PixelRect contentOf(PIX *page, int dpi, PIX *unscanned)
{
    PixPtr binary = PageBinarization::binarize(page, dpi);
    if (!binary)
        return {};
    // What was never scanned joins the image's border, and with it whatever touches it: the
    // band that levelling makes of dim paper beside the white a turn brought in.
    if (unscanned && !pixOr(binary.get(), binary.get(), unscanned))
        return {};
    const int w = pixGetWidth(binary.get());
    const int h = pixGetHeight(binary.get());

    // The components are judged on a copy of about 75 dpi, where letters merge into words and a
    // page has a few thousand of them. Rank 1 keeps any black pixel, so a thin stroke survives
    // and a 4-pixel gap between text and a border strip stays open at 300 dpi.
    int factor = 1;
    PixPtr reduced(pixCopy(nullptr, binary.get()));
    while (reduced && dpi / (factor * 2) >= 60 && pixGetWidth(reduced.get()) >= 64) {
        reduced.reset(pixReduceRankBinary2(reduced.get(), 1, nullptr));
        factor *= 2;
    }
    if (!reduced)
        return {};
    reduced.reset(pixRemoveBorderConnComps(reduced.get(), 8));
    if (!reduced)
        return {};
    const PixelRect coarse = keptUnion(reduced.get(), double(dpi) / factor);
    if (coarse.isEmpty())
        return {};

    // Refined on the full-resolution mask: the coarse box, widened by one reduced pixel, holds
    // exactly the kept content and nothing else worth its place.
    const int x0 = std::max(0, (coarse.x - 1) * factor);
    const int y0 = std::max(0, (coarse.y - 1) * factor);
    const int x1 = std::min(w, (coarse.x + coarse.w + 1) * factor);
    const int y1 = std::min(h, (coarse.y + coarse.h + 1) * factor);
    BoxPtr around(boxCreate(x0, y0, x1 - x0, y1 - y0));
    PixPtr clip(pixClipRectangle(binary.get(), around.get(), nullptr));
    if (!clip)
        return {};
    BOX *innerRaw = nullptr;
    if (pixClipToForeground(clip.get(), nullptr, &innerRaw) != 0 || !innerRaw)
        return {};
    BoxPtr inner(innerRaw);
    PixelRect result;
    boxGetGeometry(inner.get(), &result.x, &result.y, &result.w, &result.h);
    result.x += x0;
    result.y += y0;
    return result;
}

} // namespace

PixelRect find(PIX *page, int dpi)
{
    if (!page || dpi <= 0)
        return {};
    return contentOf(page, dpi, nullptr);
}

PixelRect find(PIX *page, int dpi, const PixelRect &paper, PIX *unscanned)
{
    if (!page || dpi <= 0)
        return {};
    const PixelRect whole{0, 0, int(pixGetWidth(page)), int(pixGetHeight(page))};
    if (unscanned && (pixGetDepth(unscanned) != 1 || pixGetWidth(unscanned) != pixGetWidth(page) ||
                      pixGetHeight(unscanned) != pixGetHeight(page)))
        return {};
    if (paper.isEmpty() || paper == whole)
        return contentOf(page, dpi, unscanned);
    // Only the sheet is levelled and thresholded: the bed's dark expanse would otherwise count
    // as shaded paper, and the band of it along the sheet as ink.
    BoxPtr box(boxCreate(paper.x, paper.y, paper.w, paper.h));
    BOX *clippedRaw = nullptr;
    PixPtr sheet(pixClipRectangle(page, box.get(), &clippedRaw));
    BoxPtr clipped(clippedRaw);
    if (!sheet || !clipped)
        return {};
    PixPtr sheetUnscanned;
    if (unscanned) {
        sheetUnscanned.reset(pixClipRectangle(unscanned, clipped.get(), nullptr));
        if (!sheetUnscanned)
            return {};
    }
    l_int32 offsetX = 0, offsetY = 0;
    boxGetGeometry(clipped.get(), &offsetX, &offsetY, nullptr, nullptr);
    PixelRect content = contentOf(sheet.get(), dpi, sheetUnscanned.get());
    if (!content.isEmpty()) {
        content.x += offsetX;
        content.y += offsetY;
    }
    return content;
}

} // namespace ContentBox
