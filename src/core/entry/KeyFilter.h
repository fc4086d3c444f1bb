#pragma once
#include "core/entry/EntryField.h"

#include <QString>
#include <optional>

namespace pendrel {

// Key codes as the key handlers of the entry line see them: the character
// typed (its UTF-16 code), 13 for Enter, 8 for Backspace.
inline constexpr int KeyEnter = 13;
inline constexpr int KeyBackspace = 8;

// What becomes of one key typed in a field, before it reaches the field.
struct KeyVerdict {
    int key = 0;             // the code to pass on; 0 when the key is discarded
    QString message;         // shown (OK) when not empty
    bool emptyField = false; // the field is emptied and keeps the focus
    bool runEnterRule = false; // the key is Enter and the field's Enter rule must run
};

// Message of every key typed in Ind_A while the callsign is still "FXXXX".
QString firstRunMessage();

// The key handler of `field`:
// - every field but the two powers fills in upper case: a to z become A to Z,
//   any other code (accented letters included) is left alone;
// - Pwr_F and Pwr_P take digits, Enter and Backspace only; any other typed
//   character is discarded, the field emptied, "Que des chiffres pour la
//   puissance" shown (Delete and the arrows type nothing and never come here);
// - Ind_A during the first run shows firstRunMessage() for every key, Enter
//   included, and does nothing else (the key passes on unchanged).
// KmW_A and Valide_A have no handler: keys pass on unchanged.
KeyVerdict filterKey(EntryField field, int key, bool firstRun);

// The case rule over a whole text, for text that arrives without keys (paste).
QString upperCaseText(const QString &text);

// Mode_A and Bande_A remember the box's list index (-1 when the text is no
// item of the list) on every key but a refused Enter, except while editing.
// Nothing for other fields or in edit mode.
std::optional<SettingWrite> rememberedListIndex(EntryField field, const QString &boxText, bool editMode);

} // namespace pendrel
