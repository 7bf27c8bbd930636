#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The modal progress window of long exports and imports: a message, a bar from 0 to the item
// count and a Cancel button. A run drives it as start(), open(), then setValue(n) before each
// item followed by isCancelled(), and finally finish() and close(). Cancel is disabled until the
// first item is reached. The user cannot close the window while a run is going on: Escape and
// the window's close request are ignored until finish(). The run itself is a job on another
// thread: its progress arrives here as signals, and Cancel reaches it through cancelled().
class PdfProgress : public QDialog
{
    Q_OBJECT

public:
    explicit PdfProgress(int maximum, QWidget *parent = nullptr);
    ~PdfProgress() override;

    // Cancel off, bar at 0, and the start text of the export kind.
    void start();
    // Cancel on, bar at value, and the running text of the export kind.
    void setValue(int value);
    void setRange(int minimum, int maximum);
    // The run is over: the window may now be closed.
    void finish();

    void setText(const QString &text);
    QString text() const;
    int value() const;
    bool isCancelled() const { return m_cancelled; }
    bool isClosable() const { return m_closable; }
    bool isCancelEnabled() const;

Q_SIGNALS:
    void cancelled();

public Q_SLOTS:
    void cancelClicked();

protected:
    // Texts of the export kind; empty leaves the label as it is.
    virtual QString startText() const { return {}; }
    virtual QString runningText() const { return {}; }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    void retranslateUi();

    QLabel *m_label;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    bool m_cancelled = false;
    bool m_closable = false;
};
