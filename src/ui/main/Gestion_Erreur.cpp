#include "ui/main/Gestion_Erreur.h"

#include "core/storage/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/common/NamedControls.h"
#include "ui/common/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pendrel::ui {

namespace keys = settings;

Gestion_Erreur::Gestion_Erreur(SettingsStore &settings, const QString &missingSuffix, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("Gestion_Erreur"));
    setWindowTitle(QStringLiteral("Pendrel"));
    setModal(true);
    const QString callsign = settings.read(keys::GlobalSection, keys::IndicatifStation, keys::PlaceholderCallsign);

    auto *title = namedLabel("Label2", QStringLiteral("ERREUR 53"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    title->setFont(bold);

    auto *found = new QHBoxLayout;
    found->addWidget(namedLabel("Label3", QStringLiteral("Pendrel a trouvé dans la base de registre l'indicatif  : "), this));
    found->addWidget(namedLabel("Ind_Station", callsign, this));
    found->addStretch(1);
    auto *missing = new QHBoxLayout;
    missing->setSpacing(0);
    missing->addWidget(namedLabel("Ind_Station1", callsign, this));
    missing->addWidget(namedLabel("Err_Departement", missingSuffix, this));
    missing->addStretch(1);

    auto *initialise = new QPushButton(QStringLiteral("Initialiser"), this);
    initialise->setObjectName(QStringLiteral("Initialisation"));
    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Quitter"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(initialise);
    buttons->addWidget(quit);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addLayout(found);
    layout->addWidget(namedLabel("Label6", QStringLiteral("Il n'a par contre pas trouvé dans son répértoire le fichier :"), this));
    layout->addLayout(missing);
    layout->addWidget(namedLabel("Label7",
                            QStringLiteral("Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\""),
                            this));
    layout->addWidget(namedLabel("Label1", QStringLiteral("Relancez Pendrel l'indicatif affiché sera alors FXXXX "), this));
    layout->addWidget(namedLabel("Label9",
                            QStringLiteral("une boite de dialogue vous demandera alors de spécifier votre indicatif et "
                                           "locator"),
                            this));
    layout->addLayout(buttons);

    connect(initialise, &QPushButton::clicked, this, [this] {
        m_settings.write(keys::GlobalSection, keys::IndicatifStation, keys::PlaceholderCallsign);
        m_settings.write(keys::GlobalSection, keys::LocatorStation, QStringLiteral("JNXXXX"));
    });
    connect(quit, &QPushButton::clicked, this, [this] {
        accept();
        emit quitRequested();
    });

    adjustSize();
    centreWhenFirstShown(this);
}

} // namespace pendrel::ui
