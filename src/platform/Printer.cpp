#include "platform/Printer.h"

#include <algorithm>

namespace pendrel {
namespace {

bool printsSomething(const QList<PrintStep> &steps)
{
    return std::any_of(steps.begin(), steps.end(), [](const PrintStep &s) {
        return s.kind == PrintStep::Kind::Line || s.kind == PrintStep::Kind::BlankLine;
    });
}

} // namespace

QList<SheetJob> sheetJobs(const QList<PrintStep> &steps)
{
    QList<SheetJob> jobs(1);
    const bool sheets = !steps.isEmpty() && steps.first().kind == PrintStep::Kind::Sheets;
    PrintStep font = PrintStep::font(PrintFontFamily, 10, false);
    for (const PrintStep &step : steps) {
        if (step.kind == PrintStep::Kind::Font)
            font = step;
        if (step.kind != PrintStep::Kind::Question) {
            jobs.last().steps.append(step);
            continue;
        }
        jobs.last().question = step.text;
        // The next job starts as the first did, in the font in use.
        jobs.append(SheetJob());
        if (sheets)
            jobs.last().steps.append(PrintStep::sheets());
        jobs.last().steps.append(font);
    }
    // The steps of a job run to its EndJob; what follows the question before
    // it belongs to the job the question closes.
    for (qsizetype i = 1; i < jobs.size(); ++i) {
        QList<PrintStep> &next = jobs[i].steps;
        const qsizetype head = sheets ? 2 : 1;
        while (next.size() > head && next[head].kind == PrintStep::Kind::EndJob) {
            jobs[i - 1].steps.append(next[head]);
            next.remove(head);
        }
    }
    while (jobs.size() > 1 && !printsSomething(jobs.last().steps)) {
        jobs.removeLast();
        jobs.last().question.clear();
    }
    return jobs;
}

bool Printer::printSheets(const QList<PrintStep> &steps, const SheetQuestion &ask)
{
    if (!ask)
        return print(steps);
    const QList<SheetJob> jobs = sheetJobs(steps);
    for (const SheetJob &job : jobs) {
        if (!print(job.steps))
            return false;
        if (job.question.isEmpty() || !ask(job.question))
            break;
    }
    return true;
}

} // namespace pendrel
