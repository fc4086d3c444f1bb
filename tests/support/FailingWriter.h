#pragma once
#include "core/storage/TextFile.h"

namespace pendrel::test {

// A writer whose every write fails, as a full disk would.
class FailingWriter : public FileWriter {
public:
    bool replaceFile(const QString &, const QByteArray &, QString *error) override
    {
        ++attempts;
        if (error)
            *error = QStringLiteral("disque plein");
        return false;
    }
    bool appendToFile(const QString &, const QByteArray &, QString *error) override
    {
        return replaceFile({}, {}, error);
    }
    int attempts = 0;
};

} // namespace pendrel::test
