#pragma once
#include <QTextBrowser>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pendrel::ui {

// The pages of the user guide, read from the resources under :/help. The
// page "licences.html" is made from the licence files of the shipped data.
class HelpPages : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl &name) override;
};

// The user guide: the contents (Sommaire) beside the page (Page), with back,
// forward, contents and a search over every page (Chercher, Resultats).
class Notice : public QWidget {
    Q_OBJECT
public:
    static inline const QString ContentsPage = QStringLiteral("qrc:/help/index.html");

    explicit Notice(QWidget *parent = nullptr);
    HelpPages *page() const { return m_page; }

    // The (file, title) of each page, in the order of the contents page.
    static QList<std::pair<QString, QString>> contents();
    // The files of the pages whose text holds `words` (any case), in contents order.
    static QStringList pagesHolding(const QString &words);

private:
    void search();

    HelpPages *m_page;
    QListWidget *m_contents;
    QLineEdit *m_words;
    QListWidget *m_results;
};

} // namespace pendrel::ui
