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
    for (const QString &path : {dir + QStringLiteral("/pendrel_web"),
                                dir + QStringLiteral("/../" PENDREL_MODULE_DIR "/pendrel_web")}) {
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

Browser &ModuleBrowser::active()
{
    Browser *module = loaded();
    return module ? *module : m_fallback;
}

QWidget *ModuleBrowser::createView(QWidget *parent) { return active().createView(parent); }

// A view made after the module failed to load is the fallback's, as are all
// its views: the choice is made once.
void ModuleBrowser::navigate(QWidget *view, const QString &address) { active().navigate(view, address); }

void ModuleBrowser::watchLoading(QWidget *view, std::function<void(bool ok)> done)
{
    active().watchLoading(view, std::move(done));
}

void ModuleBrowser::showPage(QWidget *view, const QString &html) { active().showPage(view, html); }

} // namespace pendrel
