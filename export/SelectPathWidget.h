#pragma once

#include <QWidget>

#include <functional>

class QFileDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

// What the three path pickers share: a label above a read-only line edit that shows the chosen
// path with native separators, and a square "..." button beside it that opens the picker's
// dialog. An empty label text hides the label. The dialog is window-modal and answers through
// signals: chosen() once the user picked a path.
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

Q_SIGNALS:
    // The user picked a path, now shown.
    void chosen();

protected:
    SelectPathWidget(const QString &labelText, int spacing, QWidget *parent);

    // Opens the dialog (the picker's child, deleted when it closes). When the user picks a path,
    // shows it, tells chosen() and runs then; when the user cancels, changes nothing.
    void openDialog(QFileDialog *dialog, const std::function<void()> &then);
    // The button's action: the subclass's browse slot.
    virtual void browse() = 0;

    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label;
    QLineEdit *m_edit;
    QToolButton *m_button;
};
