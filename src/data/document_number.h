#pragma once

#include <QString>

#include <functional>

// The number for a new customer, product or invoice: the series' prefix followed by a running
// number left-filled with "0" to the length of the series' start-number template
// (INV-0000001, INV-0000002, ...). The next number follows the highest id stored so far.
//
// highestId     the highest id of the series as stored; empty when the table has none
// prefix        the series' prefix from the settings, for example "INV-"
// startTemplate the series' start number from the settings, for example "0000001": its value is
//               the first running number and its length the width of every running number
// isTaken       tells whether an id is already in use
//
// The result is never an id for which isTaken() is true: where the highest id does not lead to a
// free number (an empty prefix, a prefix inside the running number, older ids sorting above the
// current prefix), the running number steps on to the next free one. Throws db::DbError when
// prefix and template are both empty (there is no number to give) or no free number turns up.
QString NextDocumentNumber(const QString& highestId, const QString& prefix, const QString& startTemplate,
                           const std::function<bool(const QString&)>& isTaken);
