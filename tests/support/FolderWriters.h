// Every change the program makes to a file of the data folder, to run the same
// check on each: the lock, hostile files, permissions.
#pragma once
#include "core/adif/AdifImport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/DataFolderLock.h"
#include "core/storage/FirstNameDirectory.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include "support/TempFolder.h"

#include <QProcess>

#include <functional>

namespace pendrel::test {

inline const QString kCall = QStringLiteral("F0ABC");
inline const QString kFixed = QStringLiteral("F0ABC_QRP.log");

inline QString qso(const QString &call, const QString &time = QStringLiteral("10:00"))
{
    QsoRecord r;
    r.Indicatif = call; r.Date = "01/02/08"; r.QTR = time; r.Mode = "CW"; r.QRG = "7.0 Mhz";
    r.RstR = "599"; r.RstE = "579"; r.MyLoc = "JN18GU"; r.Pwr = "5"; r.Pts = "1";
    return r.recordLine();
}

inline QStringList fileLines(const TempFolder &folder, const QString &name)
{
    return splitLines(cp1252::decode(folder.read(name)));
}

using Op = std::function<StoreResult(const QString &folder)>;

// Every change the program makes to a file of the data folder, and the file it changes.
struct Writer {
    const char *name;
    QString file;
    Op run;
};

inline QList<Writer> writers(const QString &adifPath)
{
    const QString n = qso("F1NEW", "11:00");
    return {
        {"append", kFixed, [n](const QString &f) { return LogStore(f).AppendQso(kCall, StationKind::Fixed, n); }},
        {"replace", kFixed,
         [n](const QString &f) { return LogStore(f).ReplaceQso(kCall, StationKind::Fixed, n, qso("F1AAA"), 1); }},
        {"delete", kFixed,
         [](const QString &f) { return LogStore(f).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1); }},
        {"insert", kFixed,
         [n](const QString &f) { return LogStore(f).InsertQsoByDate(kCall, StationKind::Fixed, n); }},
        {"create", QStringLiteral("F6NEW_QRP.log"), [](const QString &f) { return LogStore(f).CreateLogFiles("F6NEW"); }},
        {"first name", FirstNameDirectory::FileName,
         [](const QString &f) {
             return FirstNameDirectory(f).SaveFirstName(FirstNameDirectory::entryLine("F1AAA", "29", "YVES"));
         }},
        {"import", kFixed,
         [adifPath](const QString &f) {
             adif::ImportRequest request;
             request.dataFolder = f;
             request.callsign = kCall;
             request.ownLocator = "JN18GU";
             request.power = "5";
             request.today = QDate(2026, 3, 15);
             request.adifPath = adifPath;
             const adif::ImportResult r = adif::importFile(request);
             return StoreResult{r.ok, r.messages.join(u'\n')};
         }},
    };
}

inline const QByteArray kAdif = "<CALL:5>F5ADI <QSO_DATE:8>20080201 <TIME_ON:4>1200 <BAND:3>40m <MODE:2>CW <EOR>\r\n";

inline void prepare(const TempFolder &folder)
{
    folder.write(kFixed, encodeLines({qso("F1AAA"), qso("F1BBB")}));
    folder.write(FirstNameDirectory::FileName, "F1AAA        35 PAUL\r\n");
    folder.write("in.adi", kAdif);
    folder.write("FXXXX.txt", encodeLines({qso("F9TPL")}));
}

// Restores the default wait when a test shortened it.
struct ShortWait {
    explicit ShortWait(int ms) { DataFolderLock::setWaitMilliseconds(ms); }
    ~ShortWait() { DataFolderLock::setWaitMilliseconds(5000); }
};

// The number of a process that ran and no longer runs, as a killed writer's lock names it.
inline qint64 deadProcessNumber()
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    if (!gone.waitForStarted())
        return 0;
    const qint64 pid = gone.processId();
    return gone.waitForFinished() ? pid : 0;
}

} // namespace pendrel::test
