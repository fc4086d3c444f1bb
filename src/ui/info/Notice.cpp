#include "ui/info/Notice.h"

#include "core/info/AboutText.h"
#include "ui/common/NamedControls.h"
#include "ui/common/WindowPlacement.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextDocument>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString licencesPage()
{
    QString html = QStringLiteral("<html><head><title>Licences des données</title></head><body>"
                                  "<h1>Licences des données fournies</h1>");
    const QList<DataLicence> licences = shippedDataLicences();
    if (licences.isEmpty())
        html += QStringLiteral("<p>Cette version de Pendrel ne fournit aucune donnée soumise à une licence "
                               "particulière.</p>");
    for (const DataLicence &licence : licences)
        html += QStringLiteral("<h2>%1</h2><pre>%2</pre>").arg(licence.title.toHtmlEscaped(),
                                                               licence.text.toHtmlEscaped());
    html += QStringLiteral("<p><a href=\"index.html\">Retour au sommaire</a></p></body></html>");
    return html;
}

} // namespace

QVariant HelpPages::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource && name.fileName() == QLatin1String("licences.html"))
        return licencesPage();
    return QTextBrowser::loadResource(type, name);
}

QList<std::pair<QString, QString>> Notice::contents()
{
    static const QRegularExpression link(QStringLiteral("<li><a href=\"([^\"#]+)\">([^<]+)</a>"));
    QList<std::pair<QString, QString>> pages;
    const QString index = resourceText(QStringLiteral(":/help/index.html"));
    for (const QRegularExpressionMatch &m : link.globalMatch(index))
        pages.append({m.captured(1), m.captured(2)});
    return pages;
}

QStringList Notice::pagesHolding(const QString &words)
{
    QStringList found;
    const QString wanted = words.simplified();
    if (wanted.isEmpty())
        return found;
    for (const auto &[file, title] : contents()) {
        QTextDocument page;
        page.setHtml(file == QLatin1String("licences.html") ? licencesPage()
                                                            : resourceText(QStringLiteral(":/help/") + file));
        if (page.toPlainText().simplified().contains(wanted, Qt::CaseInsensitive))
            found.append(file);
    }
    return found;
}

Notice::Notice(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Notice"));
    setWindowTitle(QStringLiteral("Notice d'utilisation de Pendrel"));

    m_page = new HelpPages(this);
    m_page->setObjectName(QStringLiteral("Page"));
    m_page->setOpenExternalLinks(true);

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("Sommaire"));
    for (const auto &[file, title] : contents()) {
        auto *item = new QListWidgetItem(title, m_contents);
        item->setData(Qt::UserRole, file);
    }
    m_words = new QLineEdit(this);
    m_words->setObjectName(QStringLiteral("Chercher"));
    m_words->setPlaceholderText(QStringLiteral("Rechercher dans la notice"));
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("Resultats"));

    QPushButton *back = namedButton("Precedent", QStringLiteral("Précédent"), this);
    QPushButton *forward = namedButton("Suivant", QStringLiteral("Suivant"), this);
    QPushButton *home = namedButton("Accueil", QStringLiteral("Sommaire"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_page, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_page, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, m_page, [this] { m_page->setSource(QUrl(ContentsPage)); });
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_contents, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_page->setSource(QUrl(QStringLiteral("qrc:/help/") + item->data(Qt::UserRole).toString()));
    });
    connect(m_words, &QLineEdit::returnPressed, this, &Notice::search);
    connect(m_results, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QString file = item->data(Qt::UserRole).toString();
        if (file.isEmpty())
            return; // the "nothing found" line
        m_page->setSource(QUrl(QStringLiteral("qrc:/help/") + file));
        m_page->find(m_words->text().simplified());
    });

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_contents, 2);
    sideLayout->addWidget(new QLabel(QStringLiteral("Rechercher :"), side));
    sideLayout->addWidget(m_words);
    sideLayout->addWidget(m_results, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {back, forward, home})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    splitter->setSizes({240, 760});
    resize(1000, 720);
    centreWhenFirstShown(this);

    m_page->setSource(QUrl(ContentsPage));
}

void Notice::search()
{
    m_results->clear();
    const QStringList files = pagesHolding(m_words->text());
    for (const auto &[file, title] : contents()) {
        if (!files.contains(file))
            continue;
        auto *item = new QListWidgetItem(title, m_results);
        item->setData(Qt::UserRole, file);
    }
    if (files.isEmpty())
        new QListWidgetItem(QStringLiteral("Aucune page ne contient ce texte."), m_results);
}

} // namespace pendrel::ui
