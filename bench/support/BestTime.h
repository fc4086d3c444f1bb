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

} // namespace pendrel::bench
