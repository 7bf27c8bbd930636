#include "ribbon/RibbonMainWindow.h"

#include "ribbon/RibbonBar.h"

RibbonMainWindow::RibbonMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , m_ribbonBar(new RibbonBar(this))
{
    setMenuWidget(m_ribbonBar);
}
