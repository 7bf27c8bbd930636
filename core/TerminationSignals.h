#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM at logout or shutdown, SIGINT from a
// terminal, SIGHUP when the terminal goes) into a Qt signal on the main thread, so that the
// program can leave its event loop and shut down in order instead of dying in the middle. One
// object at a time; its destruction puts the default handlers back.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
