#include "platform/DataFolder.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pendrel;

namespace {

// Sets an environment variable for the life of a test, then restores it.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

TEST(DataFolder, PendrelHomeOrTheSharedPerUserFolder)
{
    QTemporaryDir dir;
    const QString home = QDir(dir.path()).filePath("home/data");
    {
        ScopedEnv pendrel("PENDREL_HOME", home.toLocal8Bit());
        EXPECT_EQ(DataFolder::resolve(), home);
        EXPECT_TRUE(QFile::exists(home + "/FXXXX.txt"));
    }
    {
        ScopedEnv pendrel("PENDREL_HOME", QByteArray());
        ScopedEnv xdg("XDG_DATA_HOME", dir.path().toLocal8Bit());
        const QString expected = QDir(dir.path()).filePath("QRP/QRP");
        EXPECT_EQ(DataFolder::resolve(), expected);
        EXPECT_TRUE(QFile::exists(expected + "/FXXXX.txt"));
    }
}

TEST(DataFolder, ExistingTemplateIsKept)
{
    QTemporaryDir dir;
    QFile templ(dir.filePath("FXXXX.txt"));
    ASSERT_TRUE(templ.open(QIODevice::WriteOnly));
    templ.write("MODELE\r\n");
    templ.close();
    EXPECT_TRUE(DataFolder::prepare(dir.path()));
    ASSERT_TRUE(templ.open(QIODevice::ReadOnly));
    EXPECT_EQ(templ.readAll(), QByteArray("MODELE\r\n"));
    // A file where the folder should be cannot be prepared.
    EXPECT_FALSE(DataFolder::prepare(dir.filePath("FXXXX.txt")));
}
