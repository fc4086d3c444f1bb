#include "core/info/AboutText.h"

#include <QDir>
#include <QFile>

namespace pendrel {

QList<DataLicence> shippedDataLicences(const QString &folder)
{
    QList<DataLicence> licences;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const QString title = text.section(u'\n', 0, 0).trimmed();
        licences.append(DataLicence{title.isEmpty() ? name : title, text});
    }
    return licences;
}

QString aboutText(const QString &programRevision, const QList<DataLicence> &licences)
{
    QString text = QStringLiteral("Pendrel  Revision ") + programRevision + QStringLiteral("\r\n\r\n") + AboutCredit;
    if (licences.isEmpty())
        return text;
    text += QStringLiteral("\r\n\r\nDonnées fournies avec Pendrel et leurs licences :");
    for (const DataLicence &licence : licences)
        text += QStringLiteral("\r\n- ") + licence.title;
    text += QStringLiteral("\r\n\r\nLe texte complet de chaque licence est dans la notice (page « Licences des "
                           "données »).");
    return text;
}

} // namespace pendrel
