#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The update server's answer: an XML document whose root holds a "version" and a "path"
// element. Versions are compared as whole numbers with the dots taken out ("15.18" is 1518),
// as the server has always published them.
namespace UpdateReply {

struct Offer
{
    QString version; // as the server wrote it
    QString path;    // where the new version is downloaded
    int number = 0;  // version without its dots
};

// The version as a number; nothing when it is empty or not a number once the dots are gone.
std::optional<int> versionNumber(const QString &version);
// The offer in the reply; nothing when it is not XML, lacks either element or text, or has a
// version that is not a number.
std::optional<Offer> parse(const QByteArray &reply);
// True when the offer is a later version than ownVersion.
bool isNewer(const Offer &offer, const QString &ownVersion);

} // namespace UpdateReply
