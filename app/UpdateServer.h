#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

// Where the update check and the install report go: the program's web server over HTTPS. The
// environment variable VELLUMO_UPDATE_HOST may name another base address
// ("https://host:port"); plain HTTP is accepted only for the loopback address, where tests
// run their own server.
namespace UpdateServer {

inline constexpr char HostVariable[] = "VELLUMO_UPDATE_HOST";

// The server's base address; invalid when VELLUMO_UPDATE_HOST names an address that is not
// allowed (then nothing is sent).
QUrl baseUrl();
// True for https addresses, and for http on 127.0.0.1, ::1 or localhost.
bool isAllowed(const QUrl &url);
// The version file of the update check.
QUrl updateUrl();
// The install report with its fields, each value encoded as it must be in a query.
QUrl reportUrl(const QList<std::pair<QString, QString>> &fields);

} // namespace UpdateServer
