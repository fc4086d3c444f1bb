#include "core/adif/AdifBands.h"

#include <array>
#include <optional>

namespace pendrel::adif {
namespace {

struct Band {
    const char16_t *log;   // as the log stores it
    const char16_t *adif;  // ADIF band name, as exported
    double lowMHz, highMHz;
    const char16_t *aliases[3]; // other BAND texts that name it
};

// The bands the log can hold. The lower edges are widened to the whole
// megahertz so that coarse frequencies ("10", "18", "24") still find their band.
const std::array<Band, 17> kBands = {{
    {u"1.8 Mhz", u"160m", 1.8, 2.0, {u"1.8", nullptr, nullptr}},
    {u"3.5 Mhz", u"80m", 3.5, 4.0, {u"3.5", u"3.6", u"3"}},
    {u"7.0 Mhz", u"40m", 7.0, 7.3, {u"7", nullptr, nullptr}},
    {u"10 Mhz", u"30m", 10.0, 10.15, {u"10", nullptr, nullptr}},
    {u"14 Mhz", u"20m", 14.0, 14.35, {u"14", nullptr, nullptr}},
    {u"18 Mhz", u"17m", 18.0, 18.168, {u"18", nullptr, nullptr}},
    {u"21 Mhz", u"15m", 21.0, 21.45, {u"21", nullptr, nullptr}},
    {u"24 Mhz", u"12m", 24.0, 24.99, {u"24", nullptr, nullptr}},
    {u"28 Mhz", u"10m", 28.0, 29.7, {u"28", nullptr, nullptr}},
    {u"50 Mhz", u"6m", 50.0, 54.0, {u"50", nullptr, nullptr}},
    {u"144 Mhz", u"2m", 144.0, 148.0, {u"144", u"145", nullptr}},
    {u"432 Mhz", u"70cm", 420.0, 450.0, {u"432", nullptr, nullptr}},
    {u"1.3Ghz", u"23cm", 1240.0, 1300.0, {u"1300", nullptr, nullptr}},
    {u"2.3 Ghz", u"13cm", 2300.0, 2450.0, {u"2300", nullptr, nullptr}},
    {u"5.7 Ghz", u"6cm", 5650.0, 5925.0, {u"5660", nullptr, nullptr}},
    {u"10 Ghz", u"3cm", 10000.0, 10500.0, {u"10000", nullptr, nullptr}},
    {u"24 Ghz", u"1.25cm", 24000.0, 24250.0, {u"24000", nullptr, nullptr}},
}};

// A plain decimal number ("14.070", "7038276", "14,070"), else nothing.
std::optional<double> parseNumber(QByteArrayView text)
{
    text = text.trimmed();
    double whole = 0, fraction = 0, scale = 1;
    bool point = false;
    for (char c : text) {
        if (c == '.' || c == ',') {
            if (point)
                return std::nullopt;
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (point)
                fraction += (scale /= 10) * (c - '0');
            else
                whole = whole * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (text.isEmpty() || (point && text.size() == 1))
        return std::nullopt;
    return whole + fraction;
}

// Whether `bytes` read as the table's ASCII `text`; letters of any case with
// `caseBlind`.
bool sameText(QByteArrayView bytes, const char16_t *text, bool caseBlind)
{
    qsizetype i = 0;
    for (; text[i] != 0; ++i) {
        if (i == bytes.size())
            return false;
        const char16_t c = static_cast<unsigned char>(bytes[i]);
        const auto lower = [](char16_t x) { return x >= u'A' && x <= u'Z' ? char16_t(x - u'A' + u'a') : x; };
        if (caseBlind ? lower(c) != lower(text[i]) : c != text[i])
            return false;
    }
    return i == bytes.size();
}

// The band tables' own texts, shared rather than copied.
QString staticText(const char16_t *text)
{
    const QStringView view(text);
    return QString::fromRawData(reinterpret_cast<const QChar *>(view.data()), view.size());
}

const Band *bandAt(double mhz)
{
    for (const Band &b : kBands)
        if (mhz >= b.lowMHz && mhz <= b.highMHz)
            return &b;
    return nullptr;
}

} // namespace

QString exportBandName(QStringView logBand)
{
    for (const Band &b : kBands)
        if (logBand == QStringView(b.log))
            return staticText(b.adif);
    return {};
}

QString bandFromName(QByteArrayView adifBand)
{
    const QByteArrayView name = adifBand.trimmed();
    for (const Band &b : kBands) {
        if (sameText(name, b.adif, true))
            return staticText(b.log);
        for (const char16_t *alias : b.aliases)
            if (alias && sameText(name, alias, false))
                return staticText(b.log);
    }
    return {};
}

QString bandAtMHz(double mhz)
{
    const Band *b = bandAt(mhz);
    return b ? staticText(b->log) : QString();
}

QString bandFromFrequency(QByteArrayView freq)
{
    const std::optional<double> value = parseNumber(freq);
    if (!value)
        return {};
    for (double scale : {1.0, 1e-3, 1e-6})
        if (const Band *b = bandAt(*value * scale))
            return staticText(b->log);
    return {};
}

} // namespace pendrel::adif
