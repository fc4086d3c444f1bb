#include "ui/maps/Carte_Acti_Orvil.h"

#include "core/storage/Bands.h"
#include "platform/Dialogs.h"
#include "ui/common/NamedControls.h"
#include "ui/common/OpenWindow.h"
#include "ui/common/WindowPlacement.h"
#include "ui/maps/MapCanvas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pendrel::ui {
Carte_Acti_Orvil::Carte_Acti_Orvil(Marker mark, int bandIndex, int modeIndex, Dialogs &dialogs, FileWriter &writer,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window), m_mark(std::move(mark)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Carte_Acti_Orvil"));
    centreWhenFirstShown(this);
    setWindowTitle(QStringLiteral("Carte des départements contactés"));

    m_picture = new MapCanvas(dialogs, writer, QStringLiteral("Carte_Departements.png"), this);
    m_Bande_A = named(new QComboBox(this), "Bande_A");
    m_Bande_A->addItems(BandList);
    m_Bande_A->setCurrentIndex(bandIndex);
    m_Mode_AX = named(new QComboBox(this), "Mode_AX");
    m_Mode_AX->addItems(ModeList);
    m_Mode_AX->setCurrentIndex(modeIndex);
    auto *afficher = named(new QPushButton(QStringLiteral("Afficher"), this), "Afficher");
    connect(afficher, &QPushButton::clicked, this, &Carte_Acti_Orvil::Display);
    auto *save = named(new QPushButton(SaveImageText, this), "Enregistrer_Image");
    connect(save, &QPushButton::clicked, m_picture, &MapCanvas::saveImage);

    m_NB_Dep = named(new QLabel(QStringLiteral("0"), this), "NB_Dep");
    m_Bande_Carte = named(new QLabel(QStringLiteral("    Mhz"), this), "Bande_Carte");

    auto *choices = new QHBoxLayout;
    choices->addWidget(named(new QLabel(QStringLiteral("Bande"), this), "Label1"));
    choices->addWidget(m_Bande_A);
    choices->addWidget(named(new QLabel(QStringLiteral("Mode"), this), "Label3"));
    choices->addWidget(m_Mode_AX);
    choices->addWidget(afficher);
    choices->addStretch();
    choices->addWidget(save);
    auto *count = new QHBoxLayout;
    count->addWidget(m_NB_Dep);
    count->addWidget(named(new QLabel(QStringLiteral("départements contactés sur"), this), "Label5"));
    count->addWidget(m_Bande_Carte);
    count->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addLayout(count);
    layout->addLayout(choices);

    // Every box starts in the window's colour until the first display.
    m_picture->setPicture(std::make_unique<DepartementPicture>(BoxMarks{}, QString(), QString()));
    Display();
}

void Carte_Acti_Orvil::Display()
{
    if (m_Bande_A->currentText().isEmpty()) {
        m_dialogs.message(QStringLiteral("Selectionnez une bande"));
        return;
    }
    const QString band = m_Bande_A->currentText(), mode = m_Mode_AX->currentText();
    m_Bande_Carte->setText(band);
    const LogMarks map = m_mark(band, mode);
    if (map.status == ReadStatus::Error)
        m_dialogs.message(map.error);
    m_picture->setPicture(std::make_unique<DepartementPicture>(map.marks, band, mode));
    m_NB_Dep->setText(QString::number(map.marks.count));
}

Carte_Acti_Orvil *openDepartementMap(QWidget *owner, Carte_Acti_Orvil::Marker mark, int bandIndex, int modeIndex,
                                     Dialogs &dialogs, FileWriter &writer)
{
    return openOnce<Carte_Acti_Orvil>(owner, QStringLiteral("Carte_Acti_Orvil"), [&] {
        return new Carte_Acti_Orvil(std::move(mark), bandIndex, modeIndex, dialogs, writer, owner);
    });
}

} // namespace pendrel::ui
