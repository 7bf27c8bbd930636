#include "import/PdfImageWalker.h"

#include <QHash>
#include <QSet>
// libqpdf's smart pointers are the standard ones.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif
#include <qpdf/QPDF.hh>

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "core/LogCategories.h"
#include "import/PdfContentScanner.h"
#include "import/PdfObjects.h"

using PdfObjects::keyOf;

namespace PdfImageWalker {

namespace {

// Resolutions outside this range come from a degenerate drawing, not from a scan.
constexpr double minDpi = 10;
constexpr double maxDpi = 10000;
// Largest difference of aspect ratios for an image to count as filling its page.
constexpr double fillTolerance = 0.02;

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
    explicit Walker(QPDF &document)
        : m_document(document)
    {
    }

    QList<PdfImageInfo> run()
    {
        const std::vector<QPDFObjectHandle> all = imageObjects();
        guarded([&] {
            walkNode(PdfObjects::entry(m_document.getRoot(), "Pages"), QPDFObjectHandle::newNull(),
                     QPDFObjectHandle::newNull(), 0);
        });
        for (const QPDFObjectHandle &image : all) {
            if (!m_masks.contains(keyOf(image)))
                guarded([&] { add(image, -1, 0, 0); });
        }
        return m_images;
    }

private:
    template <typename Work> void guarded(Work work)
    {
        try {
            work();
        } catch (const std::exception &e) {
            qCDebug(lcImport) << "PDF object skipped:" << e.what();
        }
    }

    static bool isImage(QPDFObjectHandle object)
    {
        return object.isStream() &&
               PdfObjects::name(PdfObjects::entry(object, "Subtype")) == "Image";
    }

    // Every image XObject in object order, and every object some image uses as its mask.
    std::vector<QPDFObjectHandle> imageObjects()
    {
        std::vector<QPDFObjectHandle> images;
        guarded([&] {
            for (QPDFObjectHandle &object : m_document.getAllObjects()) {
                guarded([&] {
                    if (!isImage(object))
                        return;
                    images.push_back(object);
                    for (const char *key : {"SMask", "Mask"}) {
                        QPDFObjectHandle mask = object.getDict().getKey(std::string("/") + key);
                        if (mask.isIndirect())
                            m_masks.insert(keyOf(mask));
                    }
                });
            }
        });
        std::sort(images.begin(), images.end(),
                  [](const QPDFObjectHandle &a, const QPDFObjectHandle &b) {
                      return a.getObjGen() < b.getObjGen();
                  });
        return images;
    }

    void walkNode(QPDFObjectHandle node, QPDFObjectHandle resources, QPDFObjectHandle mediaBox,
                  int depth)
    {
        if (!node.isDictionary() || depth > MaxDepth)
            return;
        if (node.isIndirect()) {
            if (m_visitedNodes.contains(keyOf(node)))
                return;
            m_visitedNodes.insert(keyOf(node));
        }
        // Resources and MediaBox are inherited down the page tree.
        if (QPDFObjectHandle own = PdfObjects::entry(node, "Resources"); !own.isNull())
            resources = own;
        if (QPDFObjectHandle own = PdfObjects::entry(node, "MediaBox"); !own.isNull())
            mediaBox = own;
        QPDFObjectHandle kids = PdfObjects::entry(node, "Kids");
        const bool isPage = PdfObjects::name(PdfObjects::entry(node, "Type")) == "Page";
        if (!isPage && kids.isArray()) {
            const int count = kids.getArrayNItems();
            for (int i = 0; i < count; ++i)
                guarded([&] { walkNode(kids.getArrayItem(i), resources, mediaBox, depth + 1); });
            return;
        }
        const int page = m_pages++;
        guarded([&] { walkPage(node, resources, mediaBox, page); });
    }

    void walkPage(QPDFObjectHandle page, QPDFObjectHandle resources, QPDFObjectHandle mediaBox,
                  int pageIndex)
    {
        QByteArray content;
        QPDFObjectHandle contents = PdfObjects::entry(page, "Contents");
        if (contents.isArray()) {
            const int count = contents.getArrayNItems();
            for (int i = 0; i < count; ++i) {
                guarded([&] {
                    content += PdfObjects::decodedStream(contents.getArrayItem(i),
                                                         MaxContentBytes - content.size());
                    content += '\n';
                });
            }
        } else if (!contents.isNull()) {
            content = PdfObjects::decodedStream(contents, MaxContentBytes);
        }
        const QList<double> box = PdfObjects::numbers(mediaBox);
        if (box.size() == 4)
            m_pageSize = QSizeF(std::abs(box.at(2) - box.at(0)), std::abs(box.at(3) - box.at(1)));
        else
            m_pageSize = QSizeF();
        useDraws(PdfContentScanner::draws(content), resources, pageIndex, 0);
        listResources(resources, pageIndex, 0);
    }

    // The images and forms a content stream draws, in drawing order.
    void useDraws(const QList<PdfContentScanner::Draw> &draws, QPDFObjectHandle resources, int page,
                  int depth)
    {
        QPDFObjectHandle xobjects = PdfObjects::entry(resources, "XObject");
        for (const PdfContentScanner::Draw &draw : draws) {
            guarded([&] {
                QPDFObjectHandle object = PdfObjects::entry(xobjects, draw.name);
                if (!object.isStream())
                    return;
                const QByteArray subtype = PdfObjects::name(PdfObjects::entry(object, "Subtype"));
                if (subtype == "Image") {
                    const QTransform &m = draw.matrix;
                    add(object, page, std::hypot(m.m11(), m.m12()), std::hypot(m.m21(), m.m22()));
                } else if (subtype == "Form") {
                    walkForm(object, draw.matrix, resources, page, depth);
                }
            });
        }
    }

    void walkForm(QPDFObjectHandle form, const QTransform &at, QPDFObjectHandle callerResources,
                  int page, int depth)
    {
        if (depth >= MaxDepth || !form.isStream() || m_visitedForms.contains(keyOf(form)))
            return;
        m_visitedForms.insert(keyOf(form));
        QTransform matrix;
        const QList<double> m = PdfObjects::numbers(PdfObjects::entry(form, "Matrix"));
        if (m.size() == 6)
            matrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
        QPDFObjectHandle resources = PdfObjects::entry(form, "Resources");
        if (resources.isNull())
            resources = callerResources;
        const QByteArray content = PdfObjects::decodedStream(form, MaxContentBytes);
        useDraws(PdfContentScanner::draws(content, matrix * at), resources, page, depth + 1);
        listResources(resources, page, depth + 1);
    }

    // Images a resource dictionary lists without drawing them (or where the content could
    // not be read), and those of the forms it lists.
    void listResources(QPDFObjectHandle resources, int page, int depth)
    {
        QPDFObjectHandle xobjects = PdfObjects::entry(resources, "XObject");
        if (!xobjects.isDictionary())
            return;
        for (const std::string &key : xobjects.getKeys()) {
            guarded([&] {
                QPDFObjectHandle object = xobjects.getKey(key);
                if (!object.isStream())
                    return;
                const QByteArray subtype = PdfObjects::name(PdfObjects::entry(object, "Subtype"));
                if (subtype == "Image" && !m_masks.contains(keyOf(object)))
                    addFillingPage(object, page);
                else if (subtype == "Form")
                    walkForm(object, QTransform(), resources, page, depth);
            });
        }
    }

    // An image not seen drawn: its resolution is known only when it has its page's shape.
    void addFillingPage(QPDFObjectHandle image, int page)
    {
        if (m_added.contains(keyOf(image)))
            return;
        double width = 0;
        double height = 0;
        if (m_pageSize.isValid() && m_pageSize.width() > 0 && m_pageSize.height() > 0 &&
            PdfObjects::number(PdfObjects::entry(image, "Width"), &width) &&
            PdfObjects::number(PdfObjects::entry(image, "Height"), &height) && width > 0 &&
            height > 0) {
            const double pageAspect = m_pageSize.width() / m_pageSize.height();
            if (std::abs(width / height - pageAspect) <= fillTolerance * pageAspect) {
                add(image, page, m_pageSize.width(), m_pageSize.height());
                return;
            }
        }
        add(image, page, 0, 0);
    }

    // drawnWidth and drawnHeight in points, 0 when not known. Only indirect images are pages:
    // a direct one has no number to read it by again.
    void add(QPDFObjectHandle image, int page, double drawnWidth, double drawnHeight)
    {
        const quint64 key = keyOf(image);
        if (key == 0 || m_added.contains(key))
            return;
        PdfImageInfo info = PdfObjects::imageInfo(image);
        info.page = page;
        info.dpiX = resolution(info.width, drawnWidth);
        info.dpiY = resolution(info.height, drawnHeight);
        m_added.insert(key);
        m_images.append(std::move(info));
    }

    QPDF &m_document;
    QList<PdfImageInfo> m_images;
    QSet<quint64> m_added;
    QSet<quint64> m_masks;
    QSet<quint64> m_visitedNodes;
    QSet<quint64> m_visitedForms;
    QSizeF m_pageSize;
    int m_pages = 0;
};

} // namespace

QList<PdfImageInfo> images(QPDF &document)
{
    return Walker(document).run();
}

} // namespace PdfImageWalker
