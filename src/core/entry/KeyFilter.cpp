#include "core/entry/KeyFilter.h"

#include "core/storage/Bands.h"
#include "core/storage/SettingsKeys.h"

namespace pendrel {
namespace {

bool isPowerField(EntryField field)
{
    return field == EntryField::Pwr_F || field == EntryField::Pwr_P;
}

int upperCased(int key)
{
    return key >= 'a' && key <= 'z' ? key - 32 : key;
}

} // namespace

QString firstRunMessage()
{
    return QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                          "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
}

KeyVerdict filterKey(EntryField field, int key, bool firstRun)
{
    KeyVerdict v;
    v.key = key;
    if (field == EntryField::KmW_A || field == EntryField::Valide_A)
        return v;
    if (field == EntryField::Ind_A && firstRun) {
        v.message = firstRunMessage();
        return v;
    }
    if (isPowerField(field)) {
        // Backspace edits the power: it is no typed character.
        if (key != KeyEnter && key != KeyBackspace && !(key >= '0' && key <= '9')) {
            v.key = 0;
            v.message = QStringLiteral("Que des chiffres pour la puissance");
            v.emptyField = true;
            return v;
        }
    } else {
        v.key = upperCased(key);
    }
    v.runEnterRule = key == KeyEnter;
    return v;
}

QString upperCaseText(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(char16_t(upperCased(c.unicode())));
    return out;
}

std::optional<SettingWrite> rememberedListIndex(EntryField field, const QString &boxText, bool editMode)
{
    if (editMode)
        return std::nullopt;
    if (field == EntryField::Mode_A)
        return SettingWrite{settings::ModeUtilise, QString::number(ModeList.indexOf(boxText))};
    if (field == EntryField::Bande_A)
        return SettingWrite{settings::BandeUtilisee, QString::number(BandList.indexOf(boxText))};
    return std::nullopt;
}

} // namespace pendrel
