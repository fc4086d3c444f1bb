#include "platform/fake/FakePlatform.h"

#include <QVariant>
#include <QWidget>

namespace pendrel {

QDateTime FakeClock::readLocal() const
{
    QDateTime local = utc.addSecs(localOffsetSeconds);
    return QDateTime(local.date(), local.time(), Qt::LocalTime);
}

QString MemorySettingsStore::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    return values.value(section + u'/' + key, defaultValue);
}

void MemorySettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    values.insert(section + u'/' + key, value);
}

bool MemorySettingsStore::contains(const QString &section, const QString &key) const
{
    return values.contains(section + u'/' + key);
}

void FakeDialogs::message(const QString &text)
{
    messages.append(text);
    if (onMessage)
        onMessage(text);
}

bool FakeDialogs::ask(const QString &text)
{
    messages.append(text);
    if (onMessage)
        onMessage(text);
    return answers.isEmpty() ? true : answers.takeFirst();
}

QString FakeDialogs::openFile(const QString &, const QString &, const QString &filter)
{
    fileFilters.append(filter);
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString FakeDialogs::saveFile(const QString &title, const QString &, const QString &filter)
{
    return openFile(title, QString(), filter);
}

QWidget *FakeBrowser::createView(QWidget *parent)
{
    ++viewsCreated;
    return new QWidget(parent);
}

void FakeBrowser::navigate(QWidget *view, const QString &address)
{
    addresses.append(address);
    view->setProperty("address", address);
    view->setProperty("page", QString());
    if (const auto done = m_watches.value(view))
        done(!offline);
}

void FakeBrowser::watchLoading(QWidget *view, std::function<void(bool ok)> done)
{
    m_watches.insert(view, std::move(done));
}

void FakeBrowser::showPage(QWidget *view, const QString &html)
{
    view->setProperty("page", html);
}

QString FakeBrowser::pageOf(const QWidget *view) const
{
    return view ? view->property("page").toString() : QString();
}

QString FakeBrowser::addressOf(const QWidget *view) const
{
    return view ? view->property("address").toString() : QString();
}

} // namespace pendrel
