#include "UpdateReply.h"

#include <QDomDocument>

namespace UpdateReply {

std::optional<int> versionNumber(const QString &version)
{
    QString digits = version;
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

namespace {

// The text of the first child node of the root's first element with the name.
QString firstText(const QDomElement &root, const QString &name)
{
    return root.firstChildElement(name).firstChild().nodeValue();
}

} // namespace

std::optional<Offer> parse(const QByteArray &reply)
{
    QDomDocument document;
    if (!document.setContent(reply))
        return std::nullopt;
    const QDomElement root = document.documentElement();
    Offer offer;
    offer.version = firstText(root, QStringLiteral("version"));
    offer.path = firstText(root, QStringLiteral("path"));
    if (offer.version.isEmpty() || offer.path.isEmpty())
        return std::nullopt;
    const std::optional<int> number = versionNumber(offer.version);
    if (!number)
        return std::nullopt;
    offer.number = *number;
    return offer;
}

bool isNewer(const Offer &offer, const QString &ownVersion)
{
    const std::optional<int> own = versionNumber(ownVersion);
    return own && *own < offer.number;
}

} // namespace UpdateReply
