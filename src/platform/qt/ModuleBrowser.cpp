#include "platform/qt/ModuleBrowser.h"

#include <QCoreApplication>
#include <QLibrary>

namespace pendrel {

Browser *ModuleBrowser::loaded()
{
    if (m_tried)
        return m_module;
    m_tried = true;
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &path : {dir + QStringLiteral("/pendrel_web"), dir + QStringLiteral("/../lib/pendrel/pendrel_web")}) {
        QLibrary module(path);
        if (!module.load())
            continue;
        using Entry = Browser *(*)();
        if (auto entry = reinterpret_cast<Entry>(module.resolve("pendrel_web_browser"))) {
            m_module = entry();
            break;
        }
    }
    return m_module;
}

QWidget *ModuleBrowser::createView(QWidget *parent)
{
    Browser *module = loaded();
    return (module ? *module : m_fallback).createView(parent);
}

void ModuleBrowser::navigate(QWidget *view, const QString &address)
{
    // A view made before the module failed to load is the fallback's.
    Browser *module = loaded();
    (module ? *module : m_fallback).navigate(view, address);
}

} // namespace pendrel
