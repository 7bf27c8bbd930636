#include "UpdateServer.h"

#include <QHostAddress>
#include <QUrlQuery>

#include "core/ProgramInfo.h"

namespace UpdateServer {

bool isAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QStringLiteral("https"))
        return true;
    if (url.scheme() != QStringLiteral("http"))
        return false;
    return url.host() == QStringLiteral("localhost") || QHostAddress(url.host()).isLoopback();
}

QUrl baseUrl()
{
    const QString named = qEnvironmentVariable(HostVariable);
    const QUrl url = named.isEmpty()
                         ? QUrl(QStringLiteral("https://") + QString(ProgramInfo::WebHost))
                         : QUrl(named, QUrl::StrictMode);
    return isAllowed(url) ? url.adjusted(QUrl::StripTrailingSlash) : QUrl();
}

namespace {

QUrl withPath(const QString &path)
{
    QUrl url = baseUrl();
    if (url.isValid())
        url.setPath(url.path() + path);
    return url;
}

} // namespace

QUrl updateUrl()
{
    return withPath(QStringLiteral("/update/update.xml"));
}

QUrl reportUrl(const QList<std::pair<QString, QString>> &fields)
{
    QUrl url = withPath(QStringLiteral("/instcnt/inst.php"));
    if (!url.isValid())
        return url;
    QUrlQuery query;
    for (const auto &[key, value] : fields) {
        // Fully encoded: a "+" in the date or an "&" in a scanner's name must not change the
        // meaning of the query.
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    }
    url.setQuery(query);
    return url;
}

} // namespace UpdateServer
