#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class QNetworkAccessManager;
class QNetworkReply;

// The install report, sent once on the program's first start: an id, the date, the system,
// the version, the scanners and the locale. The reply is not examined. Deletes itself once
// the reply has come (or the report could not be sent).
class InstCnt : public QObject
{
    Q_OBJECT

public:
    explicit InstCnt(QObject *parent = nullptr);

    // Stores the id under UniqueID and sends the report.
    void send();
    // The query fields of the report, in order: ip (the id), date, win (the system), ver,
    // scan, loc, event.
    static QList<std::pair<QString, QString>> fields(const QString &id);
    // Milliseconds since the epoch in lower-case hexadecimal.
    static QString newId();

signals:
    // The exchange is over, whatever its outcome.
    void done();

public slots:
    void replyFinished(QNetworkReply *reply);

private:
    QNetworkAccessManager *m_network;
};
