#pragma once
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

namespace pendrel {

// A clock frozen at a chosen instant; local time is UTC plus `localOffsetSeconds`.
class FakeClock : public Clock {
public:
    QDateTime utc = QDateTime(QDate(2026, 12, 7), QTime(14, 32, 10), Qt::UTC);
    int localOffsetSeconds = 3600;
    QDateTime readUtc() const override { return utc; }
    QDateTime readLocal() const override;
};

// Settings held in memory.
class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString &section, const QString &key, const QString &defaultValue) const override;
    void write(const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &section, const QString &key) override { values.remove(section + u'/' + key); }
    bool contains(const QString &section, const QString &key) const;
    QHash<QString, QString> values; // "section/key" -> value
};

// Records every message and question; answers questions and file choices from scripts.
class FakeDialogs : public Dialogs {
public:
    void message(const QString &text) override;
    bool ask(const QString &text) override;
    QString openFile(const QString &title, const QString &directory, const QString &filter) override;
    // Takes its answer from `files` too.
    QString saveFile(const QString &title, const QString &suggested, const QString &filter) override;

    QStringList messages;       // every text shown, questions included, in order
    QList<bool> answers;        // answers to the next questions (Yes when empty)
    QStringList files;          // answers to the next file choices (cancel when empty)
    QStringList fileFilters;    // filters offered to the file chooser
    // Runs inside each box, as a modal box would let the operator act.
    std::function<void(const QString &)> onMessage;
};

// Captures what would be printed.
class FakePrinter : public Printer {
public:
    bool choosePrinter() override { ++dialogs; return accept; }
    bool print(const QList<PrintStep> &s) override
    {
        steps += s;
        jobs.append(s);
        return !failPrint;
    }
    void nameDocument(const QString &folder, const QString &name) override { document = folder + u'/' + name; }
    bool accept = true;
    bool failPrint = false;
    QString document; // the folder and name of the last document named
    int dialogs = 0;
    QList<PrintStep> steps;        // every job's, in order
    QList<QList<PrintStep>> jobs;  // one a print() call
};

// Plain widgets for views; records every address, by view and in order.
class FakeBrowser : public Browser {
public:
    QWidget *createView(QWidget *parent) override;
    void navigate(QWidget *view, const QString &address) override;
    void watchLoading(QWidget *view, std::function<void(bool ok)> done) override;
    void showPage(QWidget *view, const QString &html) override;
    int viewsCreated = 0;
    QStringList addresses; // every navigation, in order
    bool offline = false;  // every navigation fails, as without a network
    QString addressOf(const QWidget *view) const; // the last address shown in `view`
    QString pageOf(const QWidget *view) const;    // the last page of the program's own shown in `view`

private:
    QHash<const QWidget *, std::function<void(bool ok)>> m_watches;
};

} // namespace pendrel
