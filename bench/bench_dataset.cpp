// How the dataset layer copes with a large file: opening a table dataset of
// 100,000 invoice lines, opening the browser's summary query over them, the memory
// that takes, and numbering a new invoice when 100,000 invoices are stored.
//
//   bench_dataset [--lines N] [--invoices N] [--numbering-invoices N]
//   defaults:      100000       10000           100000

#include "data/app_settings.h"
#include "data/data_module.h"
#include "data/database_file.h"
#include "invoice/line_arithmetic.h"
#include "platform/db/dataset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <memory>

namespace {

struct Memory
{
    double residentMb = 0; // now
    double peakMb = 0;     // ru_maxrss: the most the process has held so far
};

Memory memoryNow()
{
    // Hand freed heap back to the system first, so that the resident size shows what is held.
    malloc_trim(0);
    Memory m;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    m.peakMb = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    QFile statm("/proc/self/statm");
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = statm.readAll().split(' ');
        if (fields.size() > 1)
            m.residentMb = fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    }
    return m;
}

class Report
{
public:
    Report()
    {
        m_out << qSetFieldWidth(52) << Qt::left << "step" << qSetFieldWidth(12) << Qt::right << "time ms"
              << qSetFieldWidth(10) << "rows" << qSetFieldWidth(12) << "RSS MB" << qSetFieldWidth(12)
              << "peak MB" << qSetFieldWidth(0) << "\n"
              << QString(98, u'-') << "\n";
        m_out.flush();
    }
    void row(const QString& step, double ms, qint64 rows)
    {
        const Memory m = memoryNow();
        m_out << qSetFieldWidth(52) << Qt::left << step << qSetFieldWidth(12) << Qt::right
              << (ms < 0 ? QString("-") : QString::number(ms, 'f', ms < 10 ? 3 : 1)) << qSetFieldWidth(10)
              << (rows < 0 ? QString("-") : QLocale::c().toString(rows)) << qSetFieldWidth(12)
              << QString::number(m.residentMb, 'f', 1) << qSetFieldWidth(12)
              << QString::number(m.peakMb, 'f', 1) << qSetFieldWidth(0) << "\n";
        m_out.flush();
    }
    void note(const QString& text)
    {
        m_out << "  " << text << "\n";
        m_out.flush();
    }

private:
    QTextStream m_out{stdout};
};

double msSince(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

QString invoiceId(int n)
{
    return QStringLiteral("INV-%1").arg(n, 7, 10, QChar(u'0'));
}

// Invoices, their lines and the customers they name, written straight through SQL in
// one transaction; the line values come from the plain line arithmetic.
void fillInvoices(db::Connection& connection, int firstInvoice, int invoices, int linesEach)
{
    db::Transaction transaction(connection);
    QSqlQuery master(connection.database());
    master.prepare(
        "INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id, method_shipping, "
        "method_payment, total_before_discount, total_discount, total_after_discount, total_shipping, "
        "total_tax, total_invoice) VALUES (?, ?, ?, ?, 'TRUCK', 'CASH', ?, ?, ?, 0, ?, ?)");
    QSqlQuery detail(connection.database());
    detail.prepare(
        "INSERT INTO tinvoice_detail (item_id, invoice_id, item_name, item_qty, item_price, "
        "item_discountperunit, item_netprice, item_extended, item_shipping, item_vat, item_vatamt, "
        "item_uom, item_total, item_discountpercent) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, 'PCS', ?, ?)");
    const QDate start(2024, 1, 1);
    for (int n = firstInvoice; n < firstInvoice + invoices; ++n) {
        const QString id = invoiceId(n);
        double before = 0, discount = 0, after = 0, vat = 0, total = 0;
        for (int k = 0; k < linesEach; ++k) {
            const int productNo = 1 + (n * 7 + k) % 200;
            InvoiceLine line;
            ProductRecord product{QStringLiteral("PRD-%1").arg(productNo, 7, 10, QChar(u'0')),
                                  QStringLiteral("Product %1").arg(productNo), QStringLiteral("PCS"),
                                  10 + productNo * 13, productNo % 5 != 0};
            ApplyProductToLine(line, product, (n % 3) * 5, 7.0);
            line.item_qty = 1 + (n + k) % 12;
            RecalcLine(line, 7.0, *line.item_vat);
            detail.addBindValue(line.item_id);
            detail.addBindValue(id);
            detail.addBindValue(line.item_name);
            detail.addBindValue(*line.item_qty);
            detail.addBindValue(*line.item_price);
            detail.addBindValue(*line.item_discountperunit);
            detail.addBindValue(*line.item_netprice);
            detail.addBindValue(*line.item_extended);
            detail.addBindValue(*line.item_vat ? 1 : 0);
            detail.addBindValue(*line.item_vatamt);
            detail.addBindValue(*line.item_total);
            detail.addBindValue(*line.item_discountpercent);
            if (!detail.exec())
                qFatal("cannot write a line");
            before += *line.item_price * *line.item_qty;
            discount += *line.item_discountperunit * *line.item_qty;
            after += *line.item_extended;
            vat += *line.item_vatamt;
            total += *line.item_total;
        }
        const QDate issued = start.addDays(n % 366);
        master.addBindValue(id);
        master.addBindValue(issued.toString(Qt::ISODate));
        master.addBindValue(issued.addDays(30).toString(Qt::ISODate));
        master.addBindValue(QStringLiteral("CUS-%1").arg(1 + n % 100, 7, 10, QChar(u'0')));
        for (double v : {before, discount, after, vat, total})
            master.addBindValue(v);
        if (!master.exec())
            qFatal("cannot write an invoice");
    }
}

void fillCustomers(db::Connection& connection, int customers)
{
    db::Transaction transaction(connection);
    QSqlQuery q(connection.database());
    q.prepare("INSERT INTO tcustomer (customer_id, customer_name, customer_discount, customer_payment) "
              "VALUES (?, ?, 0, 'CASH')");
    for (int c = 1; c <= customers; ++c) {
        q.addBindValue(QStringLiteral("CUS-%1").arg(c, 7, 10, QChar(u'0')));
        q.addBindValue(QStringLiteral("Customer %1 Co., Ltd.").arg(c));
        if (!q.exec())
            qFatal("cannot write a customer");
    }
}

QString queryPlan(db::Connection& connection, const QString& statement)
{
    QSqlQuery q(connection.database());
    QStringList steps;
    if (q.exec("EXPLAIN QUERY PLAN " + statement))
        while (q.next())
            steps << q.value(3).toString();
    return steps.join("; ");
}

int optionValue(const QStringList& args, const QString& name, int fallback)
{
    const int i = int(args.indexOf(name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = optionValue(args, "--lines", 100000);
    const int invoices = std::max(1, optionValue(args, "--invoices", 10000));
    const int numberingInvoices = std::max(invoices, optionValue(args, "--numbering-invoices", 100000));
    const int linesEach = std::max(1, lines / invoices);

    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mdb");
    data::CreateDatabaseFile(path);
    auto module = std::make_unique<TDtmd>();
    Dtmd = module.get();
    module->ADOConn->setConnectionString("Data Source=" + path);
    module->ADOConn->open();
    LoadDefaultSettings();

    QTextStream out(stdout);
    out << "Dataset layer on " << QLocale::c().toString(invoices * linesEach) << " lines in "
        << QLocale::c().toString(invoices) << " invoices (SQLite file in " << dir.path() << ")\n\n";
    out.flush();
    Report report;
    report.row("start", -1, -1);

    QElapsedTimer timer;
    timer.start();
    fillCustomers(*module->ADOConn, 100);
    fillInvoices(*module->ADOConn, 1, invoices, linesEach);
    report.row("write the file (direct SQL, one transaction)", msSince(timer), qint64(invoices) * linesEach);

    {
        db::TableDataSet table(module->ADOConn, "tinvoice_detail");
        timer.restart();
        table.open();
        report.row("open TableDataSet tinvoice_detail", msSince(timer), table.recordCount());
        timer.restart();
        table.refresh();
        report.row("refresh it", msSince(timer), table.recordCount());
        timer.restart();
        table.last();
        table.locate({"invoice_id", "item_id"}, {invoiceId(invoices), "PRD-"});
        report.row("locate an invoice's line (last invoice)", msSince(timer), -1);
        timer.restart();
        table.close();
        report.row("close it", msSince(timer), 0);
    }

    db::DataSet& summary = *module->ADOQrsum;
    timer.restart();
    summary.open();
    report.row("open ADOQrsum (lines joined to invoices, customers)", msSince(timer), summary.recordCount());
    timer.restart();
    summary.refresh();
    report.row("refresh ADOQrsum", msSince(timer), summary.recordCount());
    summary.close();
    report.row("close ADOQrsum", -1, 0);

    db::DataSet& invoice = *module->ADOTbInvoice;
    module->ADOTbInvoiceDetail->open();
    timer.restart();
    invoice.open();
    report.row("open ADOTbInvoice (and its lines)", msSince(timer), invoice.recordCount());
    timer.restart();
    invoice.last();
    report.row("move to the last invoice (lines follow)", msSince(timer),
               module->ADOTbInvoiceDetail->recordCount());
    invoice.close();
    module->ADOTbInvoiceDetail->close();

    auto timeNumbering = [&](const QString& label) {
        QString next;
        timer.restart();
        next = module->NextInvoiceId();
        const double first = msSince(timer);
        const int repeats = 1000;
        timer.restart();
        for (int i = 0; i < repeats; ++i)
            next = module->NextInvoiceId();
        report.row(label + " -> " + next, msSince(timer) / repeats, -1);
        report.note(QStringLiteral("(first call %1 ms; the time shown is the mean of %2 calls)")
                        .arg(QString::number(first, 'f', 3))
                        .arg(repeats));
    };
    timeNumbering(QStringLiteral("NextInvoiceId, %1 invoices").arg(QLocale::c().toString(invoices)));

    if (numberingInvoices > invoices) {
        timer.restart();
        fillInvoices(*module->ADOConn, invoices + 1, numberingInvoices - invoices, 0);
        report.row(QStringLiteral("add invoices up to %1 (direct SQL)")
                       .arg(QLocale::c().toString(numberingInvoices)),
                   msSince(timer), numberingInvoices - invoices);
        timeNumbering(
            QStringLiteral("NextInvoiceId, %1 invoices").arg(QLocale::c().toString(numberingInvoices)));
    }
    report.note("plan of getmaxinvoice: " + queryPlan(*module->ADOConn, "SELECT * FROM getmaxinvoice"));
    return 0;
}
