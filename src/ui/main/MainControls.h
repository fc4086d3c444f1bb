#pragma once
#include "ui/common/UniformListView.h"

class QAction;
class QActionGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace pendrel::ui {

class LogHeading;

// The controls of the main window, by the names every window uses for them.
// Each one also carries its name as its Qt object name.
struct MainControls {
    // The log and its column headings.
    UniformListView *Liste_Orvil = nullptr;
    LogHeading *LogHeadings = nullptr;
    QLabel *Label_Liste_QRP = nullptr, *Label24 = nullptr, *Label25 = nullptr, *Label27 = nullptr,
           *Label28 = nullptr;
    QPushButton *Tri_Ind = nullptr, *Tri_Dpt = nullptr, *Tri_Date = nullptr, *Tri_QRB = nullptr,
                *Tri_KmW = nullptr;

    // The entry line; the frame's title is the next-QSO line.
    QGroupBox *Frame3 = nullptr;
    QLineEdit *Ind_A = nullptr, *Dpt_A = nullptr, *Prenom_A = nullptr, *Loc_A = nullptr, *Date_A = nullptr,
              *Heure_A = nullptr, *RST_A = nullptr, *RSTE_A = nullptr, *Rem_A = nullptr, *QRB_A = nullptr,
              *KmW_A = nullptr, *Pts_A = nullptr, *Boni_A = nullptr;
    QComboBox *Mode_A = nullptr, *Bande_A = nullptr;
    QPushButton *Valide_A = nullptr, *Efface_A = nullptr, *Modi_Saisie = nullptr, *Annule_Saisie = nullptr,
                *Ajout_QSO = nullptr, *Rechercher = nullptr;

    // The own station, fixed and portable side by side.
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QLabel *Label2 = nullptr, *I_Station = nullptr, *Label7 = nullptr, *L_Station = nullptr, *Label19 = nullptr,
           *Label21 = nullptr;
    QLineEdit *Pwr_F = nullptr;
    QLabel *Label13 = nullptr, *I_Station_P = nullptr, *Label15 = nullptr, *Label18 = nullptr, *Label20 = nullptr;
    QLineEdit *L_Station_P = nullptr, *Pwr_P = nullptr;

    // Totals and the best-km/W reminder.
    QLabel *Label3 = nullptr, *Label12 = nullptr;
    QLineEdit *Total_P = nullptr, *KmW_Max = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *Deja_Contacte = nullptr; // the worked-before line beside the entry
    QPushButton *Flag_Kmw = nullptr;

    // Clock display.
    QGroupBox *Frame2 = nullptr;
    QLabel *Label33 = nullptr, *Label34 = nullptr, *Label37 = nullptr;
    QTimer *Timer1 = nullptr;

    // Menu bar entries that have a behaviour of their own in the main window;
    // every other entry is found by its object name.
    QAction *Mnu_Quitter = nullptr, *Mnu_Date_Auto = nullptr, *Mnu_Date_Man = nullptr,
            *Mnu_New_Indicatif = nullptr, *mnu_sortie = nullptr, *Mnu_Imp_Contacte = nullptr,
            *Mnu_Enr_Contacte = nullptr, *Mnu_ADIF = nullptr, *Mnu_Import_Adif = nullptr;
};

} // namespace pendrel::ui
