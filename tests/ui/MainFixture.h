#pragma once
// Shared scaffolding of the UI tests: a Platform of fakes over a temporary
// data folder, and the main window built on it.
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SettingsKeys.h"
#include "platform/fake/FakePlatform.h"
#include "platform/Platform.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace pendrel::test {

class MainFixture : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock;
    FakeDialogs dialogs;
    MemorySettingsStore settings;
    FakePrinter printer;
    Platform platform{clock, dialogs, settings, printer, folder.dir()};
    std::unique_ptr<ui::Main> main;
    QList<int> endedWith; // exit codes handed to the end-program hook

    void TearDown() override
    {
        main.reset();
        // A failed test may leave a modal dialog behind.
        while (QWidget *modal = QApplication::activeModalWidget())
            delete modal;
    }

    // The stored identity, as a previous run of the station dialog left it.
    void setIdentity(const QString &callsign, const QString &locator)
    {
        settings.write(settings::GlobalSection, settings::IndicatifStation, callsign);
        settings.write(settings::GlobalSection, settings::LocatorStation, locator);
    }
    void setCallsignSetting(const QString &callsign, const QString &key, const QString &value)
    {
        settings.write(settings::callsignSection(callsign), key, value);
    }
    QString setting(const QString &section, const QString &key) const { return settings.read(section, key, "<absent>"); }

    // Writes a log file as the program does: windows-1252, CR LF.
    void writeLog(const QString &name, const QStringList &recordLines)
    {
        QByteArray bytes;
        for (const QString &line : recordLines)
            bytes += cp1252::encode(line) + "\r\n";
        folder.write(name, bytes);
    }

    // A record line with the fields that matter to the totals.
    static QString qso(const QString &callsign, const QString &kmw = "10", const QString &pts = "1",
                       const QString &bonus = "")
    {
        QsoRecord r;
        r.Indicatif = callsign; r.Dpt = "75"; r.Prenom = "JEAN"; r.Loc = "JN03TJ"; r.Date = "12/03/08";
        r.QTR = "14:05"; r.Mode = "SSB"; r.QRG = "144 Mhz"; r.RstR = "59"; r.RstE = "59"; r.QRB = "612";
        r.MyLoc = "JN18GU"; r.Pwr = "5"; r.KmW = kmw; r.Pts = pts; r.Bonus = bonus;
        return r.recordLine();
    }

    ui::Main &createMain()
    {
        main = std::make_unique<ui::Main>(platform);
        main->setEndProgramHook([this](int code) { endedWith.append(code); });
        return *main;
    }
    ui::Main &startMain()
    {
        createMain().start();
        return *main;
    }
    ui::MainControls &c() { return main->controls(); }
    QStringList logLines() { return main->logModel()->stringList(); }

    template <typename T>
    static T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Runs `act` on the next modal dialog once it is open and running (from
    // inside its event loop), as the operator would.
    static void whenModal(std::function<void(QDialog *)> act, int attempts = 200)
    {
        QTimer::singleShot(10, [act = std::move(act), attempts] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog)
                act(dialog);
            else if (attempts > 0)
                whenModal(act, attempts - 1);
        });
    }
};

} // namespace pendrel::test
