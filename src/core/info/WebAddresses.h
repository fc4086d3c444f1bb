#pragma once
#include <QString>
#include <QUrl>

namespace pendrel::web {

// The two sites the program points to. Their host names are ours to choose
// and live here only; the paths of the pages are fixed.
inline const QString HomeSiteHost = QStringLiteral("www.pendrel.fr");
inline const QString ContestSiteHost = QStringLiteral("www.kerlan-qrp.fr");

// HTTPS scheme, host and path: the ranking page takes a password.
QString address(const QString &host, const QString &pathAndQuery);

// Only the contest's pages need scripts (its forms); the home site and the
// program's own pages are shown without. Inline: the web module uses it
// without linking the core.
inline bool runsScripts(const QString &address)
{
    return QUrl(address).host() == ContestSiteHost;
}

QString homeSiteAddress();     // the home site itself, as Mon_Site's caption names it
QString programPageAddress();  // Mon_Site: "/Affichage2.htm" of the home site
QString rankingPageAddress();  // MaJ_KmW: "/kerlan/identification.php?action=maj" of the contest site
QString clusterPageAddress();  // Cluster_Qrp: "/kerlan/cluster.php" of the contest site
QString registrationAddress(); // where a participant registers, named in the rules window

} // namespace pendrel::web
