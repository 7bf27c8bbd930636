#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

// The scanning wizard's turning choice: which pages to turn (none, each, odd, even) and by
// which angle (half turn, quarter left, quarter right). Each list entry carries its stored
// value; the angle list is live only while some pages are to be turned.
class FlipWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FlipWidget(QWidget *parent = nullptr);

    // 0 none, 1 each page, 2 odd pages, 3 even pages.
    int mode() const;
    // 0 half turn, 1 quarter left, 2 quarter right.
    int angle() const;
    // Select the entry holding the value; an unknown value leaves the choice as it is.
    void setMode(int value);
    void setAngle(int value);

public slots:
    void modeChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_modeLabel;
    QComboBox *m_modes;
    QLabel *m_angleLabel;
    QComboBox *m_angles;
};
