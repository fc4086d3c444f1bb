#include "core/views/LogSearch.h"

namespace pendrel {
namespace {

// Columns a to b (1-based) of a log list line; a short line gives less.
QStringView cols(QStringView line, int a, int b)
{
    if (line.size() < a)
        return {};
    return line.mid(a - 1, b - a + 1);
}

bool matches(SearchKey key, const QString &text, QStringView line)
{
    switch (key) {
    case SearchKey::Indicatif:
        return cols(line, 8, 19).trimmed().contains(text);
    case SearchKey::Date:
        return cols(line, 50, 57).trimmed() == text;
    case SearchKey::Dpt:
        return cols(line, 22, 23) == text;
    case SearchKey::Locator:
        return cols(line, 42, 47).contains(text);
    }
    return false;
}

bool slashAt(const QString &text, int i)
{
    return text.size() > i && text[i] == u'/';
}

// The check a box makes on Enter: its message, or none to let the search run.
// A box found empty is emptied as well.
SearchVerdict checkBox(SearchKey box, const QString &text)
{
    SearchVerdict v;
    auto refuse = [&](const char16_t *message, bool empty = false) {
        v.message = QString::fromUtf16(message);
        if (empty)
            v.emptyBox = box;
    };
    switch (box) {
    case SearchKey::Indicatif:
        if (text.size() > 12)
            refuse(u"12 caracteres maxi pour l'indicatif");
        else if (text.isEmpty())
            refuse(u"Entrez un indicatif", true);
        break;
    case SearchKey::Date:
        if (!slashAt(text, 2) && !slashAt(text, 5))
            refuse(u"Le format de la date doit etre JJ/MM/AA");
        else if (text.size() >= 9)
            refuse(u"8 caracteres maxi pour la Date");
        break;
    case SearchKey::Dpt:
        if (text.size() > 2)
            refuse(u"2 caracteres maxi pour le département");
        else if (text.isEmpty())
            refuse(u"Entrez un département", true);
        break;
    case SearchKey::Locator:
        if (text.size() > 6)
            refuse(u"6 caracteres maxi pour le locator");
        else if (text.isEmpty())
            refuse(u"Entrez un locator", true);
        break;
    }
    return v;
}

QString emptySearchMessage(SearchKey key)
{
    switch (key) {
    case SearchKey::Indicatif:
        return QStringLiteral("Entrez un indicatif");
    case SearchKey::Date:
        return QStringLiteral("Entrez une date");
    case SearchKey::Dpt:
        return QStringLiteral("Entrez un departement");
    case SearchKey::Locator:
        return QStringLiteral("Entrez un locator");
    }
    return {};
}

} // namespace

QString &SearchBoxes::of(SearchKey key)
{
    return const_cast<QString &>(std::as_const(*this).of(key));
}

const QString &SearchBoxes::of(SearchKey key) const
{
    switch (key) {
    case SearchKey::Indicatif:
        return Indica;
    case SearchKey::Date:
        return Data;
    case SearchKey::Dpt:
        return Depa;
    case SearchKey::Locator:
        break;
    }
    return Loca;
}

QList<SearchHit> findQsos(SearchKey key, const QString &text, const QStringList &logLines)
{
    QList<SearchHit> hits;
    for (qsizetype row = 0; row < logLines.size(); ++row)
        if (matches(key, text, logLines[row]))
            hits.append({int(row), logLines[row]});
    return hits;
}

SearchVerdict searchOnEnter(SearchKey box, SearchKey selected, const SearchBoxes &boxes,
                            const QStringList &logLines)
{
    SearchVerdict v = checkBox(box, boxes.of(box));
    if (!v.message.isEmpty())
        return v;

    v.searched = true;
    const QString text = boxes.of(selected).toUpper();
    if (text.isEmpty() && !logLines.isEmpty()) {
        v.message = emptySearchMessage(selected);
        if (selected == SearchKey::Indicatif)
            v.emptyBox = selected;
        return v;
    }
    if (!text.isEmpty())
        v.hits = findQsos(selected, text, logLines);
    if (v.hits.isEmpty())
        v.message = QStringLiteral("Pas de QSO trouvé");
    v.emptyAll = true;
    return v;
}

int rowOfFoundLine(QStringView foundLine, const QStringList &logLines)
{
    const QStringView head = foundLine.left(134);
    int row = -1;
    for (qsizetype i = 0; i < logLines.size(); ++i)
        if (QStringView(logLines[i]).left(134) == head)
            row = int(i);
    return row;
}

QString upperAsciiLetters(QString text)
{
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return text;
}

} // namespace pendrel
