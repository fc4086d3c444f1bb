#include "ui/common/FrenchTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pendrel::ui {

bool installFrenchTranslations(QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace pendrel::ui
