#include "platform/Printer.h"

#include <algorithm>

namespace pendrel {

bool linesFollow(const QList<PrintStep> &steps, qsizetype from)
{
    return std::any_of(steps.begin() + std::min(from, steps.size()), steps.end(), [](const PrintStep &s) {
        return s.kind == PrintStep::Kind::Line || s.kind == PrintStep::Kind::BlankLine;
    });
}

QList<SheetJob> sheetJobs(const QList<PrintStep> &steps)
{
    QList<SheetJob> jobs(1);
    const bool sheets = !steps.isEmpty() && steps.first().kind == PrintStep::Kind::Sheets;
    const qsizetype head = sheets ? 2 : 1; // what a following job starts with
    PrintStep font = PrintStep::font(PrintFontFamily, 10, false);
    for (const PrintStep &step : steps) {
        if (step.setsFont())
            font = PrintStep::font(step.fontFamily(), step.pointSize, step.bold);
        if (step.kind == PrintStep::Kind::Question) {
            jobs.last().question = step.text;
            // The next job starts as the first did, in the font in use.
            jobs.append(SheetJob());
            if (sheets)
                jobs.last().steps.append(PrintStep::sheets());
            jobs.last().steps.append(font);
        } else if (step.kind == PrintStep::Kind::EndJob && jobs.size() > 1 && jobs.last().steps.size() == head) {
            jobs[jobs.size() - 2].steps.append(step); // the end of the sheet its question closes
        } else {
            jobs.last().steps.append(step);
        }
    }
    while (jobs.size() > 1 && !linesFollow(jobs.last().steps, 0)) {
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
