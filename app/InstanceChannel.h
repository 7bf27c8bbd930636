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
    // A copy that holds the lock but is still building its window opens its channel a moment
    // later, so connecting is tried again for up to startWaitMs.
    static bool send(const QStringList &files, int timeoutMs = 3000, int startWaitMs = 5000);
    // The socket's path in the runtime folder (private to the user), or a bare name, which Qt
    // places in the shared temporary folder, when there is none or the path would be too long.
    static QString serverName();

signals:
    // Files from a second start (possibly none: it only wants the window in front).
    void filesReceived(const QStringList &files);

private:
    void readFrom(class QLocalSocket *socket);

    QLocalServer *m_server;
};
