#pragma once
#include <QString>

namespace pendrel::web {

// The two sites the program points to. Their host names are ours to choose
// and live here only; the paths of the pages are fixed.
inline const QString HomeSiteHost = QStringLiteral("www.pendrel.fr");
inline const QString ContestSiteHost = QStringLiteral("www.kerlan-qrp.fr");

// Plain HTTP scheme, host and path.
QString address(const QString &host, const QString &pathAndQuery);

QString homeSiteAddress();     // the home site itself, as Mon_Site's caption names it
QString programPageAddress();  // Mon_Site: "/Affichage2.htm" of the home site
QString rankingPageAddress();  // MaJ_KmW: "/kerlan/identification.php?action=maj" of the contest site
QString clusterPageAddress();  // Cluster_Qrp: "/kerlan/cluster.php" of the contest site
QString registrationAddress(); // where a participant registers, named in the rules window

} // namespace pendrel::web
