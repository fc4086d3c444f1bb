#pragma once
#include "core/entry/EntryFields.h"
#include "core/entry/FieldRules.h"
#include "core/storage/LogStore.h"

#include <QString>
#include <optional>

namespace pendrel {

// The best-km/W reminder raised when a QSO beats the best km/W of the log.
struct BestKmWAlarm {
    bool fires = false;
    QString text;       // message (OK) to show; Flag_Kmw becomes visible
    QString settingKey; // "Meilleur KmW_F" or "Meilleur KmW_P", to store as "True"
};

enum class StoreAction { Append, InsertByDate, Replace };

// Everything "Valider le QSO" does, worked out from the fields. The window
// applies it in this order:
// 1. verdict refused: a field was changed after its Enter and no longer passes
//    its rule; show verdict.message, focus verdict.focus, keep the line;
// 2. when `powerQuestion` is set (a CW or digital QSO above 5 W), ask it
//    (Yes/No); No: focus the power field of the station kind, keep the line;
//    then ask `question` (Yes/No); No: reset the entry line, nothing stored;
// 3. Yes: Prenom_A = prenom; SaveFirstName(firstNameLine); store recordLine
//    by `store` (Replace: ReplaceQso(recordLine, oldRecordLine)). When the
//    store fails, show its message and keep the entry line as typed: the QSO is
//    not lost and nothing below happens;
// 4. alarm: when it fires, show Flag_Kmw, show alarm.text, store
//    alarm.settingKey = "True";
// 5. outingQsoCount: when set, it becomes OutingQsoCount, shown in Label23 and
//    stored as "Bonus"; outingBonusEarned: when set, it becomes
//    OutingBonusEarned, stored as "Bonus Sortie";
// 6. reset the entry line and set the next-QSO line (nextQsoLine), in every
//    path, so that the frame never keeps the caption of an ended edit.
struct ValidationPlan {
    FieldVerdict verdict;
    QString question;
    QString powerQuestion;
    QString prenom;        // Prenom_A in upper case
    QString firstNameLine; // the callsign's line of the first-name directory
    QString recordLine;    // 136 characters
    BestKmWAlarm alarm;
    std::optional<qint16> outingQsoCount;
    std::optional<bool> outingBonusEarned;
    StoreAction store = StoreAction::Append;
    QString oldRecordLine; // Replace: the edited QSO's record line, rebuilt from EditedLogLine
};

ValidationPlan planValidation(const EntryFields &fields);

// Text of the best-km/W message for the station kind.
QString bestKmWAlarmText(StationKind kind, const QString &kmw);

// A first name in upper case, letter by letter; a letter whose capital the
// log files cannot hold (µ) and one without a single capital (ß) stay as typed,
// so the name keeps its length and its code page.
QString upperCaseName(const QString &name);

} // namespace pendrel
