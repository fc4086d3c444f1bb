#pragma once
#include <QString>
#include <cstdio>

namespace pendrel::bench {

// One row of the table that scripts/bench gathers from every benchmark:
// operation, size, time and floor in milliseconds (their ratio is worked out
// there) and, where an independent program does the same work, its time.
// Written tab-separated behind "TABLE", apart from each benchmark's own lines.
inline void tableRow(const QString &operation, const QString &size, double ms, double floorMs, double peerMs = 0,
                     const QString &peer = {})
{
    const QString peerText = peerMs > 0 ? QStringLiteral("%1 %2 ms").arg(peer).arg(peerMs, 0, 'f', 1) : QString();
    std::printf("TABLE\t%s\t%s\t%.3f\t%.3f\t%s\n", qPrintable(operation), qPrintable(size), ms, floorMs,
                qPrintable(peerText));
    std::fflush(stdout);
}

} // namespace pendrel::bench
