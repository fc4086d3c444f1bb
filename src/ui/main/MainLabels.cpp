// The QSL labels from the main window: the selection window on the log of the
// station kind shown, then the label window it opens.
#include "core/labels/QsoSelection.h"
#include "ui/labels/Select_QSO.h"
#include "ui/main/Main.h"

#include <QLabel>

namespace pendrel::ui {

void Main::openLabelWindows()
{
    const LabelContext context{m_platform, m_state.StationCallsign, [this] {
                                   return stationKind() == StationKind::Fixed ? m_c.I_Station->text()
                                                                              : m_c.I_Station_P->text();
                               }};
    openLabelSelection(
        this,
        [this] {
            QString error;
            QStringList lines = labels::labelLogLines(m_platform.dataFolder, m_state.StationCallsign, stationKind(),
                                                      &error);
            if (!error.isEmpty())
                m_platform.dialogs.message(error);
            return lines;
        },
        context);
}

} // namespace pendrel::ui
