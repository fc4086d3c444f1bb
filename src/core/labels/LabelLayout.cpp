#include "core/labels/LabelLayout.h"

#include "core/labels/LabelStock.h"
#include "core/storage/QsoRecord.h"

#include <algorithm>

namespace pendrel::labels {
namespace {

QString sp(int n) { return QString(std::max(n, 0), u' '); }

// The QSO fields a label prints, read at their log list line columns; all
// empty for the empty label after an odd last QSO.
struct LabelQso {
    QString call, date, time, mode, band, rst, loc, pwr;
};

LabelQso labelQso(const QString *line)
{
    if (!line)
        return {};
    const auto field = [line](FieldColumns c) { return recordField(*line, c).toString(); };
    return {field(ListColumn::Indicatif).trimmed(), field(ListColumn::Date), field(ListColumn::QTR),
            field(ListColumn::Mode), field(ListColumn::QRG), field(ListColumn::RstE),
            field(ListColumn::MyLoc), field(ListColumn::Pwr)};
}

// Format 4 labels are narrower: their lines start one column further in.
bool narrow(const LabelJob &job) { return job.format == 4; }

// "De own pour call" centred on the label; `left` adds the trailing padding
// that puts the right label in its column.
QString namesPart(const LabelJob &job, const QString &call, bool left)
{
    QString word1 = job.french ? QStringLiteral("De ") : QStringLiteral("From ");
    const QString word2 = job.french ? QStringLiteral("pour ") : QStringLiteral("to ");
    if (narrow(job))
        word1 = job.french ? QStringLiteral(" De ") : (left ? QStringLiteral(" From ") : QStringLiteral("  From "));
    const int w = narrow(job) ? 29 : 31;
    const int l = int(job.ownCallsign.size() + call.size()) + 8;
    if (l >= w) {
        // Too long to centre: no padding, cut at the label's width so that
        // the right label still starts in its column.
        const int width = w - 8 + int(word1.size() + word2.size());
        return (word1 + job.ownCallsign + u' ' + word2 + call).left(width).leftJustified(left ? width : 0);
    }
    int pad = (w - l) / 2; // w > l: rounds down
    const int r = w - (2 * pad + l);
    QString separator = QStringLiteral(" ");
    if (r == 0) {
        --pad;
        separator = QStringLiteral("  ");
    }
    return sp(pad) + word1 + job.ownCallsign + separator + word2 + call + (left ? sp(pad) : QString());
}

// The antenna name in its 13 columns, first column first.
QString antennaField(const LabelJob &job) { return job.antenna.trimmed().leftJustified(AntennaMaxLength); }

QString transceiverField(const LabelJob &job) { return job.transceiver.trimmed().leftJustified(TransceiverMaxLength); }

QString title(const LabelJob &job, const LabelQso &q)
{
    return (job.french ? QStringLiteral("Activité QRP en ") : QStringLiteral("QRP activity in ")) + q.loc +
           QStringLiteral(" QSL: Pse_  Tnx_");
}

// Date, band, TX and title parts of one label.
QStringList otherParts(const LabelJob &job, const LabelQso &q, bool left)
{
    const QString bd = job.french ? QStringLiteral("Bande ") : QStringLiteral("Band ");
    const QString time = QStringLiteral("Time ") + q.time + QStringLiteral(" UTC");
    const QString rstMode = QStringLiteral("RST ") + q.rst + QStringLiteral("  Mode ") + q.mode;
    const QString tx = QStringLiteral("TX ") + transceiverField(job) + QStringLiteral(" Pwr ") + q.pwr +
                       QStringLiteral("W  Ant ") + antennaField(job);
    if (!narrow(job)) {
        const QString g = job.french ? sp(2) : sp(3);
        const QString tail = left ? QStringLiteral(" ") : QString();
        return {sp(6) + QStringLiteral("Date ") + q.date + sp(3) + time + sp(6) + tail,
                sp(5) + bd + q.band + g + rstMode + (left ? sp(5) + tail : QString()),
                sp(2) + tx + (left ? sp(2) + tail : QString()),
                sp(2) + title(job, q) + (left ? sp(2) + tail : QString())};
    }
    const QString g = job.french ? sp(3) : sp(4);
    const QString in = left ? QStringLiteral(" ") : QString(); // the left label's extra first column
    return {sp(5) + in + QStringLiteral("Date ") + q.date + sp(4) + time + sp(5),
            sp(4) + in + bd + q.band + g + rstMode + (left ? sp(4) : QString()),
            sp(1) + (left ? sp(2) : QString()) + tx + (left ? sp(1) + QStringLiteral(" ") : QString()),
            sp(1) + (left ? sp(2) : QString()) + title(job, q) + (left ? sp(1) + QStringLiteral(" ") : QString())};
}

// Emits font changes only where the size or the weight changes.
class StepWriter {
public:
    QList<PrintStep> steps;
    void line(int size, bool bold, const QString &text, int split)
    {
        font(size, bold);
        steps.append(PrintStep::line(text, split));
    }
    void blank(int size, int count = 1)
    {
        font(size, false);
        for (int i = 0; i < count; ++i)
            steps.append(PrintStep::blankLine());
    }

private:
    void font(int size, bool bold)
    {
        if (size == m_size && bold == m_bold)
            return;
        steps.append(PrintStep::font(PrintFontFamily, size, bold));
        m_size = size;
        m_bold = bold;
    }
    int m_size = 0;
    bool m_bold = false;
};

// Blank lines of each stock: above the names line at the top of a sheet,
// below the names line, between the band and TX lines, between two rows.
struct Spacing {
    QList<int> top;
    int afterNames, beforeTx, betweenRows;
};

Spacing spacing(int format)
{
    switch (format) {
    case 3: return {{}, 5, 5, 27};
    case 4: return {{10, 10}, 9, 10, 13};
    default: return {{10, 10, 8}, 9, 10, 10};
    }
}

// The row's lines and gaps as the labels have always been laid out; the
// Place step before the names line puts the row on its labels.
void printRow(StepWriter &out, const Spacing &space, const PrintStep &place, const RowLines &row)
{
    if (place.pointSize == 1)
        for (int size : space.top)
            out.blank(size);
    out.steps.append(place);
    const auto line = [&](int i, int size, bool bold) { out.line(size, bold, row.lines[i], row.splits[i]); };
    line(0, 15, true);
    out.blank(space.afterNames);
    line(1, 11, false);
    line(2, 11, false);
    out.blank(space.beforeTx);
    line(3, 11, false);
    line(4, 11, true);
}

// The left part alone, without the padding that led to the right one.
QString leftOnly(const QString &part)
{
    qsizetype end = part.size();
    while (end > 0 && part[end - 1] == u' ')
        --end;
    return part.left(end);
}

} // namespace

QString sheetQuestion(int format)
{
    const QString question = QStringLiteral("Page suivante ?");
    return format == 3 || format == 4 ? sp(15) + question : question;
}

RowLines rowLines(const LabelJob &job, const QString &left, const QString *right)
{
    const LabelQso l = labelQso(&left);
    const QStringList leftParts = QStringList{namesPart(job, l.call, true)} + otherParts(job, l, true);
    RowLines row;
    if (!right) {
        for (const QString &part : leftParts) {
            row.lines.append(leftOnly(part));
            row.splits.append(0);
        }
        return row;
    }
    const LabelQso r = labelQso(right);
    const QStringList rightParts = QStringList{namesPart(job, r.call, false)} + otherParts(job, r, false);
    for (int i = 0; i < leftParts.size(); ++i) {
        row.lines.append(leftParts[i] + rightParts[i]);
        row.splits.append(int(leftParts[i].size()));
    }
    return row;
}

QList<PrintStep> labelSteps(const LabelJob &job)
{
    StepWriter out;
    out.steps.append(PrintStep::sheets());
    out.blank(10, 0); // the printing font, before anything is printed
    const Spacing space = spacing(job.format);
    const LabelStock &stock = labelStock(job.format);
    int rows = 0;
    for (qsizetype i = 0; i < job.qsoLines.size(); i += 2) {
        const QString *right = i + 1 < job.qsoLines.size() ? &job.qsoLines[i + 1] : nullptr;
        const PrintStep place = PrintStep::place(rows + 1, stock.leftLabel(rows + 1, job.offsetDown, job.offsetRight),
                                                 stock.secondColumn(job.offsetRight));
        printRow(out, space, place, rowLines(job, job.qsoLines[i], right));
        ++rows;
        if (rows == RowsPerSheet) {
            // The sheet goes to the printer; after a Yes to the question the
            // next sheet starts as the first did, without a gap above it.
            if (job.stopEachSheet)
                out.steps.append(PrintStep::question(sheetQuestion(job.format)));
            out.steps.append(PrintStep::endJob());
            rows = 0;
        } else {
            out.blank(space.betweenRows);
        }
    }
    out.steps.append(rows == 0 ? PrintStep::abandonJob() : PrintStep::endJob());
    return out.steps;
}

QStringList stepLines(const QList<PrintStep> &steps)
{
    QStringList out;
    int size = 0;
    bool bold = false;
    for (const PrintStep &step : steps) {
        switch (step.kind) {
        case PrintStep::Kind::Font:
            size = step.pointSize;
            bold = step.bold;
            break;
        case PrintStep::Kind::Line:
            out.append(QStringLiteral("L %1 %2 ").arg(size).arg(bold ? QStringLiteral("B") : QStringLiteral("N")) +
                       step.text);
            break;
        case PrintStep::Kind::BlankLine: out.append(QStringLiteral("B %1").arg(size)); break;
        case PrintStep::Kind::Question: out.append(QStringLiteral("Q ") + step.text); break;
        case PrintStep::Kind::EndJob: out.append(QStringLiteral("E")); break;
        case PrintStep::Kind::AbandonJob: out.append(QStringLiteral("A")); break;
        case PrintStep::Kind::Place: {
            // Millimetres to a hundredth at most, as a person writes them ("12.9", "216.3").
            const auto mm = [](double v) { return QString::number(v, 'g', 6); };
            out.append(QStringLiteral("R %1 %2 %3 %4 %5")
                           .arg(step.pointSize)
                           .arg(mm(step.area.top()), mm(step.area.left()), mm(step.area.height()),
                                mm(step.secondColumn)));
            break;
        }
        case PrintStep::Kind::NewPage:
        case PrintStep::Kind::Sheets: break;
        }
    }
    return out;
}

} // namespace pendrel::labels
