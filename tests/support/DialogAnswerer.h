#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Answers the next modal dialog: once a modal widget is active it records the dialog's title
// and text and presses the button whose text (ampersands ignored) is the given one. Polls every
// 20 ms from the event loop, so it works from inside QDialog::exec() and QMessageBox::exec().
// A dialog that never came fails the running test when the answerer goes out of scope.
class DialogAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit DialogAnswerer(const QString &buttonText, QObject *parent = nullptr);
    ~DialogAnswerer() override;

    bool hasAnswered() const { return m_answered; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QString informativeText() const { return m_informativeText; }
    int answerCount() const { return m_count; }
    // Keeps answering every later dialog with the same button.
    void setRepeat(bool repeat) { m_repeat = repeat; }

private:
    void poll();

    QString m_buttonText;
    QTimer m_timer;
    bool m_answered = false;
    bool m_repeat = false;
    int m_count = 0;
    QString m_title;
    QString m_text;
    QString m_informativeText;
};
