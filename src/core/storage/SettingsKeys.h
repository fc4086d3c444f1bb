#pragma once
#include <QString>

namespace pendrel::settings {

// Sections and keys of the settings store, verbatim (blanks and case included).
inline const QString GlobalSection = QStringLiteral("Setup ");
inline QString callsignSection(const QString &callsign) { return GlobalSection + callsign; }

inline const QString IndicatifStation = QStringLiteral("Indicatif Station");
inline const QString LocatorStation = QStringLiteral("Locator Station");
inline const QString CheminRepertoire = QStringLiteral("Chemin Repertoire");

inline const QString BandeUtilisee = QStringLiteral("bande Utilisee");
inline const QString ModeUtilise = QStringLiteral("Mode Utilise");
inline const QString DateAuto = QStringLiteral("Date Auto");
inline const QString PwrFixe = QStringLiteral("Pwr Fixe");
inline const QString PwrPortable = QStringLiteral("Pwr Portable");
inline const QString LocatorPortable = QStringLiteral("Locator Portable");
inline const QString Bonus = QStringLiteral("Bonus");
// "True" once the current portable outing has earned its bonus ("False" from
// the start of an outing); absent, the outing has earned it when its counter
// is past 5 (outings begun before the key existed).
inline const QString BonusSortie = QStringLiteral("Bonus Sortie");
inline const QString Activite = QStringLiteral("Activite");
inline const QString MeilleurKmWF = QStringLiteral("Meilleur KmW_F");
inline const QString MeilleurKmWP = QStringLiteral("Meilleur KmW_P");
inline const QString Revision = QStringLiteral("Revision");
inline const QString Transceiver = QStringLiteral("Transceiver");
inline const QString Antenne = QStringLiteral("Antenne");
inline const QString Language = QStringLiteral("Language");
inline const QString FormatEtiquette = QStringLiteral("Format etiquette");
// The printer's calibration of the labels, in millimetres ("1.5", "-0.5").
inline const QString DecalageBasEtiquette = QStringLiteral("Decalage bas etiquette");
inline const QString DecalageDroiteEtiquette = QStringLiteral("Decalage droite etiquette");

// Where the backups go (global section); absent or empty: "Sauvegardes" in the data folder.
inline const QString DossierSauvegardes = QStringLiteral("Dossier des sauvegardes");

inline const QString PlaceholderCallsign = QStringLiteral("FXXXX");

} // namespace pendrel::settings
