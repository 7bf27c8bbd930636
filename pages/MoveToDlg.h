#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// Asks for the page number to move the current page to: a spin box from 1 to the page count.
// OK accepts; Cancel, Esc and closing the window cancel.
class MoveToDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MoveToDlg(QWidget *parent = nullptr);

    // The largest number the user can enter (the page count).
    void setMaximum(int maximum);
    // The number entered, 1-based.
    int value() const;
    void setValue(int value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QGroupBox *m_group;
    QLabel *m_label;
    QSpinBox *m_spin;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
