#pragma once
#include "core/adif/AdifReader.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace pendrel::test {

// A record read back as names (upper case) -> decoded values, for comparisons.
using FieldMap = QMap<QString, QString>;

// The records as read, each field as "name=value" in its bytes. With a
// `piece` the reader gets that many bytes at a time, as from a slow pipe.
inline QList<QByteArrayList> rawRecords(QByteArrayView bytes, qsizetype piece = 0)
{
    QList<QByteArrayList> out;
    const adif::RecordSink sink = [&](const adif::Record &r) {
        QByteArrayList fields;
        for (const adif::Field &f : r.fields)
            fields.append(f.name.toByteArray() + '=' + f.value.toByteArray());
        out.append(fields);
        return true;
    };
    if (piece == 0) {
        adif::readRecords(bytes, sink);
        return out;
    }
    qsizetype at = 0;
    const adif::ByteSource source = [&](char *into, qint64 max) {
        const qsizetype n = std::min({piece, qsizetype(max), bytes.size() - at});
        std::copy_n(bytes.data() + at, n, into);
        at += n;
        return qint64(n);
    };
    adif::readRecords(source, bytes.size(), sink);
    return out;
}

// Reads `bytes` whole and, for a short text, also a few bytes at a time:
// each record must read the same however the bytes come.
inline QList<FieldMap> readAll(QByteArrayView bytes, adif::ReadSummary *summary = nullptr)
{
    if (bytes.size() < 4096) {
        const QList<QByteArrayList> whole = rawRecords(bytes);
        for (const qsizetype piece : {1, 2, 3, 7, 64})
            EXPECT_EQ(rawRecords(bytes, piece), whole) << "read " << piece << " bytes at a time";
    }
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
