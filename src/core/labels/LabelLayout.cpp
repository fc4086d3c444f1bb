#include "core/labels/LabelLayout.h"

#include "core/labels/LabelStock.h"
#include "core/storage/QsoRecord.h"

#include <algorithm>
#include <unordered_set>

namespace pendrel::labels {
namespace {

QString sp(int n) { return QString(std::max(n, 0), u' '); }

// One label line built in a buffer on the stack, pieces and blanks written in
// place, then made one string of its own size: 50,000 rows make 250,000 lines.
class Text {
public:
    Text &sp(int n)
    {
        n = std::clamp(n, 0, int(Capacity - m_size));
        std::fill_n(m_text + m_size, n, u' ');
        m_size += n;
        return *this;
    }
    Text &add(QStringView piece)
    {
        const qsizetype n = std::min(piece.size(), Capacity - m_size);
        std::copy_n(piece.utf16(), n, m_text + m_size);
        m_size += n;
        return *this;
    }
    Text &sp(bool when, int n) { return when ? sp(n) : *this; }
    QStringView view() const { return QStringView(m_text, m_size); }
    QString toString() const { return view().toString(); }

private:
    // Two labels' line is at most 85 characters: the callsigns, the
    // transceiver and the antenna are cut or checked before they get here.
    static constexpr qsizetype Capacity = 256;
    char16_t m_text[Capacity];
    qsizetype m_size = 0;
};

// The QSO fields a label prints, read at their log list line columns (views
// into the line); all empty for the empty label after an odd last QSO.
struct LabelQso {
    QStringView call, date, time, mode, band, rst, loc, pwr;
};

LabelQso labelQso(const QString *line)
{
    if (!line)
        return {};
    const auto field = [line](FieldColumns c) { return recordField(*line, c); };
    return {field(ListColumn::Indicatif).trimmed(), field(ListColumn::Date), field(ListColumn::QTR),
            field(ListColumn::Mode), field(ListColumn::QRG), field(ListColumn::RstE),
            field(ListColumn::MyLoc), field(ListColumn::Pwr)};
}

// Format 4 labels are narrower: their lines start one column further in.
bool narrow(const LabelJob &job) { return job.format == 4; }

// The text of the job's language. Literals reach here as arrays, whose
// length is known when compiling; a literal picked by `?:` would be a
// pointer, measured on every one of a job's 250,000 lines.
QStringView inLanguage(const LabelJob &job, QStringView french, QStringView english)
{
    return job.french ? french : english;
}

// Trimmed, without a call for a text that has no blank at either end (most).
QStringView trimmedView(QStringView text)
{
    return text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace()) ? text : text.trimmed();
}

// "De own pour call" centred on the label; `left` adds the trailing padding
// that puts the right label in its column.
void addNames(Text &t, const LabelJob &job, QStringView call, bool left)
{
    QStringView word1 = inLanguage(job, u"De ", u"From ");
    const QStringView word2 = inLanguage(job, u"pour ", u"to ");
    if (narrow(job))
        word1 = inLanguage(job, u" De ", left ? QStringView(u" From ") : QStringView(u"  From "));
    const int w = narrow(job) ? 29 : 31;
    const int l = int(job.ownCallsign.size() + call.size()) + 8;
    if (l >= w) {
        // Too long to centre: no padding, cut at the label's width so that
        // the right label still starts in its column.
        const int width = w - 8 + int(word1.size() + word2.size());
        const Text names = Text().add(word1).add(job.ownCallsign).sp(1).add(word2).add(call);
        const QStringView cut = names.view().left(width);
        t.add(cut).sp(left, width - int(cut.size()));
        return;
    }
    int pad = (w - l) / 2; // w > l: rounds down
    const int r = w - (2 * pad + l);
    int separator = 1;
    if (r == 0) {
        --pad;
        separator = 2;
    }
    t.sp(pad).add(word1).add(job.ownCallsign).sp(separator).add(word2).add(call).sp(left, pad);
}

// The transceiver and antenna names in their columns, first column first.
Text &addTransceiver(Text &text, const LabelJob &job, const LabelQso &q)
{
    const QStringView transceiver = trimmedView(job.transceiver);
    const QStringView antenna = trimmedView(job.antenna);
    return text.add(u"TX ")
        .add(transceiver)
        .sp(TransceiverMaxLength - int(transceiver.size()))
        .add(u" Pwr ")
        .add(q.pwr)
        .add(u"W  Ant ")
        .add(antenna)
        .sp(AntennaMaxLength - int(antenna.size()));
}

Text &addTitle(Text &text, const LabelJob &job, const LabelQso &q)
{
    return text.add(inLanguage(job, u"Activité QRP en ", u"QRP activity in ")).add(q.loc).add(u" QSL: Pse_  Tnx_");
}

Text &addTime(Text &text, const LabelQso &q)
{
    return text.add(u"Time ").add(q.time).add(u" UTC");
}

Text &addRstMode(Text &text, const LabelQso &q)
{
    return text.add(u"RST ").add(q.rst).add(u"  Mode ").add(q.mode);
}

// Appends line `i` of one label (names, date, band, TX, title) to `t`.
void addPart(Text &t, int i, const LabelJob &job, const LabelQso &q, bool left)
{
    const QStringView bd = inLanguage(job, u"Bande ", u"Band ");
    if (i == 0) {
        addNames(t, job, q.call, left);
    } else if (!narrow(job)) {
        const int g = job.french ? 2 : 3;
        const int tail = left ? 1 : 0;
        switch (i) {
        case 1: addTime(t.sp(6).add(u"Date ").add(q.date).sp(3), q).sp(6).sp(tail); break;
        case 2: addRstMode(t.sp(5).add(bd).add(q.band).sp(g), q).sp(left, 5 + tail); break;
        case 3: addTransceiver(t.sp(2), job, q).sp(left, 2 + tail); break;
        default: addTitle(t.sp(2), job, q).sp(left, 2 + tail); break;
        }
    } else {
        const int g = job.french ? 3 : 4;
        const int in = left ? 1 : 0; // the left label's extra first column
        switch (i) {
        case 1: addTime(t.sp(5 + in).add(u"Date ").add(q.date).sp(4), q).sp(5); break;
        case 2: addRstMode(t.sp(4 + in).add(bd).add(q.band).sp(g), q).sp(left, 4); break;
        case 3: addTransceiver(t.sp(1).sp(left, 2), job, q).sp(left, 2); break;
        default: addTitle(t.sp(1).sp(left, 2), job, q).sp(left, 2); break;
        }
    }
}

// Gives a line its font only where the size or the weight changes.
class StepWriter {
public:
    QList<PrintStep> steps;
    void line(int size, bool bold, const QString &text, int split)
    {
        const bool carried = changes(size, bold);
        steps.append(PrintStep::lineIn(carried ? size : 0, carried && bold, text, split));
    }
    void blank(int size, int count = 1)
    {
        if (count > 0)
            steps.append(PrintStep::blankLinesIn(changes(size, false) ? size : 0, count));
    }
    // The printing font, before anything is printed.
    void start(int size)
    {
        steps.append(PrintStep::font(PrintFontFamily, size, false));
        changes(size, false);
    }

private:
    bool changes(int size, bool bold)
    {
        if (size == m_size && bold == m_bold)
            return false;
        m_size = size;
        m_bold = bold;
        return true;
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

} // namespace

QString sheetQuestion(int format)
{
    const QString question = QStringLiteral("Page suivante ?");
    return format == 3 || format == 4 ? sp(15) + question : question;
}

namespace {

// The station's lines of a job (transceiver and power, title and locator)
// take few values in a whole log: each is made once and shared by every row
// that shows it, instead of one string a row.
class StationLines {
public:
    static constexpr int First = 3; // the lines from this one on
    const QString *find(QStringView line) const
    {
        const auto found = m_lines.find(line);
        return found == m_lines.end() ? nullptr : &*found;
    }
    void add(const QString &line)
    {
        if (m_lines.size() >= 4096) // a log whose station changes all the time: start again
            m_lines.clear();
        m_lines.insert(line);
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(QStringView v) const { return qHash(v); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> m_lines;
};

RowLines rowLinesWith(const LabelJob &job, const QString &left, const QString *right, const RowLines *previous,
                      StationLines *station)
{
    const LabelQso l = labelQso(&left), r = labelQso(right);
    RowLines row;
    // Most rows repeat lines of the row before (the station's lines, often
    // the band's): those share its strings instead of allocating their own.
    const auto keep = [&](int i, QStringView text) {
        if (previous && previous->lines[i] == text) {
            row.lines[i] = previous->lines[i];
        } else if (const QString *known = station && i >= StationLines::First ? station->find(text) : nullptr) {
            row.lines[i] = *known;
        } else {
            row.lines[i] = text.toString();
            if (station && i >= StationLines::First)
                station->add(row.lines[i]);
        }
    };
    for (int i = 0; i < RowTextLines; ++i) {
        // Each line in one string: the left label's part, then the right one's.
        Text line;
        addPart(line, i, job, l, true);
        if (!right) {
            // The left part alone, without the padding that led to the right one.
            QStringView alone = line.view();
            while (!alone.isEmpty() && alone.back() == u' ')
                alone.chop(1);
            keep(i, alone);
            continue;
        }
        row.splits[i] = int(line.view().size());
        addPart(line, i, job, r, false);
        keep(i, line.view());
    }
    return row;
}

} // namespace

RowLines rowLines(const LabelJob &job, const QString &left, const QString *right, const RowLines *previous)
{
    return rowLinesWith(job, left, right, previous, nullptr);
}

QList<PrintStep> labelSteps(const LabelJob &job)
{
    StepWriter out;
    out.steps.reserve(10 * (job.qsoLines.size() / 2 + 2)); // about the steps of a row, a row for two QSOs
    out.steps.append(PrintStep::sheets());
    out.start(10);
    const Spacing space = spacing(job.format);
    const LabelStock &stock = labelStock(job.format);
    // The places of the rows of a sheet, the same on every sheet.
    std::array<PrintStep, RowsPerSheet> places;
    for (int row = 1; row <= RowsPerSheet; ++row)
        places[row - 1] = PrintStep::place(row, stock.leftLabel(row, job.offsetDown, job.offsetRight),
                                           stock.secondColumn(job.offsetRight));
    int rows = 0;
    RowLines previous;
    StationLines station;
    for (qsizetype i = 0; i < job.qsoLines.size(); i += 2) {
        const QString *right = i + 1 < job.qsoLines.size() ? &job.qsoLines[i + 1] : nullptr;
        previous = rowLinesWith(job, job.qsoLines[i], right, &previous, &station);
        printRow(out, space, places[rows], previous);
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
        if (step.setsFont()) {
            size = step.pointSize;
            bold = step.bold;
        }
        switch (step.kind) {
        case PrintStep::Kind::Font: break;
        case PrintStep::Kind::Line:
            out.append(QStringLiteral("L %1 %2 ").arg(size).arg(bold ? QStringLiteral("B") : QStringLiteral("N")) +
                       step.text);
            break;
        case PrintStep::Kind::BlankLine:
            for (int n = 0; n < step.lines; ++n)
                out.append(QStringLiteral("B %1").arg(size));
            break;
        case PrintStep::Kind::Question: out.append(QStringLiteral("Q ") + step.text); break;
        case PrintStep::Kind::EndJob: out.append(QStringLiteral("E")); break;
        case PrintStep::Kind::AbandonJob: out.append(QStringLiteral("A")); break;
        case PrintStep::Kind::Place: {
            // Millimetres to a hundredth at most, as a person writes them ("12.9", "216.3").
            const auto mm = [](double v) { return QString::number(v, 'g', 6); };
            const RowPlace &place = step.rowPlace();
            out.append(QStringLiteral("R %1 %2 %3 %4 %5")
                           .arg(step.pointSize)
                           .arg(mm(place.area.top()), mm(place.area.left()), mm(place.area.height()),
                                mm(place.secondColumn)));
            break;
        }
        case PrintStep::Kind::NewPage:
        case PrintStep::Kind::Sheets: break;
        }
    }
    return out;
}

} // namespace pendrel::labels
