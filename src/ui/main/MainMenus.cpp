// The menu bar of the main window. Every menu and entry has its mnemonic (Alt
// and the underlined letter; F10 opens the bar), one letter a menu.
#include "ui/main/Main.h"
#include "ui/main/MainMaps.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace pendrel::ui {
namespace {

QMenu *menu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *m = bar->addMenu(title);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    return m;
}

QAction *entry(QWidget *parent, const char *name, const QString &text, bool enabled = true)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    parent->addAction(action);
    return action;
}

constexpr bool Later = false;

} // namespace

void Main::buildMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *fichier = menu(bar, "Mnu_Fichier", QStringLiteral("&Fichier"));
    m_c.Mnu_Quitter = entry(fichier, "Mnu_Quitter", QStringLiteral("&Quitter Pendrel"));
    m_c.Mnu_ADIF = entry(fichier, "Mnu_ADIF", QStringLiteral("&Exporter le log au format ADIF"));
    m_c.Mnu_Import_Adif = entry(fichier, "Mnu_Import_Adif", QStringLiteral("&Importer un log au format ADIF"));
    buildBackupEntries(fichier);

    QMenu *date = menu(bar, "Mnu_Date", QStringLiteral("&Date"));
    m_c.Mnu_Date_Auto = entry(date, "Mnu_Date_Auto", QStringLiteral("&Automatique"));
    m_c.Mnu_Date_Man = entry(date, "Mnu_Date_Man", QStringLiteral("&Manuelle"));
    auto *dating = new QActionGroup(date);
    dating->setExclusive(true);
    for (QAction *choice : {m_c.Mnu_Date_Auto, m_c.Mnu_Date_Man}) {
        choice->setCheckable(true);
        dating->addAction(choice);
    }
    m_c.Mnu_Date_Auto->setChecked(true);

    QMenu *station = menu(bar, "Mnu_Station", QStringLiteral("&Station"));
    m_c.Mnu_New_Indicatif = entry(station, "Mnu_New_Indicatif", QStringLiteral("&Nouvel Indicatif"));

    QMenu *imprimer = menu(bar, "Mnu_Imprimer", QStringLiteral("&Imprimer"));
    m_c.Mnu_Imp_Contacte = entry(imprimer, "Mnu_Imp_Contacte", QStringLiteral("le &log des stations QRP contactées"));
    QAction *printQsl = entry(imprimer, "Mnu_Print_QSL", QStringLiteral("des é&tiquettes pour carte QSL"));
    connect(printQsl, &QAction::triggered, this, &Main::openLabelWindows);

    QMenu *enregistre = menu(bar, "Mnu_Enregistre", QStringLiteral("&Enregistrer"));
    m_c.Mnu_Enr_Contacte = entry(enregistre, "Mnu_Enr_Contacte", QStringLiteral("le &log des stations QRP contactées"));

    QMenu *carte = menu(bar, "Mnu_Carte", QStringLiteral("&Carte"));
    QAction *departements = entry(carte, "Mnu_Carte_HB", QStringLiteral("des &Départements contactés"));
    QAction *fields = entry(carte, "Mnu_Loc_Moyens", QStringLiteral("des Locators (&moyens carrés)"));
    QAction *world = entry(carte, "Mun_Loc_Grands", QStringLiteral("des Locators (&grands carrés)"));
    entry(carte, "Mnu_Statistiques", QStringLiteral("des &Statistiques"));
    connectMapMenus(*this, departements, fields, world);

    m_c.mnu_sortie = entry(bar, "mnu_sortie", QStringLiteral("&Nouvelle sortie"));
    entry(bar, "Mnu_MaJ_Classement", QStringLiteral("&Mise a jour classement"));
    entry(bar, "Mnu_Cluster", QStringLiteral("C&luster Kerlan QRP"));

    QMenu *aide = menu(bar, "Mnu_aide", QStringLiteral("&Aide"));
    entry(aide, "Mnu_Historique", QStringLiteral("&Historique"));
    entry(aide, "Mnu_Reglement", QStringLiteral("&Règlement"));
    entry(aide, "Mnu_Mode_Emploi", QStringLiteral("&Notice utilisation"));
    entry(aide, "Mnu_Site", QStringLiteral("Mise a jour du &programme"));
    entry(aide, "Mnu_Apropos", QStringLiteral("&A propos"));
}

} // namespace pendrel::ui
