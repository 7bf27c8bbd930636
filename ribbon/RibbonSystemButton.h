#pragma once

#include <QToolButton>

// The application button at the left of the ribbon's tab row: an accent-coloured rounded
// button showing its text (or its icon when the text is empty) that pops up its menu.
class RibbonSystemButton : public QToolButton
{
    Q_OBJECT

public:
    explicit RibbonSystemButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont labelFont() const;
};
