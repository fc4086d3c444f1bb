#pragma once
#include "core/labels/LabelSettings.h"
#include "ui/labels/LabelWindows.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

namespace pendrel::ui {

class Select_QSO;

// The label window: the stock, the language, the transceiver and antenna,
// the stop at each sheet, and "Imprimer", which lays out the labels of the
// selection window's print list and hands them to the printer's preview.
// Closing it closes the selection window too.
class Etiquettes : public QWidget {
    Q_OBJECT
public:
    Etiquettes(LabelContext context, Select_QSO *selection, QWidget *parent = nullptr);

    // Prints the print list of `selection` from now on.
    void attach(Select_QSO *selection);
    // The Imprime click.
    void print();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    labels::LabelChoices choices() const;
    void showChoices(const labels::LabelChoices &choices);

    LabelContext m_context;
    QPointer<Select_QSO> m_selection;
    QRadioButton *m_formats[4];
    QRadioButton *m_french, *m_english;
    QLineEdit *m_RxTx, *m_Antenne;
    QCheckBox *m_Arret_Imp;
    QDoubleSpinBox *m_Decalage_Bas, *m_Decalage_Droite;
};

} // namespace pendrel::ui
