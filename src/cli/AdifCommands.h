#pragma once
#include <QStringList>

namespace pendrel::cli {

// `pendrel-cli export [--call CALL]`: writes <CALL>_QRP.adi from the fixed
// station's log, as the menu does, and prints its closing message.
// `args` are the arguments after the command name. Returns the exit code.
int exportCommand(const QStringList &args);

// `pendrel-cli import FILE [--call CALL] [--portable]`: imports FILE into the
// log of that station kind as the menu does after "Oui", with the own locator
// and power stored for that kind; prints each message on stderr and the
// number of QSOs imported on stdout.
int importCommand(const QStringList &args);

} // namespace pendrel::cli
