#pragma once
#include "core/storage/LogStore.h"
#include "platform/Clock.h"
#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pendrel {

// The report of the stations contacted, saved (Mnu_Enr_Contacte) or printed
// (Mnu_Imp_Contacte), made from the log file of one station kind.
namespace contact_report {

inline constexpr int PrintPointSize = 8;

// Today's local date as the report shows it: "JJ/MM/AAAA".
QString todayText(const Clock &clock);
// "QRP_Contacte_<callsign>_DD_MM_YY.txt" for a date "JJ/MM/AAAA".
QString fileName(const QString &callsign, const QString &today);
// The lines of the file, without their line ends.
QStringList fileLines(const QString &callsign, const QString &today, const QStringList &recordLines);
// The print job: font, lines, end of job. No page breaks of its own: the
// printing surface turns the page when it is full, whatever the paper size.
QList<PrintStep> printSteps(const QString &callsign, const QString &today, const QStringList &recordLines);

} // namespace contact_report

struct ReportResult {
    bool ok = false;
    QString message;  // French, for the operator: the closing message or why it failed
    QString fileName; // of the saved report, without folder
};

// Writes the report of `callsign`'s log of `kind` into `folder`, replacing a
// report of the same name.
ReportResult saveContactReport(const QString &folder, const QString &callsign, StationKind kind, const Clock &clock,
                               FileWriter &writer = FileWriter::standard());

// Prints the same report (without the QTH) once the operator has chosen a
// printer. `ok` is false with a message when the log cannot be read or the
// printer fails; a cancelled choice is ok with no message.
ReportResult printContactReport(const QString &folder, const QString &callsign, StationKind kind,
                                const Clock &clock, Printer &printer);

} // namespace pendrel
