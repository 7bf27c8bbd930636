#pragma once

#include "ribbon/OfficeStyle.h"

// The application style for a window with a ribbon: OfficeStyle plus the look of the ribbon's
// own controls (large drop-down buttons with their arrow under the text, larger icons in the
// application menu).
class RibbonStyle : public OfficeStyle
{
    Q_OBJECT

public:
    RibbonStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
