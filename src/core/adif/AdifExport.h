#pragma once
#include "core/storage/TextFile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pendrel {

// The ADIF record of one record line of the log, on one line:
// <call:5>FXXXX<name:4>Jean<gridsquare:6>JN03TJ<band:3>40m<mode:2>CW
// <qso_date:8>20080125<time_on:4>1435<rst_rcvd:3>599<rst_sent:3>579<comment:8>Toulouse<eor>
QString ADIF_SP(QStringView Poubelle);

namespace adif {

// Name of the exported file: the callsign followed by "_QRP.adi".
QString exportFileName(const QString &callsign);
// The six header lines of an exported file.
QStringList exportHeader(const QString &callsign);

struct ExportResult {
    bool ok = false;
    QString path;     // the file written
    int qsoCount = 0; // records written
    QString message;  // French: the closing message, or why nothing was written
};

// Writes the fixed station's log of `callsign` as <callsign>_QRP.adi in
// `folder` (windows-1252, CR LF), replacing any earlier export in one step.
ExportResult exportFixedLog(const QString &folder, const QString &callsign,
                            FileWriter &writer = FileWriter::standard());

} // namespace adif
} // namespace pendrel
