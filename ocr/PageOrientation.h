#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "ocr/OcrRunner.h"

// Turning pages upright by the orientation of their text: the detection on a file or on an image
// in memory, and the turn itself.
class PageOrientation
{
    Q_DECLARE_TR_FUNCTIONS(PageOrientation)

public:
    // The detection on an image file.
    static OcrRunner::Orientation detect(const QString &file);
    // The detection on an image in memory (handed to the tool as a grey temporary file).
    static OcrRunner::Orientation detect(const QImage &image);
    // The image turned clockwise by quarterTurns, its resolution kept (axes swapped).
    static QImage turned(const QImage &image, int quarterTurns);
    // What the user is told when the detection cannot run at all (tool or data missing); empty
    // for any other status.
    static QString unavailableMessage(const OcrRunner::Orientation &result,
                                      const QString &uiLanguage);
};
