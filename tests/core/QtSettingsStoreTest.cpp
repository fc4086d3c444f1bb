#include "platform/qt/QtPlatform.h"
#include "core/storage/SettingsKeys.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pendrel;

namespace {

// Points the per-user settings at a fresh folder for the life of a test.
class SettingsFolder {
public:
    SettingsFolder()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        // QSettings reads the variable once per process; set the path as well.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    QString file() const { return QDir(m_dir.path()).filePath(QStringLiteral("QRP/QRP.conf")); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(QtSettingsStore, SectionsAreKeptVerbatimAcrossARestart)
{
    SettingsFolder folder;
    struct Value {
        QString section, key, value;
    };
    const Value values[] = {
        {settings::GlobalSection, settings::IndicatifStation, "F0ABC"},
        {"Setup", settings::IndicatifStation, "SANS BLANC"},
        {" Setup ", settings::IndicatifStation, "BLANC DEVANT"},
        {settings::callsignSection("F0ABC"), settings::BandeUtilisee, "10"},
        {settings::callsignSection("F0ABC_P"), settings::BandeUtilisee, "3"},
        {settings::callsignSection("F0ABC"), settings::Transceiver, "FT-817, 5 W ; \"QRP\" \\ @Variant(x)"},
        {settings::callsignSection("F0ABC"), settings::Antenne, "  dipôle €  "},
        {settings::callsignSection("F0ABC"), settings::PwrFixe, ""},
    };
    {
        QtSettingsStore store;
        for (const Value &v : values)
            store.write(v.section, v.key, v.value);
    }
    ASSERT_TRUE(QFile::exists(folder.file()));
    const QtSettingsStore store;
    for (const Value &v : values)
        EXPECT_EQ(store.read(v.section, v.key, "défaut"), v.value) << v.section.toStdString() << '/' << v.key.toStdString();
    EXPECT_EQ(store.read("Setup F0XYZ", settings::BandeUtilisee, "0"), "0");
    EXPECT_EQ(store.read("setup ", settings::IndicatifStation, "FXXXX"), "FXXXX");
}

TEST(QtSettingsStore, HandEditedListValueReadsAsItsText)
{
    SettingsFolder folder;
    QDir().mkpath(QFileInfo(folder.file()).path());
    QFile file(folder.file());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setup%20F0ABC]\nAntenne=dipole, 20 m\n");
    file.close();
    EXPECT_EQ(QtSettingsStore().read("Setup F0ABC", settings::Antenne, ""), "dipole, 20 m");
}
