#pragma once

// The demo data set: a settings row for a Thai trading company, its customers and
// products, and a year of invoices. Every row goes in through the data module's
// datasets, so numbers come from its numbering, every line's values from the line
// rules and every invoice's totals from StoreInvoiceTotals, as if typed in the program.

#include <QDate>

class TDtmd;

namespace tools {

struct DemoOptions
{
    int invoices = 300;
    int linesPerInvoice = 0; // 0: each invoice gets 1 to 8 lines
    quint32 seed = 20240501;
    QDate today = QDate::currentDate(); // the invoices cover the year up to this day
};

struct DemoSummary
{
    bool settingsWritten = false; // false when the file already had its settings row
    int customers = 0;
    int products = 0;
    int invoices = 0;
    int lines = 0;
};

// The largest number of lines an invoice can take: an invoice holds each product once.
int DemoProductCount();

// Fills the database the data module is connected to. Refuses a database that
// already holds invoices and options out of range; all of it is written in one
// transaction, so a failure leaves the file as it was. A settings row already in
// the file is kept and used. Throws db::DbError.
DemoSummary FillDemoData(TDtmd& module, const DemoOptions& options);

} // namespace tools
