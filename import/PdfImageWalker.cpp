#include "import/PdfImageWalker.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <exception>
#include <podofo/podofo.h>
#include <vector>

#include "core/LogCategories.h"
#include "import/PdfContentScanner.h"
#include "import/PdfObjects.h"

using PoDoFo::PdfObject;
using PoDoFo::PdfVecObjects;

namespace PdfImageWalker {

namespace {

// Resolutions outside this range come from a degenerate drawing, not from a scan.
constexpr double minDpi = 10;
constexpr double maxDpi = 10000;
// Largest difference of aspect ratios for an image to count as filling its page.
constexpr double fillTolerance = 0.02;

quint64 keyOf(const PoDoFo::PdfReference &reference)
{
    return quint64(reference.ObjectNumber()) << 16 | reference.GenerationNumber();
}

// Pixels over inches, rounded to whole dots per inch (what scanners use); 0 when absurd.
double resolution(qint64 pixels, double points)
{
    if (pixels <= 0 || !std::isfinite(points) || points < 1e-6)
        return 0;
    const double dpi = std::round(double(pixels) * 72.0 / points);
    return dpi >= minDpi && dpi <= maxDpi ? dpi : 0;
}

class Walker
{
public:
    explicit Walker(PoDoFo::PdfMemDocument &document)
        : m_document(document)
        , m_objects(document.GetObjects())
    {
    }

    QList<PdfImageInfo> run()
    {
        const std::vector<const PdfObject *> all = imageObjects();
        guarded([&] {
            const PdfObject *catalog = m_document.GetCatalog();
            walkNode(PdfObjects::entry(m_objects, catalog, "Pages"), nullptr, nullptr, 0);
        });
        for (const PdfObject *image : all) {
            if (!m_masks.contains(keyOf(image->Reference())))
                guarded([&] { add(image, -1, 0, 0); });
        }
        return m_images;
    }

private:
    template <typename Work> void guarded(Work work)
    {
        try {
            work();
        } catch (const PoDoFo::PdfError &e) {
            qCDebug(lcImport) << "PDF object skipped, PoDoFo error" << int(e.GetError());
        } catch (const std::exception &e) {
            qCDebug(lcImport) << "PDF object skipped:" << e.what();
        }
    }

    static bool isImage(const PdfVecObjects &objects, const PdfObject *object)
    {
        return object && object->IsDictionary() &&
               PdfObjects::name(PdfObjects::entry(objects, object, "Subtype")) == "Image" &&
               object->HasStream();
    }

    // Every image XObject in object order, and every object some image uses as its mask.
    std::vector<const PdfObject *> imageObjects()
    {
        std::vector<const PdfObject *> images;
        for (PdfObject *object : m_objects) {
            guarded([&] {
                if (!isImage(m_objects, object))
                    return;
                images.push_back(object);
                for (const char *key : {"SMask", "Mask"}) {
                    const PdfObject *mask = object->GetDictionary().GetKey(PoDoFo::PdfName(key));
                    if (mask && mask->IsReference())
                        m_masks.insert(keyOf(mask->GetReference()));
                }
            });
        }
        std::sort(images.begin(), images.end(), [](const PdfObject *a, const PdfObject *b) {
            return a->Reference() < b->Reference();
        });
        return images;
    }

    void walkNode(const PdfObject *node, const PdfObject *resources, const PdfObject *mediaBox,
                  int depth)
    {
        if (!node || !node->IsDictionary() || depth > MaxDepth)
            return;
        if (node->Reference().IsIndirect()) {
            if (m_visitedNodes.contains(keyOf(node->Reference())))
                return;
            m_visitedNodes.insert(keyOf(node->Reference()));
        }
        // Resources and MediaBox are inherited down the page tree.
        if (const PdfObject *own = PdfObjects::entry(m_objects, node, "Resources"))
            resources = own;
        if (const PdfObject *own = PdfObjects::entry(m_objects, node, "MediaBox"))
            mediaBox = own;
        const PdfObject *kids = PdfObjects::entry(m_objects, node, "Kids");
        const bool isPage = PdfObjects::name(PdfObjects::entry(m_objects, node, "Type")) == "Page";
        if (!isPage && kids && kids->IsArray()) {
            for (const PdfObject &kid : kids->GetArray())
                guarded([&] {
                    walkNode(PdfObjects::resolve(m_objects, &kid), resources, mediaBox, depth + 1);
                });
            return;
        }
        const int page = m_pages++;
        guarded([&] { walkPage(node, resources, mediaBox, page); });
    }

    void walkPage(const PdfObject *page, const PdfObject *resources, const PdfObject *mediaBox,
                  int pageIndex)
    {
        QByteArray content;
        const PdfObject *contents = PdfObjects::entry(m_objects, page, "Contents");
        if (contents && contents->IsArray()) {
            for (const PdfObject &part : contents->GetArray()) {
                guarded([&] {
                    content +=
                        PdfObjects::decodedStream(m_objects, PdfObjects::resolve(m_objects, &part),
                                                  MaxContentBytes - content.size());
                    content += '\n';
                });
            }
        } else if (contents) {
            content = PdfObjects::decodedStream(m_objects, contents, MaxContentBytes);
        }
        const QList<double> box = PdfObjects::numbers(m_objects, mediaBox);
        if (box.size() == 4)
            m_pageSize = QSizeF(std::abs(box.at(2) - box.at(0)), std::abs(box.at(3) - box.at(1)));
        else
            m_pageSize = QSizeF();
        useDraws(PdfContentScanner::draws(content), resources, pageIndex, 0);
        listResources(resources, pageIndex, 0);
    }

    // The images and forms a content stream draws, in drawing order.
    void useDraws(const QList<PdfContentScanner::Draw> &draws, const PdfObject *resources, int page,
                  int depth)
    {
        const PdfObject *xobjects = PdfObjects::entry(m_objects, resources, "XObject");
        for (const PdfContentScanner::Draw &draw : draws) {
            guarded([&] {
                const PdfObject *object = PdfObjects::entry(m_objects, xobjects, draw.name);
                if (!object || !object->IsDictionary())
                    return;
                const QByteArray subtype =
                    PdfObjects::name(PdfObjects::entry(m_objects, object, "Subtype"));
                if (subtype == "Image" && object->HasStream()) {
                    const QTransform &m = draw.matrix;
                    add(object, page, std::hypot(m.m11(), m.m12()), std::hypot(m.m21(), m.m22()));
                } else if (subtype == "Form") {
                    walkForm(object, draw.matrix, resources, page, depth);
                }
            });
        }
    }

    void walkForm(const PdfObject *form, const QTransform &at, const PdfObject *callerResources,
                  int page, int depth)
    {
        if (depth >= MaxDepth || !form->HasStream() ||
            m_visitedForms.contains(keyOf(form->Reference())))
            return;
        m_visitedForms.insert(keyOf(form->Reference()));
        QTransform matrix;
        const QList<double> m =
            PdfObjects::numbers(m_objects, PdfObjects::entry(m_objects, form, "Matrix"));
        if (m.size() == 6)
            matrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
        const PdfObject *resources = PdfObjects::entry(m_objects, form, "Resources");
        if (!resources)
            resources = callerResources;
        const QByteArray content = PdfObjects::decodedStream(m_objects, form, MaxContentBytes);
        useDraws(PdfContentScanner::draws(content, matrix * at), resources, page, depth + 1);
        listResources(resources, page, depth + 1);
    }

    // Images a resource dictionary lists without drawing them (or where the content could
    // not be read), and those of the forms it lists.
    void listResources(const PdfObject *resources, int page, int depth)
    {
        const PdfObject *xobjects = PdfObjects::entry(m_objects, resources, "XObject");
        if (!xobjects || !xobjects->IsDictionary())
            return;
        for (const auto &item : xobjects->GetDictionary().GetKeys()) {
            guarded([&] {
                const PdfObject *object = PdfObjects::resolve(m_objects, item.second);
                if (!object || !object->IsDictionary())
                    return;
                const QByteArray subtype =
                    PdfObjects::name(PdfObjects::entry(m_objects, object, "Subtype"));
                if (subtype == "Image" && object->HasStream() &&
                    !m_masks.contains(keyOf(object->Reference())))
                    addFillingPage(object, page);
                else if (subtype == "Form")
                    walkForm(object, QTransform(), resources, page, depth);
            });
        }
    }

    // An image not seen drawn: its resolution is known only when it has its page's shape.
    void addFillingPage(const PdfObject *image, int page)
    {
        if (m_added.contains(keyOf(image->Reference())))
            return;
        double width = 0;
        double height = 0;
        if (m_pageSize.isValid() && m_pageSize.width() > 0 && m_pageSize.height() > 0 &&
            PdfObjects::number(PdfObjects::entry(m_objects, image, "Width"), &width) &&
            PdfObjects::number(PdfObjects::entry(m_objects, image, "Height"), &height) &&
            width > 0 && height > 0) {
            const double pageAspect = m_pageSize.width() / m_pageSize.height();
            if (std::abs(width / height - pageAspect) <= fillTolerance * pageAspect) {
                add(image, page, m_pageSize.width(), m_pageSize.height());
                return;
            }
        }
        add(image, page, 0, 0);
    }

    // drawnWidth and drawnHeight in points, 0 when not known.
    void add(const PdfObject *image, int page, double drawnWidth, double drawnHeight)
    {
        const quint64 key = keyOf(image->Reference());
        if (m_added.contains(key))
            return;
        PdfImageInfo info = PdfObjects::imageInfo(m_objects, image);
        info.page = page;
        info.dpiX = resolution(info.width, drawnWidth);
        info.dpiY = resolution(info.height, drawnHeight);
        m_added.insert(key);
        m_images.append(std::move(info));
    }

    PoDoFo::PdfMemDocument &m_document;
    PdfVecObjects &m_objects;
    QList<PdfImageInfo> m_images;
    QSet<quint64> m_added;
    QSet<quint64> m_masks;
    QSet<quint64> m_visitedNodes;
    QSet<quint64> m_visitedForms;
    QSizeF m_pageSize;
    int m_pages = 0;
};

} // namespace

QList<PdfImageInfo> images(PoDoFo::PdfMemDocument &document)
{
    return Walker(document).run();
}

} // namespace PdfImageWalker
