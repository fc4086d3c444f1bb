#include "core/info/RulesText.h"

#include "core/info/WebAddresses.h"

namespace pendrel {

QStringList rulesIntroductionLines()
{
    return {
        QString(),
        QString(58, u' ') + QStringLiteral("Le Kerlan QRP est disponible en ligne"),
        QString(),
        QString(56, u' ') + QStringLiteral("Début du Kerlan QRP le 1er janvier 2008"),
        QString(),
        QStringLiteral(" Le Kerlan QRP est né entre amis QRPistes, pour faire vivre toute l'année le trafic en QRP."),
        QStringLiteral(" Le but est simple, il se doit être convivial, et simple."),
        QString(),
        QStringLiteral(" Mise en oeuvre avant participation"),
        QString(),
        QStringLiteral(" Chaque participant s'inscrit d'abord sur le site du Kerlan QRP : ") + web::registrationAddress(),
        QStringLiteral(" Les classements se consultent depuis le menu 'score' du site."),
        QStringLiteral(" Pour saisir ses propres scores, on remplit une fiche : indicatif, prénom, nom, locator,"),
        QStringLiteral(" matériel utilisé, numéro de département (ou 'DX' pour les participants étrangers),"),
        QStringLiteral(" adresse électronique et un mot de passe personnel."),
        QStringLiteral(" Le participant saisit ensuite le score qu'il a calculé lui-même, en chiffres,"),
        QStringLiteral(" en suivant les règles du chapitre ci-dessous."),
    };
}

QStringList contestRulesLines()
{
    return {
        // title
        QString(), QStringLiteral(" Kerlan QRP/p : Km par watt "), QString(),
        // aim
        QStringLiteral(" Objectif "),
        QStringLiteral(" Favoriser le trafic QRP en portable avec du matériel léger : le plus de km avec le moins de "
                       "watts."),
        // rules
        QStringLiteral(" Règlement "), QString(),
        // portable station
        QStringLiteral(" Station QRP/ portable : "), QString(),
        QStringLiteral(" - Emetteur / Récepteur : Fabrication personnelle ou commerciale"),
        QStringLiteral(" - Puissance : <= 5 watts cw et digi / <= 10 watts ssb."),
        QStringLiteral(" - Antenne : Filaire ou Verticale pour les bandes HF (pas de restriction pour le 6m, 2m, 70cm)"),
        QStringLiteral(" - Alimentation : 12 volts (batterie, piles, panneau solaire) pas de 220v ni de groupe "
                       "électrogène"),
        QStringLiteral(" - QTH : est considéré comme station portable, toute personne qui utilise du matériel 'léger' "
                       "et qui se situe au-delà"),
        QStringLiteral("   d'un rayon de 500m de son QRA habituel."),
        QStringLiteral(" - Le trafic doit être effectué hors d'un bâtiment en 'dur'"),
        // portable points
        QStringLiteral(" - Points :"), QStringLiteral("     - 4 points pour un QSO."),
        QStringLiteral("     - Bonus : 10 points de bonus pour un qsy en /p (minimum 5 qso réalisés). Ce bonus devient "
                       "15 points pour un"),
        QStringLiteral("       qsy en /p entre novembre et février (minimum 5 qso réalisés)"), QString(),
        // portable advice
        QStringLiteral(" - Recommandations :"),
        QStringLiteral("     - Respectez l'environnement du lieu de votre sortie : ne laissez aucune trace de votre "
                       "passage."),
        QStringLiteral("     - Respectez la réglementation radioamateur en vigueur."),
        QStringLiteral("     - Utilisez un casque pour ne pas gêner les promeneurs."),
        QStringLiteral("     - Partagez les photos et les vidéos de vos sorties,"),
        QStringLiteral("       elles donnent envie aux autres de sortir à leur tour."),
        QString(),
        // fixed station
        QStringLiteral(" Station QRP Fixe : "), QString(),
        QStringLiteral(" - Emetteur / Récepteur : Fabrication personnelle ou commerciale"),
        QStringLiteral(" - Puissance : <= 5 watts cw et digi / <= 10 watts ssb"),
        QStringLiteral(" - Antenne : pas de restriction (mais il est préconisé de rester dans l'esprit 'QRP')"),
        QStringLiteral(" - Alimentation : pas de restriction"),
        // fixed points
        QStringLiteral(" - Points : "), QStringLiteral("     - 1 point pour un QSO Station Fixe / Station Fixe"),
        QStringLiteral("     - 4 points pour un QSO Station Fixe / Station Portable"), QString(),
        // fixed advice
        QStringLiteral(" - Recommandations : "),
        QStringLiteral("     - Soyez courtois dans les pile-up : chacun son tour."),
        QStringLiteral("     - Appelez les stations portables, proches ou lointaines :"),
        QStringLiteral("       elles ont fait l'effort de sortir."),
        QString(),
        // frequencies
        QStringLiteral(" - Fréquences et Modes : (préconisées pour le Kerlan QRP/p : Km par watt) "), QString(),
        QStringLiteral("     - CW : 3560, 7030, 10116, 14060, 18086, 21060, 24906, 28060, 50200, 144050, 432050"),
        QStringLiteral("     - SSB :3760, 7090,-------, 14285, 18160, 21285, 24950, 28360, 50260, 144300, 432200"),
        QStringLiteral("     - DIGI 3,581, 7,036, 10,141, 14,071, 18,096, 21,071, 24916, 28,071, 50271, 144071, 432071"),
        QString(),
        // call
        QStringLiteral(" - Appel: "), QStringLiteral("     CQ KM, CQ KM de Fxxxx"), QString(),
        // exchange
        QStringLiteral(" - Echanges: "),
        QStringLiteral("     RST (réel si possible) + Locator (recommandé afin de déterminer la distance exacte) "),
        QString(),
        // scoring
        QStringLiteral(" - Calcul des points: "), QStringLiteral("     - Km par watt: "),
        QStringLiteral("         Km total divisé par le nombre de watt "), QStringLiteral("     - Points par QSO : "),
        QStringLiteral("         Nombre de QSO multiplié par le barème point en vigueur "), QString(),
        // no constraint
        QStringLiteral(" - Pas de contrainte ..."),
        QStringLiteral("     Pas de date, d'heure ni de lieu imposés :"),
        QStringLiteral("     sortez quand vous voulez et où vous voulez."), QString(),
        // motto
        QStringLiteral(" - Mais un maître mot "), QStringLiteral("     Gardez l'esprit 'QRP' en toutes circonstances"),
        QString(),
        // ranking
        QStringLiteral(" - Mise à jour et Classement: "),
        QStringLiteral("     Chaque participant est invité à mettre à jour régulièrement ses classements"),
        QStringLiteral("     'Chasseurs' ou 'Activateurs' et à indiquer le matériel utilisé"),
        QStringLiteral("     sur le site du Kerlan QRP."), QString(),
        // start
        QStringLiteral(" - Début du Kerlan : 01 janvier 2008 "), QString(),
        // notes
        QStringLiteral(" - Notes : "),
        QStringLiteral("     (1) Bonus 10 pts : Le 'Bonus 10' est réservé uniquement aux stations en /portable."),
        QStringLiteral("     Il récompense l'effort de sortir et les points offerts aux stations fixes."),
        QStringLiteral("     Ce bonus est à rajouter au total points/qso du qsy/p. "), QString(),
        QStringLiteral("     (2) Bonus 15 pts : Le 'Bonus 15' est réservé uniquement aux stations en /portable pendant "
                       "la période de novembre à février."),
        QStringLiteral("     Il récompense les sorties par temps froid et souvent mauvais."),
        QStringLiteral("     Ce bonus se rajoute également au total points-qso du qsy/p."), QString(),
        QStringLiteral("     L'activation est réalisée sous votre entière responsabilité. "),
    };
}

} // namespace pendrel
