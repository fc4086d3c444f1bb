#pragma once
#include "core/adif/AdifReader.h"
#include "core/storage/LogStore.h"
#include "core/storage/TextFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace pendrel::adif {

// The question asked before an import.
QString importQuestion(const QString &ownLocator, const QString &power);
// The message shown when the operator closes the file chooser without a file.
QString noFileChosenMessage();
// Filter of the file chooser.
QString importFileFilter();

struct ImportRequest {
    QString dataFolder;
    QString callsign;           // StationCallsign
    StationKind kind = StationKind::Fixed;
    QString ownLocator;         // of the station kind selected
    QString power;              // of the station kind selected, in watts
    int outingQsoCount = 1;     // OutingQsoCount
    QDate today;                // the computer's local date
    QString adifPath;           // the file chosen
};

struct ImportResult {
    bool ok = false;            // the log was rewritten with the imported QSOs
    bool cancelled = false;     // the operator stopped it: the log is untouched
    qsizetype imported = 0;     // the record lines written, one after the other,
    qsizetype insertedAt = 0;   // from this index among the log's lines
    int outingQsoCount = 1;     // OutingQsoCount after the import
    // French texts to show in turn, each in its own box: the replacements made
    // (one per kind), or the one reason the log was left untouched.
    QStringList messages;
    // Shown last when the import went through: how many QSOs it added to which
    // log, those it left out (already there, off the contest's bands) and the
    // power rule.
    QString summary;
};

// Reads the ADIF file and places its QSOs, as one block, in the log of the
// station kind before the first QSO that is not earlier than the file's first
// QSO (at the end when none is). The log is rewritten once, in one atomic
// step: on any failure, refusal or cancellation it stays as it was.
// The import is an outing of its own: its fifth QSO earns the bonus of a
// portable station, and the live outing counter is handed back unchanged.
ImportResult importFile(const ImportRequest &request, const Progress &progress = {},
                        FileWriter &writer = FileWriter::standard());

} // namespace pendrel::adif
