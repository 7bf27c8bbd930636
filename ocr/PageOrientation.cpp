#include "ocr/PageOrientation.h"

#include <QDir>
#include <QTemporaryFile>
#include <QTransform>

OcrRunner::Orientation PageOrientation::detect(const QString &file)
{
    return OcrRunner::orientation(OcrRunner::toolPath(), file);
}

OcrRunner::Orientation PageOrientation::detect(const QImage &image)
{
    OcrRunner::Orientation result;
    QTemporaryFile file(QStringLiteral("%1/vellumo-orient-XXXXXX.png").arg(QDir::tempPath()));
    if (image.isNull() || !file.open()) {
        result.detail = QStringLiteral("no image or no temporary file");
        return result;
    }
    // Grey is all the detection looks at; PNG keeps the letters' edges. Level 1 is fast.
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (!grey.save(&file, "PNG", 90) || !file.flush()) {
        result.detail = file.errorString();
        return result;
    }
    return detect(file.fileName());
}

QImage PageOrientation::turned(const QImage &image, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0)
        return image;
    QImage result = image.transformed(QTransform().rotate(90.0 * turns));
    const bool swap = turns % 2 == 1;
    result.setDotsPerMeterX(swap ? image.dotsPerMeterY() : image.dotsPerMeterX());
    result.setDotsPerMeterY(swap ? image.dotsPerMeterX() : image.dotsPerMeterY());
    return result;
}

QString PageOrientation::unavailableMessage(const OcrRunner::Orientation &result,
                                            const QString &uiLanguage)
{
    return OcrRunner::unavailableMessage(result.status, result.detail, uiLanguage);
}
