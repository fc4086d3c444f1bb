#include "core/storage/FirstNameDirectory.h"

#include "core/storage/Cp1252.h"
#include "core/storage/DataFolderLock.h"

#include <QDir>

namespace pendrel {
namespace {

constexpr int CallsignWidth = 12;
constexpr int DptStart = 13, DptWidth = 2;
constexpr int PrenomStart = 16;

// The callsign of a directory line. Lookup and save compare it the same way,
// so that a hand-edited line found by a lookup is also the one a save rewrites.
QStringView callsignOf(QStringView line)
{
    return line.left(CallsignWidth).trimmed();
}

} // namespace

FirstNameDirectory::FirstNameDirectory(QString folder, FileWriter &writer)
    : m_folder(std::move(folder)), m_writer(writer)
{
}

QString FirstNameDirectory::path() const
{
    return QDir(m_folder).filePath(FileName);
}

QString FirstNameDirectory::entryLine(const QString &callsign, const QString &dpt, const QString &prenom)
{
    return callsign.leftJustified(CallsignWidth, u' ', true) + u' ' + dpt.leftJustified(DptWidth, u' ', true) + u' '
           + cp1252::toUpper(prenom);
}

FirstNameEntry FirstNameDirectory::LookupFirstName(const QString &callsign) const
{
    FirstNameEntry entry;
    if (callsign.isEmpty())
        return entry;
    const TextLines text = readTextLines(path());
    for (const QString &line : text.lines) {
        if (callsignOf(line) != callsign)
            continue;
        // Every matching line is read: the last one gives the values.
        entry.found = true;
        entry.dpt = line.mid(DptStart, DptWidth);
        entry.prenom = cp1252::toUpper(QStringView(line).mid(PrenomStart));
    }
    if (entry.found && entry.dpt.trimmed().isEmpty())
        entry.dpt.clear();
    return entry;
}

StoreResult FirstNameDirectory::SaveFirstName(const QString &line) const
{
    const QStringView callsign = callsignOf(line);
    if (callsign.isEmpty() || line.contains(u'\n') || line.contains(u'\r'))
        return {false, QStringLiteral("Ligne de prénom invalide : la liste des prénoms n'a pas été modifiée.")};
    auto failure = [](const QString &reason) {
        return StoreResult{false, QStringLiteral("Impossible d'enregistrer le fichier %1 (%2).\r\n"
                                                 "La liste des prénoms est restée telle qu'elle était.")
                                      .arg(FileName, reason)};
    };
    // Read under the lock: a line saved meanwhile by another writer stays.
    const DataFolderLock lock(m_folder);
    if (!lock.acquired())
        return lock.refusal();
    TextLines text = readTextLines(path());
    if (text.status == ReadStatus::Error)
        return failure(text.error);
    // Appending exactly when no line carries the callsign gives what the
    // lookup flag gave, without its two faults: a stale flag that appends a
    // second line for a known callsign, or drops the line of an unknown one.
    bool replaced = false, changed = false;
    for (QString &existing : text.lines) {
        if (callsignOf(existing) == callsign) {
            changed = changed || existing != line;
            existing = line;
            replaced = true;
        }
    }
    if (!replaced)
        text.lines.append(line);
    // The same name for a station worked again: nothing to write.
    if (replaced && !changed && text.status == ReadStatus::Ok)
        return {};
    QString reason;
    if (!m_writer.replaceFile(path(), encodeLines(text.lines), &reason))
        return failure(reason);
    return {};
}

} // namespace pendrel
