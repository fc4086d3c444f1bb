#include "cli/Commands.h"

#include "core/geo/Qrb.h"

namespace pendrel::cli {
namespace {

// The QRB as the entry line shows it: 0 for identical texts, an empty line when there is no value.
int runQrb(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usageError(io, QStringLiteral("qrb demande deux locators."));
    io.out << QrbText(args[0], args[1]) << '\n';
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("qrb"), QStringLiteral("LOCATOR_PROPRE LOCATOR_DISTANT"),
                                        QStringLiteral("distance en kilomètres entre deux locators"), &runQrb});

} // namespace
} // namespace pendrel::cli
