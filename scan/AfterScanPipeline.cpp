#include "AfterScanPipeline.h"

#include <QTransform>

#include "imaging/PageProcessor.h"
#include "ocr/PageOrientation.h"

AfterScanPipeline::AfterScanPipeline(PageProcessor &processor)
    : m_processor(processor)
{
}

int AfterScanPipeline::turnDegrees(int rotateMode, int rotateAngle, int pageNumber)
{
    const bool even = pageNumber % 2 == 0;
    const bool turn = rotateMode == 1 || (rotateMode == 2 && even) || (rotateMode == 3 && !even);
    if (!turn)
        return 0;
    switch (rotateAngle) {
    case 0:
        return 180;
    case 1:
        return -90;
    case 2:
        return 90;
    default:
        return 0;
    }
}

AfterScanPipeline::Result AfterScanPipeline::process(const QImage &scanned,
                                                     const ScanSettings &settings, int pageNumber,
                                                     bool wizardPage, const StepListener &step)
{
    const auto tell = [&step](Step s) {
        if (step)
            step(s);
    };
    QImage image = scanned;
    if (wizardPage) {
        tell(Step::Rotating);
        const int degrees = turnDegrees(settings.rotateMode, settings.rotateAngle, pageNumber);
        if (degrees != 0) {
            const int dpmX = image.dotsPerMeterX();
            const int dpmY = image.dotsPerMeterY();
            image = image.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
            image.setDotsPerMeterX(dpmX);
            image.setDotsPerMeterY(dpmY);
        }
    }

    Result result;
    if (settings.autoUpright) {
        tell(Step::TurningUpright);
        const OcrRunner::Orientation orientation = PageOrientation::detect(image);
        if (orientation.quarterTurns)
            image = PageOrientation::turned(image, *orientation.quarterTurns);
        result.upright = orientation;
    }
    // The decoder gives 1-bit scans as grey; black-and-white pages are stored as 1-bit TIFF.
    result.blackAndWhite = settings.colourMode == 1;
    const bool bookWork = settings.bookScan && (settings.splitSpread || settings.autoCrop);
    const bool cropWork = !settings.bookScan && settings.autoCrop;
    if ((bookWork || cropWork) && !m_processor.hasTool()) {
        result.toolMissing = true;
        result.pages = {image};
        return result;
    }
    if (bookWork) {
        tell(settings.splitSpread ? Step::Splitting : Step::Processing);
        result.pages =
            m_processor.processScannedImage(image, settings.splitSpread, result.blackAndWhite);
        // Two halves or nothing: a spread is never cut down to one of its pages.
        if (settings.splitSpread && result.pages.size() != 2) {
            result.splitFailed = true;
            result.pages = {image};
        }
    } else {
        if (cropWork) {
            tell(Step::AutoCropping);
            m_processor.autoCropImage(image);
        }
        result.pages = {image};
    }
    if (result.pages.isEmpty())
        result.pages = {image};
    return result;
}
