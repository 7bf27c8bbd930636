#pragma once

#include <QMenu>

// The application menu that drops down from the ribbon's application button. Callers fill it
// with QMenu::addAction() and addSeparator(); RibbonStyle gives its items larger icons.
class RibbonSystemPopupBar : public QMenu
{
    Q_OBJECT

public:
    explicit RibbonSystemPopupBar(QWidget *parent = nullptr);
};
