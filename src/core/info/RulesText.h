#pragma once
#include <QStringList>

namespace pendrel {

// The lines of the rules window: the introduction (List1, 17 lines) and the
// contest rules (List2), in the order they are shown.
QStringList rulesIntroductionLines();
QStringList contestRulesLines();

} // namespace pendrel
