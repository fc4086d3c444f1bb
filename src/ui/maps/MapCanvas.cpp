#include "ui/maps/MapCanvas.h"

#include "core/storage/TextFile.h"
#include "platform/Dialogs.h"
#include "ui/common/SaveImage.h"

#include <QAction>
#include <QDir>
#include <QPainter>

namespace pendrel::ui {

MapCanvas::MapCanvas(Dialogs &dialogs, FileWriter &writer, QString suggestedFile, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_writer(writer), m_suggestedFile(std::move(suggestedFile))
{
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *save = new QAction(SaveImageText, this);
    save->setObjectName(QStringLiteral("Enregistrer_Image"));
    connect(save, &QAction::triggered, this, &MapCanvas::saveImage);
    addAction(save);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MapCanvas::setPicture(std::unique_ptr<MapPicture> picture)
{
    m_picture = std::move(picture);
    updateGeometry();
    update();
}

QSize MapCanvas::sizeHint() const
{
    return m_picture ? m_picture->size().toSize() : QSize(400, 300);
}

QTransform MapCanvas::pictureToWidget() const
{
    if (!m_picture)
        return {};
    const QSizeF picture = m_picture->size();
    const qreal scale = std::min(width() / picture.width(), height() / picture.height());
    QTransform t;
    t.translate((width() - picture.width() * scale) / 2, (height() - picture.height() * scale) / 2);
    t.scale(scale, scale);
    return t;
}

void MapCanvas::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.setTransform(pictureToWidget());
    m_picture->paint(painter);
}

void MapCanvas::saveImage()
{
    if (!m_picture)
        return;
    saveImageAs(m_dialogs, QStringLiteral("Enregistrer l'image de la carte"), m_suggestedFile,
                QStringLiteral("L'image de la carte est enregistrée dans le fichier %1"),
                [this](const QString &path, QString *error) { return savePicture(*m_picture, path, m_writer, error); });
}

} // namespace pendrel::ui
