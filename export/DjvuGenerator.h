#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "export/DocGenerator.h"

// Writes the pages into one multi-page DjVu document with the DjVuLibre tools: c44 encodes each
// colour or grey page, cjb2 each black-and-white page, djvm combines them. Nothing here writes
// DjVu data itself.
//
// The kind of a page comes from its content, not its file name:
//  - a JPEG with one or three components goes to c44 as it is (grey ones with -crcbnone, so they
//    stay one channel);
//  - a 1-bit TIFF goes to cjb2 as it is;
//  - anything else Qt can decode (PNG, 8- or 24-bit TIFF, other JPEGs) is written as PBM (1-bit),
//    PGM (grey) or PPM (colour) into the temporary folder and encoded from there.
// A page file that does not exist is left out; one that cannot be read fails the run.
//
// The pages are encoded in parallel, one encoder per processor core, and combined in page order.
// Everything is written into a fresh temporary folder beside the target; the combined document
// is checked to hold one page per encoded page and only then renamed over the target, so a
// failed or cancelled run leaves an existing target as it was. Only that temporary folder is
// removed afterwards.
//
// Progress: setRange(0, number of existing page files), then setValue(k) and wasCanceled() each
// time the k-th page is finished. Cancelling ends the encoders still running and starts no more.
// generate() spins local event loops while the tools run.
class DjvuGenerator : public DocGenerator
{
    Q_DECLARE_TR_FUNCTIONS(DjvuGenerator)

public:
    // What decoders assume for an image that names no resolution.
    static constexpr int DefaultDpi = 96;
    static constexpr int C44TimeoutMs = 120 * 1000;
    static constexpr int Cjb2TimeoutMs = 180 * 1000;
    static constexpr int DjvmTimeoutMs = 180 * 1000;

    explicit DjvuGenerator(ExportProgress *progress = nullptr);

    // How much smaller than the original the colour and grey pages become, in percent (see
    // DjvuExportSettings::compression); brought into 0 to 95. Default 50.
    void setCompression(int compression);
    int compression() const { return m_compression; }

    [[nodiscard]] bool generate(const QString &target) override;

    // c44's "-percent" for a compression: 100 minus the compression brought into 0 to 95.
    static int percentFor(int compression);
    // "-dpi D -percent P [-crcbnone] page output". greyOnly drops the chrominance, for grey
    // pages c44 would otherwise read as colour (JPEG). dpi is brought into c44's 25 to 4800.
    static QStringList c44Arguments(int dpi, int compression, bool greyOnly, const QString &page,
                                    const QString &output);
    // "-dpi D page output"; dpi is brought into cjb2's 25 to 1200.
    static QStringList cjb2Arguments(int dpi, const QString &page, const QString &output);
    // "-c target pages...": the pages in the order given become the document's pages.
    static QStringList djvmArguments(const QString &target, const QStringList &pages);

private:
    int m_compression = 50;
};
