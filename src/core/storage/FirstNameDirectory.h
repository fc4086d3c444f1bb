#pragma once
#include "core/storage/LogStore.h"
#include "core/storage/TextFile.h"

#include <QString>

namespace pendrel {

// What the directory knows of a callsign: the département (empty when the
// line holds two blanks there) and the first name in upper case, untrimmed.
struct FirstNameEntry {
    bool found = false;
    QString dpt;
    QString prenom;
};

// "Liste_Prenom.txt": one line per callsign ever logged, shared by both
// station kinds and every callsign of the data folder. Columns 1-12 hold the
// callsign, 14-15 the département, 17 onwards the first name.
class FirstNameDirectory {
public:
    static inline const QString FileName = QStringLiteral("Liste_Prenom.txt");

    explicit FirstNameDirectory(QString folder, FileWriter &writer = FileWriter::standard());

    // The last line whose callsign columns, blanks removed, equal `callsign`
    // (case-sensitive). A missing or unreadable directory knows nobody.
    FirstNameEntry LookupFirstName(const QString &callsign) const;
    // Rewrites the directory in one atomic step with `line` in place of every
    // line of the same callsign, or at the end when there is none. A missing
    // directory is created. On failure the file is as it was.
    StoreResult SaveFirstName(const QString &line) const;

    // The directory line of an entry: the callsign padded to 12, a blank, the
    // département padded to 2, a blank, the first name in upper case.
    static QString entryLine(const QString &callsign, const QString &dpt, const QString &prenom);

    QString path() const;

private:
    QString m_folder;
    FileWriter &m_writer;
};

} // namespace pendrel
