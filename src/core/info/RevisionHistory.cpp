#include "core/info/RevisionHistory.h"

#include <QStringList>

namespace pendrel {

QString revisionHistoryText()
{
    static const QStringList lines = {
        QStringLiteral("V1.0.0   le 04/01/2008 creation"),
        QStringLiteral("V1.0.1   le 08/01/2008 Ajout cartes locators moyen carré"),
        QStringLiteral("V1.0.2   le 08/01/2008 Ajout détéction erreur 53"),
        QStringLiteral("V1.0.3   le 09/01/2008 Ajout cartes locators grand carré"),
        QStringLiteral("V1.0.4   le 20/01/2008 Ajout edition points et bonus"),
        QStringLiteral("V1.0.5   le 22/01/2008 Ajout recherche par locator et tri par indicatif, dpt, date, QRB et Km/W"),
        QStringLiteral("V1.0.6   le 25/01/2008 Ajout fichier help"),
        QStringLiteral("V1.0.7   le 28/01/2008 Ajout reglementation du Kerlan QRP"),
        QStringLiteral("V1.0.8   le 29/01/2008 Ajout impression étiquettes pour cartes QSL"),
        QStringLiteral("V1.0.9   le 05/02/2008 Ajout mise a jour du classement directement par le programme"),
        QStringLiteral("V1.1.0   le 22/02/2008 Ajout importation log au format ADIF"),
        QStringLiteral("V1.1.0a  le 22/02/2008 Ajout Correction DIGI en DIG"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace pendrel
