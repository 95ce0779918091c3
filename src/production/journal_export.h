#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "production/journal_record.h"

// The journal's records for people and for other programs.
namespace JournalExport {

// Columns separated by tabs under one header row, for a terminal.
QString table(const QList<JournalRecord> &records);
// Opens in a spreadsheet as it is: UTF-8 with a byte-order mark, one header
// row, commas, CRLF line ends, quoted where a field needs it.
QByteArray csv(const QList<JournalRecord> &records);
// An array of objects with English keys and outcome codes ("unknown" for a
// record left started); absent values are null.
QByteArray json(const QList<JournalRecord> &records);

}  // namespace JournalExport
