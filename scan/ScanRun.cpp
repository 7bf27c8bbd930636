#include "ScanRun.h"

#include "scan/ScannerLibrary.h"

ScanRun::ScanRun(ScannerLibrary *library, QObject *parent)
    : QObject(parent)
    , m_library(library)
{
}

ScanRun::~ScanRun() = default;

void ScanRun::releaseImage()
{
    m_image.reset();
}

void ScanRun::scan(QObject *owner, const ScanSettings &settings)
{
    const int paperSource = settings.paperSource;
    const bool allImages = settings.allImages;
    const bool autoDeskew = settings.autoDeskew;
    const bool autoContrast = settings.autoContrast;
    const bool preview = settings.preview;

    m_library->setHideDeviceDialog(!preview);
    m_library->setAutoContrast(false);
    m_library->setAutoDeskew(false);
    m_library->startSwitch(false);
    m_library->startLevel(0.0);
    if (!preview) {
        m_library->setAutoDeskew(autoDeskew);
        if (m_pixelType != 1)
            m_library->setAutoContrast(autoContrast);
        m_library->noDialogSwitch(true);
    }
    if (m_library->openSource()) {
        m_library->selectFeeder(paperSource != 0);
        m_library->setTransferCount(allImages ? -1 : 1);
        m_library->allImagesSwitch1(allImages);
        m_library->allImagesSwitch2(allImages);
        m_library->setResolution(m_resolution);
        bool more = true;
        while (more) {
            QByteArray bitmap = m_library->acquireImage(owner, m_pixelType);
            if (bitmap.isEmpty()) {
                emit failedScan();
                return;
            }
            m_image = std::make_unique<HImage>(bitmap);
            // A bitmap that cannot be decoded is no delivery.
            if (m_image->isNull()) {
                m_image.reset();
                m_library->freeImage(bitmap);
                emit failedScan();
                return;
            }
            emit pageScanned();
            m_library->freeImage(bitmap);
            more = allImages && !m_library->isDone();
        }
        if (paperSource == 1)
            m_library->finishFeeder();
    }
    if (m_library->lastError())
        emit failedScan();
}
