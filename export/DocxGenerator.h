#pragma once

#include <QCoreApplication>
#include <QSize>

#include "export/DocGenerator.h"

// Writes the pages into one Word document (.docx): one picture per Word page, centred on the
// margins and scaled to fit a fixed box. The package is assembled from the template compiled
// into the program (":/template/"): its parts, one image relationship per page file (rId10,
// rId11, ...) and one picture paragraph per page, with a page break between neighbours.
//
// JPEG pages go into the package byte for byte as "<base name>.jpeg"; other images are
// decoded and stored as "<base name>.png"; the base name is the file name up to its first
// dot, percent-encoded outside letters, digits and "-._~" ("scan 1.jpg" gives
// "scan%201.jpeg"). A later page whose media name is taken (compared without case, as Word does)
// reuses the earlier file. A file that does not load as an image keeps its media file and
// relationship but gets no paragraph; a missing file is skipped.
//
// The document is written to a fresh temporary folder beside the target and renamed over the
// target only when complete, so a failed or cancelled run leaves an existing target as it was.
// Only that temporary folder is removed afterwards.
//
// Progress: setRange(0, number of files), then after each existing file k (counted from 1)
// wasCanceled() and, unless the user cancelled, setValue(k).
class DocxGenerator : public DocGenerator
{
    Q_DECLARE_TR_FUNCTIONS(DocxGenerator)

public:
    // Largest picture, in EMU: about 14.6 x 23.1 cm.
    static constexpr qint64 MaxWidthEmu = 5254942;
    static constexpr qint64 MaxHeightEmu = 8315325;
    static constexpr double EmuPerInch = 914400.0;

    explicit DocxGenerator(ExportProgress *progress = nullptr);

    [[nodiscard]] bool generate(const QString &target) override;

    // Picture size in EMU of an image of the given pixels at dpi dots per inch (used for both
    // directions): the natural size, narrowed to MaxWidthEmu and then lowered to MaxHeightEmu
    // if needed, keeping the aspect ratio. Every conversion truncates toward zero, so
    // 600 x 300 pixels at 96 dpi give 5254942 x 2627471. Empty for an empty size or dpi <= 0.
    static QSize extentEmu(const QSize &pixels, double dpi);
};
