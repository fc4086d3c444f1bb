#include "core/info/WebAddresses.h"

namespace pendrel::web {

QString address(const QString &host, const QString &pathAndQuery)
{
    return QStringLiteral("https://") + host + pathAndQuery;
}

QString homeSiteAddress()
{
    return address(HomeSiteHost, QString());
}

QString programPageAddress()
{
    return address(HomeSiteHost, QStringLiteral("/Affichage2.htm"));
}

QString rankingPageAddress()
{
    return address(ContestSiteHost, QStringLiteral("/kerlan/identification.php?action=maj"));
}

QString clusterPageAddress()
{
    return address(ContestSiteHost, QStringLiteral("/kerlan/cluster.php"));
}

QString registrationAddress()
{
    return address(ContestSiteHost, QStringLiteral("/kerlan/inscription.php"));
}

} // namespace pendrel::web
