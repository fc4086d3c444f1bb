#include "core/geo/Locator.h"
#include "core/geo/Qrb.h"

#include "support/QtPrinters.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace pendrel;

TEST(CheckLocator, LettersAndDigitsByPosition)
{
    const std::pair<const char *, bool> cases[] = {
        {"JN18GU", true},  {"RR99XX", true},  {"AA00AA", true},  {"ZZ99ZZ", false}, {"SN18GU", false},
        {"JS18GU", false}, {"JN18YU", false}, {"JN18GY", false}, {"JN18G5", false}, {"1N18GU", false},
        {"JNX8GU", false}, {"jn18gu", false}, {"JN18G@", false}, {"JN18G[", false}, {"JN/8GU", false},
        {"JN:8GU", false}, {"JN18 U", false}, {"JN18GÜ", false}, {"JN18G", false},  {"JN18GUX", false},
    };
    for (auto [text, ok] : cases) {
        int flag = 0;
        CheckLocator(QString::fromUtf8(text), flag);
        EXPECT_EQ(flag, ok ? 0 : 1) << text;
        // A passing locator leaves the caller's flag as it was.
        flag = 1;
        CheckLocator(QString::fromUtf8(text), flag);
        EXPECT_EQ(flag, 1) << text;
    }
}

TEST(Qrb, DistancesBetweenSubsquareCentres)
{
    struct Case {
        const char *own, *distant, *qrb;
    };
    const Case cases[] = {
        {"JN18GU", "JN03TJ", "612"},  {"JN18GU", "JN18GV", "5"},     {"JN18GU", "JN18HU", "6"},
        {"JN18GU", "IN88HK", "438"},  {"JN18GU", "KN02AA", "1559"},  {"JN18GU", "FN42AA", "5633"},
        {"AA00AA", "RR99XX", "20034"}, {"AA00AA", "JR09AX", "20038"}, {"JN18GU", "jn03tj", "612"},
        {"jn18gu", "JN03TJ", "612"},  {"JN18GU", "JN18GU", "0"},     {"JN18GU", "jn18gu", "0"},
        {"JN18GU", "  JN18GU  ", "0"}, {"JN18GU", "ZZ99ZZ", "13134"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(QrbText(c.own, c.distant), QLatin1String(c.qrb)) << c.own << ' ' << c.distant;
        EXPECT_EQ(QrbText(QString(c.distant).trimmed(), c.own), QLatin1String(c.qrb)) << c.distant << ' ' << c.own;
    }
}

TEST(Qrb, DistantLocatorIsTrimmedAndShortenedInPlace)
{
    struct Case {
        const char *distant, *shortened;
        std::optional<double> qrb;
    };
    const Case cases[] = {
        {"  jn03tjxx", "jn03tj", 612}, {"JN03TJ", "JN03TJ", 612}, {" JN03TJ \t", "JN03TJ", 612},
        {"JN03T", "JN03T", std::nullopt}, {"  JN03T  ", "JN03T", std::nullopt}, {"", "", std::nullopt},
    };
    for (const Case &c : cases) {
        QString distant = QString::fromLatin1(c.distant);
        std::optional<double> qrb;
        ComputeQrb(QStringLiteral("JN18GU"), distant, qrb);
        EXPECT_EQ(distant, QLatin1String(c.shortened)) << c.distant;
        EXPECT_EQ(qrb, c.qrb) << c.distant;
    }
    // No value leaves the caller's figure untouched.
    QString shortOne = QStringLiteral("JN03T");
    std::optional<double> kept = 42;
    ComputeQrb(QStringLiteral("JN18GU"), shortOne, kept);
    EXPECT_EQ(kept, 42);
}

TEST(Qrb, CharactersOutsideTheDomainGiveNoValue)
{
    const char *bad[] = {"1N18GU", "JN1XGU", "JNX8GU", "JN18G5", "JN18!U", "J-18GU", "JN/8GU", "JN:8GU",
                         "\xC9N18GU", "JN18G\xFC", "JN 8GU", "JN18G ", "\x01N18GU"};
    for (const char *text : bad) {
        const QString locator = QString::fromLatin1(text);
        EXPECT_EQ(QrbText(QStringLiteral("JN18GU"), locator), QString()) << text;
        EXPECT_EQ(QrbText(locator, QStringLiteral("JN18GU")), QString()) << text;
    }
    // The own locator is not trimmed: a short or blank-led one has no position.
    EXPECT_EQ(QrbText(QStringLiteral("JN18G"), QStringLiteral("JN03TJ")), QString());
    EXPECT_EQ(QrbText(QStringLiteral(" JN18GU"), QStringLiteral("JN03TJ")), QString());
    EXPECT_EQ(QrbText(QStringLiteral("JN18GUAB"), QStringLiteral("JN03TJ")), QStringLiteral("612"));
}

TEST(Qrb, AnyPairIsSymmetricFiniteAndAtMostHalfTheEarth)
{
    QRandomGenerator random(1234);
    auto locator = [&random] {
        const auto letter = [&](int range) { return QChar(u'A' + random.bounded(range)); };
        const auto digit = [&] { return QChar(u'0' + random.bounded(10)); };
        const QChar chars[] = {letter(18), letter(18), digit(), digit(), letter(24), letter(24)};
        return QString(chars, 6);
    };
    for (int i = 0; i < 2000; ++i) {
        const QString a = locator(), b = locator();
        const QString ab = QrbText(a, b), ba = QrbText(b, a);
        ASSERT_EQ(ab, ba) << a.toStdString() << ' ' << b.toStdString();
        bool ok = false;
        const int km = ab.toInt(&ok);
        ASSERT_TRUE(ok) << a.toStdString() << ' ' << b.toStdString() << ' ' << ab.toStdString();
        ASSERT_GE(km, 0);
        ASSERT_LE(km, 20038);
    }
}
