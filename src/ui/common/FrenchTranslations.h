#pragma once

class QObject;

namespace pendrel::ui {

// Loads Qt's own French translations, so that standard buttons and dialogs
// read "Oui", "Non", "Annuler" and the file and print dialogs speak French.
// False when the translation files are missing (the program then runs with
// Qt's English captions on those buttons).
bool installFrenchTranslations(QObject *owner);

} // namespace pendrel::ui
