#pragma once
#include <QStringList>

// pendrel-cli report [--call CALL] [--portable]: the contacted-stations report
// file; `args` are the words after "report". Returns the exit code.
int reportCommand(const QStringList &args);
