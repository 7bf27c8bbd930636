#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>

// A small HTTP server on 127.0.0.1 for the tests of what the program fetches and sends: every
// GET is answered with the same body (status 200), and the requested paths and queries are
// kept in order.
class LocalHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LocalHttpServer(QObject *parent = nullptr);

    // Starts listening on a free port; false when it cannot.
    [[nodiscard]] bool start();
    // "http://127.0.0.1:<port>"
    QString baseUrl() const;
    void setBody(const QByteArray &body) { m_body = body; }
    // Each request's path and query, as received.
    QList<QUrl> requests() const { return m_requests; }

private:
    void answer(QTcpSocket *socket);

    QByteArray m_body;
    QList<QUrl> m_requests;
};
