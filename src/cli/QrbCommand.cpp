#include "cli/Commands.h"

#include "core/geo/Locator.h"
#include "core/geo/Qrb.h"

namespace pendrel::cli {
namespace {

// The QRB as the entry line shows it (0 for identical texts). Each locator is
// read as the entry reads it, trimmed and cut to six characters; one that is
// then no locator is refused with the entry's message.
int runQrb(const QStringList &args, Io &io)
{
    const QStringList locators = args.size() == 3 && args[0] == u"--" ? args.mid(1) : args;
    if (locators.size() != 2)
        return usageError(io, QStringLiteral("qrb demande deux locators."));
    for (const QString &locator : locators) {
        int error = 0;
        CheckLocator(locator.trimmed().left(6).toUpper(), error);
        if (error) {
            io.err << QStringLiteral("pendrel-cli : locator invalide « %1 » : 6 caracteres pour le locator ex: JN18GU\n")
                          .arg(locator);
            return ExitFailure;
        }
    }
    io.out << QrbText(locators[0], locators[1]) << '\n';
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("qrb"), QStringLiteral("LOCATOR_PROPRE LOCATOR_DISTANT"),
                                        QStringLiteral("distance en kilomètres entre deux locators"), &runQrb, false});

} // namespace
} // namespace pendrel::cli
