#pragma once

#include <QDialog>
#include <QPointer>
#include <QScopeGuard>

class BusyIndicator;
class QLabel;
class QPushButton;

// The busy window of long operations: modal, without a title bar, 500 x 100, a spinning
// indicator beside one line of bold 14-point text. The user cannot close it (Escape and the
// window manager's close are refused); the operation that opened it calls finish() when it ends,
// on every path, which closes and deletes it. Watch it through a QPointer.
class WaitingDlg : public QDialog
{
    Q_OBJECT

public:
    explicit WaitingDlg(QWidget *parent = nullptr);

    // Sets the text and shows the window; it paints while the job it waits for runs.
    void setText(const QString &text);
    QString text() const;
    bool isIndicatorRunning() const;
    // Offers a Cancel button (and Escape) for operations that can stop half-way; the operation
    // polls wasCancelled() between its steps.
    void setCancellable(bool cancellable);
    bool wasCancelled() const { return m_cancelled; }
    // Closes the window; it deletes itself.
    void finish();

    static constexpr int StopDelayMs = 100;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void paintEvent(QPaintEvent *event) override;

private:
    BusyIndicator *m_indicator;
    QLabel *m_label;
    QPushButton *m_cancel;
    bool m_finishing = false;
    bool m_cancelled = false;
};

// Shows a wait window with the text; the returned guard closes it on every path.
inline auto showWaiting(QWidget *parent, const QString &text)
{
    QPointer<WaitingDlg> dialog = new WaitingDlg(parent);
    dialog->setText(text);
    return qScopeGuard([dialog] {
        if (dialog)
            dialog->finish();
    });
}
