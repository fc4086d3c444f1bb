#pragma once
#include <QString>
#include <QByteArrayView>
#include <QStringView>

namespace pendrel::adif {

// ADIF band name of a band as the log stores it ("7.0 Mhz" -> "40m"); empty
// for a band text it does not know, which is then exported as <band:0>.
QString exportBandName(QStringView logBand);

// Band text of the log for a BAND value of a file, as the log's code page
// holds it, in upper case ("40M" -> "7.0 Mhz"); empty when the value names no
// band the log knows.
QString bandFromName(QByteArrayView adifBand);

// Band text of the log for a frequency in MHz, by the table's edges (no
// guessing of kHz or Hz); empty when it falls in no band. Shared by the import
// and the rig.
QString bandAtMHz(double mhz);

// Band text of the log for a FREQ value ("7.030" -> "7.0 Mhz"). FREQ is in
// MHz, but some loggers write kHz ("14200") or Hz ("7038276"): a value that
// falls in no band as MHz is tried as kHz, then as Hz. Empty when none fits.
QString bandFromFrequency(QByteArrayView freq);

} // namespace pendrel::adif
