#pragma once
#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace pendrel::bench {

// Best of `runs` timings, in milliseconds: the run least disturbed by the machine.
inline double bestMs(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// Best of `runs` timings of `work` and of its `floor`, taken in turns: a
// moment when the machine is slower slows both, and their ratio holds.
struct PairMs {
    double work, floor;
};
inline PairMs bestPairMs(int runs, const std::function<void()> &floor, const std::function<void()> &work)
{
    PairMs best{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        best.floor = std::min(best.floor, bestMs(1, floor));
        best.work = std::min(best.work, bestMs(1, work));
    }
    return best;
}

} // namespace pendrel::bench
