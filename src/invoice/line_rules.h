#pragma once

// The line rules applied to the current row of the invoice-line dataset and the
// totals step applied to the current invoice row. Each line rule acts only while
// the line is being edited (edit or insert state); otherwise it changes nothing.
// The arithmetic itself lives in line_arithmetic.h as plain functions.

#include "invoice/line_arithmetic.h"

namespace db {
class DataSet;
}

InvoiceLine ReadInvoiceLine(const db::DataSet& detail);
ProductRecord ReadProductRecord(const db::DataSet& product);

// vatFlag: the line's VAT flag as the caller sees it (the dialog's check box, or item_vat).
void RecalcLine(db::DataSet& detail, bool vatFlag);
void ApplyDiscountPercent(db::DataSet& detail, QString& percentFieldText, bool vatFlag);
void ApplyDiscountPerUnit(db::DataSet& detail, QString& perUnitFieldText, bool vatFlag);
void ApplyProductToLine(db::DataSet& detail, const db::DataSet& product, int customerDiscount);

// Writes the six totals of the current invoice from the database's line sums and
// stores the invoice row (a new invoice is written as a new row here).
void StoreInvoiceTotals(db::DataSet& invoice);
