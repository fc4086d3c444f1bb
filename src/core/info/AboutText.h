#pragma once
#include <QList>
#include <QString>

namespace pendrel {

// A licence of data shipped with the program: the first line of its file
// (a short title) and the whole text.
struct DataLicence {
    QString title;
    QString text;
};

// Every licence file of `folder` (the resource folder ":/licenses" unless
// told), in name order, any case; none when the folder is missing or empty.
QList<DataLicence> shippedDataLicences(const QString &folder = QStringLiteral(":/licenses"));

inline const QString AboutCredit =
    QStringLiteral("Carnet de trafic du Kerlan QRP, écrit par des QRPistes pour les QRPistes. Logiciel libre (GPL-3).");

// The about box: "Pendrel  Revision " and the revision, two line breaks, the
// credit line, then the title of each licence of the shipped data.
QString aboutText(const QString &programRevision, const QList<DataLicence> &licences);

} // namespace pendrel
