#include "ribbon/RibbonSystemPopupBar.h"

RibbonSystemPopupBar::RibbonSystemPopupBar(QWidget *parent)
    : QMenu(parent)
{
    // Wide enough that the application menu reads as a panel, not as a context menu.
    setMinimumWidth(240);
}
