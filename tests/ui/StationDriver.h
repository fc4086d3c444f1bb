#pragma once
// Typing into the station dialog as the operator does.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace pendrel::test {

struct StationDriver {
    QDialog *dialog;

    QLineEdit *indicatif() const { return dialog->findChild<QLineEdit *>("New_Indicatif"); }
    QLineEdit *locator() const { return dialog->findChild<QLineEdit *>("New_Locator"); }
    QPushButton *validation() const { return dialog->findChild<QPushButton *>("Validation"); }

    // Types both fields key by key, each confirmed with Enter, then validates.
    void type(const QString &callsign, const QString &loc) const
    {
        QTest::keyClicks(indicatif(), callsign);
        QTest::keyClick(indicatif(), Qt::Key_Return);
        QTest::keyClicks(locator(), loc);
        QTest::keyClick(locator(), Qt::Key_Return);
        validation()->click();
    }
    // Puts the texts in place without the key rules, then validates.
    void set(const QString &callsign, const QString &loc) const
    {
        indicatif()->setText(callsign);
        locator()->setText(loc);
        validation()->click();
    }
};

} // namespace pendrel::test
