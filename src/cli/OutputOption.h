#pragma once
#include "cli/Commands.h"
#include "core/storage/TextFile.h"

namespace pendrel::cli {

// `-o FICHIER` of the commands that write one file (export, report): the file
// they would write in the data folder goes to FICHIER instead, or to standard
// output for `-o -`. It is given to the command as its file writer.
class OutputOption : public FileWriter {
public:
    // Takes `-o X` / `--output X` out of `args`; false after printing a usage error.
    bool parse(QStringList &args, Io &io, int &code);
    bool redirected() const { return !m_target.isNull(); }
    bool toStandardOutput() const { return m_target == u"-"; }
    FileWriter &writer() { return redirected() ? *this : FileWriter::standard(); }
    // The closing message of the command, naming the file written.
    QString told(const QString &message) const;

    bool replaceFile(const QString &path, const QByteArray &content, QString *error) override;
    bool appendToFile(const QString &path, const QByteArray &content, QString *error) override;

private:
    QString m_target;
};

inline const QString OutputUsage = QStringLiteral("[-o FICHIER|-]");

} // namespace pendrel::cli
