#include "ui/common/FrenchTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The operator's questions are answered with French buttons.
TEST(FrenchTranslations, StandardButtonsReadInFrench)
{
    ASSERT_TRUE(pendrel::ui::installFrenchTranslations(qApp));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pendrel"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const struct {
        QMessageBox::StandardButton button;
        const char *text;
    } cases[] = {{QMessageBox::Yes, "Oui"}, {QMessageBox::No, "Non"}, {QMessageBox::Cancel, "Annuler"}};
    for (const auto &c : cases)
        EXPECT_EQ(box.button(c.button)->text().remove(u'&').toStdString(), c.text);
}

} // namespace
