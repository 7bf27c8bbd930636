#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// How a second start of the program hands its files to the copy already running (which holds
// the working folder), and asks that copy's window to come to the front. A local socket in the
// user's runtime folder, named after the data folder, so copies with other data folders (test
// runs, other accounts) never meet.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    explicit InstanceChannel(QObject *parent = nullptr);
    ~InstanceChannel() override;

    // The running copy's side: false when the name cannot be taken.
    [[nodiscard]] bool listen();
    // The second copy's side: true once the running copy has taken the files (possibly none).
    static bool send(const QStringList &files, int timeoutMs = 3000);
    static QString serverName();

signals:
    // Files from a second start (possibly none: it only wants the window in front).
    void filesReceived(const QStringList &files);

private:
    void readFrom(class QLocalSocket *socket);

    QLocalServer *m_server;
};
