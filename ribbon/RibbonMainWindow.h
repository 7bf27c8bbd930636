#pragma once

#include <QMainWindow>

class RibbonBar;

// A main window with a ribbon at the top (as its menu widget). The central widget, status bar
// and dock areas are QMainWindow's own.
class RibbonMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit RibbonMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    RibbonBar *ribbonBar() const { return m_ribbonBar; }

private:
    RibbonBar *m_ribbonBar = nullptr;
};
