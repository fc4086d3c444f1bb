#include "cli/OutputOption.h"

#include <cstdio>

namespace pendrel::cli {

bool OutputOption::parse(QStringList &args, Io &io, int &code)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--")
            break;
        if (args[i] != u"-o" && args[i] != u"--output")
            continue;
        if (i + 1 == args.size()) {
            code = usageError(io, QStringLiteral("%1 demande un fichier (ou - pour la sortie standard).").arg(args[i]));
            return false;
        }
        m_target = args[i + 1];
        args.remove(i, 2);
        --i;
    }
    return true;
}

QString OutputOption::told(const QString &message) const
{
    if (!redirected())
        return terminalText(message);
    return QStringLiteral("Le fichier a été enregistré sous le nom : ") + m_target;
}

bool OutputOption::replaceFile(const QString &, const QByteArray &content, QString *error)
{
    if (!toStandardOutput())
        return FileWriter::standard().replaceFile(m_target, content, error);
    // The bytes as they would be in the file (windows-1252, CR LF).
    if (std::fwrite(content.constData(), 1, size_t(content.size()), stdout) != size_t(content.size())) {
        *error = QStringLiteral("écriture impossible sur la sortie standard");
        return false;
    }
    return true;
}

bool OutputOption::appendToFile(const QString &path, const QByteArray &content, QString *error)
{
    return replaceFile(path, content, error);
}

} // namespace pendrel::cli
