#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;

namespace pendrel {
class Dialogs;
class FileWriter;
} // namespace pendrel

namespace pendrel::ui {

// What the two locator choosers share: a list of maps (`Liste_Locator` or
// `Liste_Zone`), the band list `Bande_T` and "Afficher" (`Command1`), which
// marks the main list's QSOs and shows the chosen map in a window of `owner`.
class MapChooser : public QWidget {
    Q_OBJECT
public:
    // The main window's log list as it stands.
    using LogLines = std::function<QStringList()>;

protected:
    MapChooser(const char *listName, const QStringList &maps, const QString &defaultMap, LogLines logLines,
               Dialogs &dialogs, FileWriter &writer, QWidget *owner);
    // Shows the map `map` for `band`; a map outside the list shows nothing.
    virtual void showMap(const QString &map, const QString &band) = 0;
    // Sets the caption and the texts of Label2 ("Selection ...") and Label1.
    void setTexts(const QString &caption, const QString &title, const QString &listLabel);

    LogLines m_logLines;
    Dialogs &m_dialogs;
    FileWriter &m_writer;
    QWidget *m_owner;

private:
    QComboBox *m_maps, *m_Bande_T;
};

// "Selection carré locator": the nine fields and their squares.
class Select_Locator : public MapChooser {
    Q_OBJECT
public:
    Select_Locator(LogLines logLines, Dialogs &dialogs, FileWriter &writer, QWidget *owner);

protected:
    void showMap(const QString &field, const QString &band) override;
};

// "Selection cartes": the four quarters of the world and their fields.
class Select_Locator_Monde : public MapChooser {
    Q_OBJECT
public:
    Select_Locator_Monde(LogLines logLines, Dialogs &dialogs, FileWriter &writer, QWidget *owner);

protected:
    void showMap(const QString &quarter, const QString &band) override;
};

// Shows the chooser of `owner`, or the open one again.
Select_Locator *openSelectLocator(QWidget *owner, MapChooser::LogLines logLines, Dialogs &dialogs,
                                  FileWriter &writer);
Select_Locator_Monde *openSelectLocatorMonde(QWidget *owner, MapChooser::LogLines logLines, Dialogs &dialogs,
                                             FileWriter &writer);

} // namespace pendrel::ui
