#pragma once

#include <QWidget>

class QFileDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

// What the three path pickers share: a label above a read-only line edit that shows the chosen
// path with native separators, and a square "..." button beside it that opens the picker's
// dialog. An empty label text hides the label.
class SelectPathWidget : public QWidget
{
    Q_OBJECT

public:
    QString text() const;
    void setText(const QString &text);
    QString labelText() const;
    // An empty text hides the label.
    void setLabelText(const QString &text);
    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *button() const { return m_button; }

protected:
    SelectPathWidget(const QString &labelText, int spacing, QWidget *parent);

    // Runs the dialog modally. When the user picks a path, shows it and returns true; when the
    // user cancels, changes nothing and returns false.
    bool runDialog(QFileDialog &dialog);
    // The button's action: the subclass's browse slot.
    virtual bool browse() = 0;

    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label;
    QLineEdit *m_edit;
    QToolButton *m_button;
};
