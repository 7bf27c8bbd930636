#include "InstCnt.h"

#include <QDateTime>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSysInfo>

#include "app/UpdateServer.h"
#include "core/Settings.h"

InstCnt::InstCnt(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_network, &QNetworkAccessManager::finished, this, &InstCnt::replyFinished);
}

QString InstCnt::newId()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch(), 16);
}

QList<std::pair<QString, QString>> InstCnt::fields(const QString &id)
{
    return {
        {QStringLiteral("ip"), id},
        {QStringLiteral("date"), QDateTime::currentDateTime().toString(Qt::ISODate)},
        {QStringLiteral("win"), QSysInfo::prettyProductName()},
        {QStringLiteral("ver"), Settings::readString(SettingsKeys::Version, QString())},
        {QStringLiteral("scan"), Settings::readString(SettingsKeys::Scanners, QString())},
        {QStringLiteral("loc"), QLocale::system().name()},
        {QStringLiteral("event"), QStringLiteral("Installed")},
    };
}

void InstCnt::send()
{
    const QString id = newId();
    Settings::write(SettingsKeys::UniqueID, id);
    const QUrl url = UpdateServer::reportUrl(fields(id));
    if (!url.isValid()) {
        emit done();
        deleteLater();
        return;
    }
    m_network->get(QNetworkRequest(url));
}

void InstCnt::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    emit done();
    deleteLater();
}
