#include "core/rig/RigProtocol.h"

#include "core/rig/RigReading.h"

#include <QRegularExpression>

namespace pendrel::rig {

namespace {
// A reply of rigctld is a few short lines; ten times that is not a reply.
constexpr qsizetype MaxPending = 4096;
} // namespace

QByteArray Reply::value(const QByteArray &key) const
{
    const QByteArray prefix = key + ':';
    for (const QByteArray &line : lines)
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    return {};
}

bool ReplyReader::feed(const QByteArray &bytes)
{
    m_pending += bytes;
    return m_pending.size() <= MaxPending || m_pending.contains("RPRT ");
}

std::optional<Reply> ReplyReader::next()
{
    Reply reply;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = m_pending.indexOf('\n', start);
        if (end < 0)
            return std::nullopt;
        const QByteArray line = m_pending.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.startsWith("RPRT ")) {
            bool ok = false;
            reply.code = line.mid(5).toInt(&ok);
            if (!ok)
                reply.code = -1;
            m_pending.remove(0, start);
            return reply;
        }
        reply.lines.append(line);
    }
}

std::optional<qint64> frequencyHz(const Reply &reply)
{
    bool ok = false;
    // Some back ends give the frequency with decimals ("7030000.000000").
    const double hz = reply.value("Frequency").toDouble(&ok);
    if (!ok || reply.code != 0 || hz <= 0 || hz > 1e12)
        return std::nullopt;
    return qint64(hz + 0.5);
}

QString rigMode(const Reply &reply)
{
    if (reply.code != 0)
        return {};
    const QString mode = QString::fromLatin1(reply.value("Mode"));
    static const QRegularExpression word(QStringLiteral("^[A-Z0-9]{1,12}$"));
    return word.match(mode).hasMatch() ? mode : QString();
}

std::optional<double> level(const Reply &reply)
{
    // "get_level: RFPOWER" then the bare value.
    if (reply.code != 0 || reply.lines.size() < 2)
        return std::nullopt;
    bool ok = false;
    const double value = reply.lines.at(1).toDouble(&ok);
    if (!ok || value < 0 || value > 1)
        return std::nullopt;
    return value;
}

std::optional<qint64> milliwatts(const Reply &reply)
{
    bool ok = false;
    const double mw = reply.value("Power mW").toDouble(&ok);
    if (!ok || reply.code != 0 || mw < 0 || mw > 1e7)
        return std::nullopt;
    return qint64(mw + 0.5);
}

QByteArray readCommands()
{
    return QByteArrayLiteral("+f\n+m\n+l RFPOWER\n");
}

QByteArray powerCommand(double level, qint64 hz, const QString &rigMode)
{
    return "+\\power2mW " + QByteArray::number(level, 'f', 6) + ' ' + QByteArray::number(hz) + ' '
        + rigMode.toLatin1() + '\n';
}

QByteArray tuneCommands(qint64 hz, const QString &entryMode, const QString &currentRigMode)
{
    QByteArray out = "+F " + QByteArray::number(hz) + '\n';
    if (entryMode == rig::entryMode(currentRigMode))
        return out;
    QByteArray mode;
    if (entryMode == u"CW")
        mode = "CW";
    else if (entryMode == u"SSB")
        mode = hz < 10000000 ? "LSB" : "USB";
    else if (entryMode == u"DIG")
        mode = "PKTUSB";
    if (!mode.isEmpty())
        out += "+M " + mode + " 0\n";
    return out;
}

QList<RigModel> rigModels(const QString &rigctlList)
{
    // " Rig #  Mfg   Model   Version   Status   Macro", columns by the heading.
    QList<RigModel> models;
    const QStringList lines = rigctlList.split(u'\n');
    qsizetype mfg = -1, model = -1, version = -1;
    for (const QString &line : lines) {
        if (mfg < 0) {
            mfg = line.indexOf(QStringLiteral("Mfg"));
            model = line.indexOf(QStringLiteral("Model"));
            version = line.indexOf(QStringLiteral("Version"));
            if (mfg < 0 || model < mfg || version < model)
                mfg = -1;
            continue;
        }
        bool ok = false;
        const int number = line.left(mfg).trimmed().toInt(&ok);
        if (!ok || line.size() < version)
            continue;
        const QString name = line.mid(mfg, model - mfg).trimmed() + u' ' + line.mid(model, version - model).trimmed();
        models.append({number, name});
    }
    return models;
}

QList<qint64> recommendedFrequencies(const QStringList &rulesLines, const QString &entryMode)
{
    const QString prefix = entryMode == u"DIG" ? QStringLiteral("- DIGI") : QStringLiteral("- %1 :").arg(entryMode);
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    QList<qint64> out;
    for (const QString &line : rulesLines) {
        const QString trimmed = line.trimmed();
        if (entryMode.isEmpty() || !trimmed.startsWith(prefix))
            continue;
        // ", " separates two frequencies; a comma between digits is a decimal sign.
        auto it = number.globalMatch(trimmed.mid(prefix.size()));
        while (it.hasNext()) {
            const double value = it.next().captured().replace(u',', u'.').toDouble();
            out.append(qint64((value < 1000 ? value * 1000 : value) * 1000 + 0.5));
        }
    }
    return out;
}

} // namespace pendrel::rig
