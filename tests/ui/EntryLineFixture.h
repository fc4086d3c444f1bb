#pragma once
// The main window of a station already set up (F1AAA at JN18GU, 5 W), and the
// operator's keystrokes on its entry line.
#include "core/storage/TextFile.h"
#include "ui/main/FieldColours.h"
#include "ui/MainFixture.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

namespace pendrel::test {

// A writer that fails, as a full disk does, for the files whose name ends
// with `failing`; any other file is written normally.
class FailingWriter : public FileWriter {
public:
    QString failing;
    bool replaceFile(const QString &path, const QByteArray &content, QString *error) override
    {
        return fails(path, error) ? false : FileWriter::replaceFile(path, content, error);
    }
    bool appendToFile(const QString &path, const QByteArray &content, QString *error) override
    {
        return fails(path, error) ? false : FileWriter::appendToFile(path, content, error);
    }

private:
    bool fails(const QString &path, QString *error) const
    {
        if (failing.isEmpty() || !path.endsWith(failing))
            return false;
        *error = QStringLiteral("disque plein");
        return true;
    }
};

// One QSO as the operator types it. Date and time are typed only when the
// chain asks for them (manual dating, insert, edit).
struct QsoKeys {
    QString call, prenom, loc, dpt, date, time, qth;
};

class EntryLineFixture : public MainFixture {
protected:
    FailingWriter writer;

    void SetUp() override
    {
        clock.utc = QDateTime(QDate(2026, 12, 7), QTime(14, 32, 10), Qt::UTC);
        platform.fileWriter = &writer;
    }

    // Starts the window on F1AAA at JN18GU with these logs.
    void startStation(const QStringList &fixedLog = {}, const QStringList &portableLog = {})
    {
        setIdentity("F1AAA", "JN18GU");
        if (!settings.contains("Setup F1AAA", "Pwr Fixe"))
            setCallsignSetting("F1AAA", "Pwr Fixe", "5");
        writeLog("F1AAA_QRP.log", fixedLog);
        writeLog("F1AAA_P_QRP.log", portableLog);
        startMain();
    }

    QWidget *field(const QString &name) { return main->findChild<QWidget *>(name); }
    QString textOf(const QString &name)
    {
        QWidget *w = field(name);
        if (auto *box = qobject_cast<QComboBox *>(w))
            return box->currentText();
        return static_cast<QLineEdit *>(w)->text();
    }
    QString focusName() { return main->focusWidget() ? main->focusWidget()->objectName() : QStringLiteral("<none>"); }
    QColor colourOf(const QString &name) { return ui::fieldColour(field(name)); }

    // The keys, typed into the field that has the focus (the chain must have
    // brought the operator there), then Enter.
    void typeField(const QString &name, const QString &keys)
    {
        ASSERT_EQ(focusName(), name);
        typeKeys(name, keys);
        QTest::keyClick(field(name), Qt::Key_Return);
    }
    // Selects the field's text (Ctrl+A), types over it (Backspace when
    // `keys` is empty), then Enter.
    void retypeField(const QString &name, const QString &keys)
    {
        ASSERT_EQ(focusName(), name);
        QTest::keyClick(field(name), Qt::Key_A, Qt::ControlModifier);
        if (keys.isEmpty())
            QTest::keyClick(field(name), Qt::Key_Backspace);
        typeField(name, keys);
    }
    // Key by key, as a French keyboard types them (QTest::keyClicks knows
    // ASCII only: other characters arrive as the text of a key).
    void typeKeys(const QString &name, const QString &keys)
    {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const QChar c = keys.at(i);
            if (c.unicode() < 128) {
                QTest::keyClick(field(name), char(c.unicode()));
                continue;
            }
            const qsizetype units = c.isHighSurrogate() && i + 1 < keys.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, field(name), Qt::Key_unknown, keys.mid(i, units), Qt::NoModifier);
            i += units - 1;
        }
    }

    // The whole chain from Ind_A to the validate button, Enter after each field.
    void typeQso(const QsoKeys &q)
    {
        typeField("Ind_A", q.call);
        typeField("Prenom_A", q.prenom);
        typeField("Loc_A", q.loc);
        typeField("Dpt_A", q.dpt);
        if (focusName() == "Date_A") {
            typeField("Date_A", q.date);
            typeField("Heure_A", q.time);
        }
        for (const char *kept : {"Mode_A", "Bande_A", "RST_A", "RSTE_A"})
            typeField(kept, "");
        typeField("Rem_A", q.qth);
        typeField("QRB_A", "");
    }
    // Enter on the focused validate button.
    void validate() { typeField("Valide_A", ""); }

    // The log file's lines, decoded.
    QStringList fileLines(const QString &name) { return splitLines(cp1252::decode(folder.read(name))); }

    static QColor neutral() { return QApplication::palette().color(QPalette::Button); }
};

} // namespace pendrel::test
