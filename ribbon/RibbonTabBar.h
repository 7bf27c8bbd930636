#pragma once

#include <QTabBar>

// The row of page tabs above the ribbon's panel: flat tabs, the current one in the accent
// colour with a short accent bar under its text. QTabBar keeps the tabs' mnemonics (Alt+letter
// selects a tab) and the current index; this class only sizes and paints the tabs.
class RibbonTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit RibbonTabBar(QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QFont selectedFont() const;

    int m_hoverIndex = -1;
};
