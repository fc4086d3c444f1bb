#include "ui/maps/Select_Locator.h"

#include "core/maps/MapMarks.h"
#include "core/storage/Bands.h"
#include "ui/common/NamedControls.h"
#include "ui/common/OpenWindow.h"
#include "ui/common/WindowPlacement.h"
#include "ui/maps/MapWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace pendrel::ui {
namespace {

QStringList quarterEntries()
{
    QStringList entries;
    for (const WorldQuarter &q : worldQuarters())
        entries.append(q.entry);
    return entries;
}

template <class W>
W *openChooser(QWidget *owner, const QString &name, MapChooser::LogLines logLines, Dialogs &dialogs,
               FileWriter &writer)
{
    return openOnce<W>(owner, name, [&] { return new W(std::move(logLines), dialogs, writer, owner); });
}

} // namespace

MapChooser::MapChooser(const char *listName, const QStringList &maps, const QString &defaultMap, LogLines logLines,
                       Dialogs &dialogs, FileWriter &writer, QWidget *owner)
    : QWidget(owner, Qt::Window), m_logLines(std::move(logLines)), m_dialogs(dialogs), m_writer(writer), m_owner(owner)
{
    centreWhenFirstShown(this);
    m_maps = named(new QComboBox(this), listName);
    m_maps->addItems(maps);
    m_maps->setCurrentText(defaultMap);
    m_Bande_T = named(new QComboBox(this), "Bande_T");
    m_Bande_T->addItems(BandList);
    m_Bande_T->setCurrentText(QStringLiteral("7.0 Mhz"));
    auto *afficher = named(new QPushButton(QStringLiteral("Afficher"), this), "Command1");
    connect(afficher, &QPushButton::clicked, this, [this] { showMap(m_maps->currentText(), m_Bande_T->currentText()); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(named(new QLabel(this), "Label2"), 0, 0, 1, 2);
    grid->addWidget(named(new QLabel(this), "Label1"), 1, 0);
    grid->addWidget(m_maps, 1, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Bande"), this), "Label3"), 2, 0);
    grid->addWidget(m_Bande_T, 2, 1);
    grid->addWidget(afficher, 3, 0, 1, 2, Qt::AlignHCenter);
}

void MapChooser::setTexts(const QString &caption, const QString &title, const QString &listLabel)
{
    setWindowTitle(caption);
    findChild<QLabel *>(QStringLiteral("Label2"))->setText(title);
    findChild<QLabel *>(QStringLiteral("Label1"))->setText(listLabel);
}

Select_Locator::Select_Locator(LogLines logLines, Dialogs &dialogs, FileWriter &writer, QWidget *owner)
    : MapChooser("Liste_Locator", LocatorFields, QStringLiteral("JN"), std::move(logLines), dialogs, writer, owner)
{
    setObjectName(QStringLiteral("Select_Locator"));
    setTexts(QStringLiteral("Selection carré locator"), QStringLiteral("Selection du locator"),
             QStringLiteral("Carré"));
}

void Select_Locator::showMap(const QString &field, const QString &band)
{
    if (!LocatorFields.contains(field))
        return;
    showFieldMap(m_owner, field, MarkFieldSquares(m_logLines(), band, field), band, m_dialogs, m_writer);
}

Select_Locator_Monde::Select_Locator_Monde(LogLines logLines, Dialogs &dialogs, FileWriter &writer, QWidget *owner)
    : MapChooser("Liste_Zone", quarterEntries(), worldQuarters().first().entry, std::move(logLines), dialogs, writer,
                 owner)
{
    setObjectName(QStringLiteral("Select_Locator_Monde"));
    setTexts(QStringLiteral("Selection cartes"), QStringLiteral("Selection d'une carte"), QStringLiteral("Carte"));
}

void Select_Locator_Monde::showMap(const QString &entry, const QString &band)
{
    const WorldQuarter *quarter = findWorldQuarter(entry);
    if (!quarter || quarter->entry != entry)
        return;
    showWorldMap(m_owner, *quarter, MarkWorldFields(m_logLines(), band, *quarter), band, m_dialogs, m_writer);
}

Select_Locator *openSelectLocator(QWidget *owner, MapChooser::LogLines logLines, Dialogs &dialogs,
                                  FileWriter &writer)
{
    return openChooser<Select_Locator>(owner, QStringLiteral("Select_Locator"), std::move(logLines), dialogs,
                                       writer);
}

Select_Locator_Monde *openSelectLocatorMonde(QWidget *owner, MapChooser::LogLines logLines, Dialogs &dialogs,
                                             FileWriter &writer)
{
    return openChooser<Select_Locator_Monde>(owner, QStringLiteral("Select_Locator_Monde"), std::move(logLines),
                                             dialogs, writer);
}

} // namespace pendrel::ui
