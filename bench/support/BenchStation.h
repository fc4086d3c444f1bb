#pragma once
#include "core/storage/SettingsKeys.h"
#include "core/storage/TextFile.h"
#include "platform/Platform.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pendrel::bench {

// A data folder holding the template and the fixed log of F1AAA (locator
// JN18GU, 5 W), with the fakes the main window runs on. The dialogs answer Yes.
struct BenchStation {
    QTemporaryDir dir;
    FakeClock clock;
    FakeDialogs dialogs;
    MemorySettingsStore settings;
    FakePrinter printer;
    Platform platform{clock, dialogs, settings, printer, dir.path()};

    explicit BenchStation(const QStringList &recordLines)
    {
        QFile(QDir(dir.path()).filePath(QStringLiteral("FXXXX.txt"))).open(QIODevice::WriteOnly);
        QFile log(logPath());
        log.open(QIODevice::WriteOnly);
        log.write(encodeLines(recordLines));
        namespace keys = pendrel::settings;
        settings.write(keys::GlobalSection, keys::IndicatifStation, QStringLiteral("F1AAA"));
        settings.write(keys::GlobalSection, keys::LocatorStation, QStringLiteral("JN18GU"));
        settings.write(keys::callsignSection(QStringLiteral("F1AAA")), keys::PwrFixe, QStringLiteral("5"));
    }

    QString logPath() const { return QDir(dir.path()).filePath(QStringLiteral("F1AAA_QRP.log")); }
};

} // namespace pendrel::bench
