#include "core/entry/LogLineActions.h"

#include "core/storage/QsoRecord.h"

#include <limits>

namespace pendrel {
namespace {

// A number as the captions write it: one leading blank, or the minus sign.
QString signedNumber(int n)
{
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

// Leading and trailing blanks removed (blanks only: a tab stays).
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

const QList<EntryField> kEmptiedByClear = {
    EntryField::Ind_A, EntryField::Dpt_A,  EntryField::Prenom_A, EntryField::Loc_A, EntryField::Date_A,
    EntryField::Heure_A, EntryField::Rem_A, EntryField::KmW_A,   EntryField::QRB_A, EntryField::Pts_A,
};

} // namespace

QString nextQsoLine(StationKind kind, int selectedIndex, qint16 outingQsoCount, const QString &lStation,
                    const QString &lStationP)
{
    if (kind == StationKind::Fixed)
        return QStringLiteral("QSO N°") + signedNumber(selectedIndex + 2) +
               QStringLiteral(" depuis la station fixe en ") + lStation;
    return QStringLiteral("QSO N°") + signedNumber(outingQsoCount) +
           QStringLiteral(" depuis la station portable en ") + lStationP;
}

QList<FieldText> clearedEntryTexts()
{
    QList<FieldText> out;
    for (EntryField field : kEmptiedByClear)
        out.append({field, QString()});
    out.append({EntryField::RST_A, QStringLiteral("59")});
    out.append({EntryField::RSTE_A, QStringLiteral("59")});
    return out;
}

QList<FieldText> validatedEntryTexts()
{
    QList<FieldText> out = clearedEntryTexts();
    out.append({EntryField::Boni_A, QString()});
    return out;
}

EditLoad loadForEdit(const QString &selectedLogLine, int selectedIndex)
{
    EditLoad load;
    if (selectedLogLine.isEmpty()) {
        load.message = QStringLiteral("Cliquez sur une ligne pour l'editer");
        return load;
    }
    const QsoRecord r = QsoRecord::fromListLine(selectedLogLine);
    load.fills = {
        {EntryField::Ind_A, trimBlanks(r.Indicatif)}, {EntryField::Dpt_A, trimBlanks(r.Dpt)},
        {EntryField::Prenom_A, trimBlanks(r.Prenom)}, {EntryField::Loc_A, trimBlanks(r.Loc)},
        {EntryField::Date_A, r.Date},                 {EntryField::Heure_A, r.QTR},
        {EntryField::Mode_A, trimBlanks(r.Mode)},     {EntryField::Bande_A, trimBlanks(r.QRG)},
        {EntryField::RST_A, trimBlanks(r.RstR)},      {EntryField::RSTE_A, trimBlanks(r.RstE)},
        {EntryField::Rem_A, trimBlanks(r.QTH)},       {EntryField::QRB_A, trimBlanks(r.QRB)},
        {EntryField::KmW_A, trimBlanks(r.KmW)},       {EntryField::Pts_A, trimBlanks(r.Pts)},
        {EntryField::Boni_A, trimBlanks(r.Bonus)},
    };
    load.frameCaption = QStringLiteral("Edition du QSO N°") + signedNumber(selectedIndex + 1);
    return load;
}

DeletePlan planDelete(const QString &selectedLogLine, StationKind kind, const QString &lStationP,
                      qint16 outingQsoCount, bool outingBonusEarned)
{
    DeletePlan plan;
    if (selectedLogLine.isEmpty()) {
        plan.message = QStringLiteral("Cliquez sur une ligne pour l'effacer");
        return plan;
    }
    const QsoRecord r = QsoRecord::fromListLine(selectedLogLine);
    plan.question = QStringLiteral("Voulez vous Supprimer ce QSO ?");
    plan.recordLine = r.recordLine();
    // The list shows the log of the selected kind: a fixed QSO never counts in an outing.
    if (kind != StationKind::Portable || r.MyLoc != lStationP)
        return plan;
    if (outingQsoCount > std::numeric_limits<qint16>::min())
        plan.outingQsoCount = qint16(outingQsoCount - 1);
    const QString bonus = trimBlanks(r.Bonus);
    if (!outingBonusEarned || bonus.isEmpty())
        return plan;
    // The counter numbers the next QSO: the outing keeps counter - 1 QSOs.
    if (plan.outingQsoCount.value_or(outingQsoCount) - 1 >= 5)
        plan.bonusToMove = bonus;
    else
        plan.outingBonusEarned = false;
    return plan;
}

std::optional<BonusHeir> bonusHeir(const QStringList &recordLines, const QString &lStationP, const QString &bonus)
{
    for (qsizetype i = recordLines.size() - 1; i >= 0; --i) {
        const QString &line = recordLines[i];
        if (QsoRecord::recordField(line, &QsoRecord::MyLoc) != lStationP ||
            !QsoRecord::recordField(line, &QsoRecord::Bonus).trimmed().isEmpty())
            continue;
        BonusHeir heir{line, line.leftJustified(QsoRecord::RecordLineLength, u' ')};
        QsoRecord::writeField(heir.newRecordLine, &QsoRecord::Bonus, bonus);
        return heir;
    }
    return std::nullopt;
}

} // namespace pendrel
