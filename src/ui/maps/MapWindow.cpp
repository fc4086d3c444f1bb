#include "ui/maps/MapWindow.h"

#include "ui/common/NamedControls.h"
#include "ui/common/OpenWindow.h"
#include "ui/common/WindowPlacement.h"
#include "ui/maps/MapCanvas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pendrel::ui {
namespace {

MapWindow *showMap(QWidget *owner, const QString &name, const QString &caption, const char *labelName,
                   const QString &labelText, std::unique_ptr<MapPicture> picture, const QString &band,
                   Dialogs &dialogs, FileWriter &writer)
{
    return openOnce<MapWindow>(
        owner, name, [&] { return new MapWindow(name, caption, labelName, labelText, dialogs, writer, owner); },
        [&](MapWindow *window) { window->showMarks(std::move(picture), band); });
}

} // namespace

MapWindow::MapWindow(const QString &name, const QString &caption, const char *labelName, const QString &labelText,
                     Dialogs &dialogs, FileWriter &writer, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    centreWhenFirstShown(this);
    setObjectName(name);
    setWindowTitle(caption);
    m_picture = new MapCanvas(dialogs, writer, name + QStringLiteral(".png"), this);
    m_Bande_Carre = named(new QLabel(this), "Bande_Carre");
    auto *save = named(new QPushButton(SaveImageText, this), "Enregistrer_Image");
    connect(save, &QPushButton::clicked, m_picture, &MapCanvas::saveImage);

    auto *legend = new QHBoxLayout;
    legend->addWidget(named(new QLabel(labelText, this), labelName));
    legend->addWidget(m_Bande_Carre);
    legend->addStretch();
    legend->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addLayout(legend);
}

void MapWindow::showMarks(std::unique_ptr<MapPicture> picture, const QString &band)
{
    m_picture->setPicture(std::move(picture));
    m_Bande_Carre->setText(band);
}

MapWindow *showFieldMap(QWidget *owner, const QString &field, const BoxMarks &marks, const QString &band,
                        Dialogs &dialogs, FileWriter &writer)
{
    return showMap(owner, QStringLiteral("Carte_") + field, QStringLiteral("Carré ") + field, "Label4",
                   QStringLiteral("Carrés moyens du carré %1 contactés bande : ").arg(field),
                   std::make_unique<FieldPicture>(field, marks, band), band, dialogs, writer);
}

MapWindow *showWorldMap(QWidget *owner, const WorldQuarter &quarter, const BoxMarks &marks, const QString &band,
                        Dialogs &dialogs, FileWriter &writer)
{
    return showMap(owner, quarter.window, quarter.caption, "Label2",
                   QStringLiteral("Grands carrés contactés sur la bande "),
                   std::make_unique<WorldPicture>(quarter, marks, band), band, dialogs, writer);
}

} // namespace pendrel::ui
