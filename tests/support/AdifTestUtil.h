#pragma once
#include "core/adif/AdifReader.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace pendrel::test {

// A record read back as names (upper case) -> decoded values, for comparisons.
using FieldMap = QMap<QString, QString>;

inline QList<FieldMap> readAll(QByteArrayView bytes, adif::ReadSummary *summary = nullptr)
{
    QList<FieldMap> out;
    const adif::ReadSummary s = adif::readRecords(bytes, [&](const adif::Record &r) {
        FieldMap m;
        for (const adif::Field &f : r.fields) {
            const QString name = QString::fromLatin1(f.name).toUpper();
            if (!m.contains(name))
                m.insert(name, r.text(f.name.toByteArray()));
        }
        out.append(m);
        return true;
    });
    if (summary)
        *summary = s;
    return out;
}

// A file of the sample corpus, from the source tree (ctest sets PENDREL_SOURCE_DIR).
inline QByteArray sampleBytes(const QString &name)
{
    QFile f(qEnvironmentVariable("PENDREL_SOURCE_DIR") + QStringLiteral("/tests/data/adif-samples/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The corpus is the project's own test data, never shipped in a source
// tarball (see .gitattributes): without it, its tests are skipped.
inline bool samplesShipped()
{
    return QFile::exists(qEnvironmentVariable("PENDREL_SOURCE_DIR") + QStringLiteral("/tests/data/adif-samples/SOURCES.md"));
}

inline QString samplePath(const QString &name)
{
    return qEnvironmentVariable("PENDREL_SOURCE_DIR") + QStringLiteral("/tests/data/adif-samples/") + name;
}

} // namespace pendrel::test
