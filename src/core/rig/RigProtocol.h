#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pendrel::rig {

// rigctld's text protocol, extended form: each command is sent with a leading
// '+' ("+f") and its reply is a header line, "Key: value" lines and a last
// line "RPRT n" (0 for success, negative for an error). The last line frames
// every reply, so a reply split over packets or two replies in one are read
// the same way.
struct Reply {
    QList<QByteArray> lines; // without the "RPRT" line
    int code = 0;
    // The value of the first "key: value" line, trimmed; empty when absent.
    QByteArray value(const QByteArray &key) const;
};

class ReplyReader {
public:
    // Adds received bytes; false once the peer has sent more than a reply can
    // hold without ending one (it is not rigctld).
    bool feed(const QByteArray &bytes);
    // The next complete reply, if one has arrived.
    std::optional<Reply> next();
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};

// The values of the replies to "+f", "+l RFPOWER" and "+\power2mW"; nothing
// when the reply does not hold a number where rigctld puts it.
std::optional<qint64> frequencyHz(const Reply &reply);
QString rigMode(const Reply &reply);
std::optional<double> level(const Reply &reply);
std::optional<qint64> milliwatts(const Reply &reply);

// The commands.
QByteArray readCommands();
QByteArray powerCommand(double level, qint64 hz, const QString &rigMode);
// Tunes the rig to `hz` in the rig mode that suits the entry mode; the mode is
// left alone when the rig's mode already fits.
QByteArray tuneCommands(qint64 hz, const QString &entryMode, const QString &currentRigMode);

// One rig model of `rigctl -l`: its number and "Maker Model".
struct RigModel {
    int number = 0;
    QString name;
};
QList<RigModel> rigModels(const QString &rigctlList);

// The rules' recommended frequencies for an entry mode (CW, SSB, DIG), in Hz,
// in the order of the rules. The rules write them in kHz and the digital
// ones partly in MHz with a decimal comma ("3,581"): a value under 1000 is
// read as MHz.
QList<qint64> recommendedFrequencies(const QStringList &rulesLines, const QString &entryMode);

} // namespace pendrel::rig
