#pragma once
#include <QString>

namespace pendrel {
class SettingsStore;
}

namespace pendrel::labels {

// The label choices kept for next time in the callsign's settings section.
struct LabelChoices {
    QString transceiver;
    QString antenna;
    bool french = true;
    int format = 1; // 0: a stored value outside 1-4, no stock chosen
    // The printer's calibration: how far every label's text moves down and to
    // the right, in millimetres (0 when none is stored or it is not a number).
    double offsetDown = 0, offsetRight = 0;
};

// The calibration a printer may need at most, each way.
inline constexpr double MaxLabelOffset = 10.0;

// The stock the labels are laid out on: the chosen one, or the first when
// none is (a stored value out of range).
int printedFormat(const LabelChoices &choices);

LabelChoices loadLabelChoices(const SettingsStore &store, const QString &callsign);
// Writes the six settings; a format of 0 leaves "Format etiquette" as it is.
void saveLabelChoices(SettingsStore &store, const QString &callsign, const LabelChoices &choices);

// The message refusing a too-long transceiver or antenna name (lengths as
// typed), or an empty text when both fit.
QString lengthMessage(const QString &transceiver, const QString &antenna);

// The own callsign on the labels: as the main window shows it for the station kind.
QString ownCallsignShown(const QString &storedCallsign, bool portable);

} // namespace pendrel::labels
