// How many calls per second the business rules manage: the baht text, the Thai
// number words, the display masks, and the line rules both as plain functions and
// on the invoice-line dataset (as the line dialog runs them).
//
//   bench_rules [SECONDS_PER_ROW]     default 0.5

#include "data/app_settings.h"
#include "data/baht_text.h"
#include "data/data_module.h"
#include "data/database_file.h"
#include "invoice/line_arithmetic.h"
#include "invoice/line_rules.h"
#include "platform/db/display_format.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

double g_secondsPerRow = 0.5;
qint64 g_sink = 0; // results are summed in here so that no call can be optimised away

// Runs call(i) with i = 0, 1, 2, ... for about g_secondsPerRow and returns the calls per second.
double callsPerSecond(const std::function<qint64(qint64)>& call)
{
    for (qint64 i = 0; i < 200; ++i) // warm up caches and lazy initialisation
        g_sink += call(i);
    QElapsedTimer timer;
    timer.start();
    qint64 calls = 0;
    const qint64 budget = qint64(g_secondsPerRow * 1e9);
    while (timer.nsecsElapsed() < budget) {
        for (int k = 0; k < 256; ++k, ++calls)
            g_sink += call(calls);
    }
    return double(calls) * 1e9 / double(timer.nsecsElapsed());
}

void printRow(const QString& what, double perSecond)
{
    QTextStream out(stdout);
    const QLocale c = QLocale::c();
    out << qSetFieldWidth(58) << Qt::left << what << qSetFieldWidth(14) << Qt::right
        << c.toString(qint64(perSecond)) << qSetFieldWidth(0) << "   "
        << QString::number(1e6 / perSecond, 'f', 3) << " us\n";
    out.flush();
}

QStringList amountTexts()
{
    // Satang amounts from 0 to 9,999,999.99, written as the printout writes total_invoice.
    QRandomGenerator random(7);
    QStringList texts;
    for (int i = 0; i < 4096; ++i) {
        const int digitsOfBaht = 1 + int(random.bounded(7u));
        qint64 baht = 0;
        for (int d = 0; d < digitsOfBaht; ++d)
            baht = baht * 10 + random.bounded(10u);
        texts << db::shortestDecimalText(double(baht) + random.bounded(100u) / 100.0);
    }
    return texts;
}

QStringList digitTexts()
{
    QRandomGenerator random(11);
    QStringList texts;
    for (int i = 0; i < 4096; ++i) {
        QString t = QString::number(1 + random.bounded(9u));
        const int more = int(random.bounded(7u));
        for (int d = 0; d < more; ++d)
            t += QChar(u'0' + random.bounded(10u));
        texts << t;
    }
    return texts;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        g_secondsPerRow = QString::fromLocal8Bit(argv[1]).toDouble();
    if (g_secondsPerRow <= 0)
        g_secondsPerRow = 0.5;
    LoadDefaultSettings(); // VAT 7

    QTextStream out(stdout);
    out << "Business rules, calls per second (" << g_secondsPerRow << " s per row)\n\n";
    out << qSetFieldWidth(58) << Qt::left << "operation" << qSetFieldWidth(14) << Qt::right << "calls/s"
        << qSetFieldWidth(0) << "   per call\n"
        << QString(90, u'-') << "\n";
    out.flush();

    const QStringList amounts = amountTexts();
    const QStringList digits = digitTexts();
    printRow("BahtText (4,096 amounts, 0 to 9,999,999.99)",
             callsPerSecond([&](qint64 i) { return BahtText(amounts[i & 4095]).size(); }));
    printRow("ThaiNumberWords (1 to 8 digits)",
             callsPerSecond([&](qint64 i) { return ThaiNumberWords(digits[i & 4095]).size(); }));

    QList<double> values;
    for (int i = 0; i < 4096; ++i)
        values << (i * 7919.37) - 1e6;
    printRow("formatNumber mask \"#,##0.00\"",
             callsPerSecond([&](qint64 i) { return db::formatNumber(values[i & 4095], "#,##0.00").size(); }));
    printRow("formatNumber mask \"#,#00\"",
             callsPerSecond([&](qint64 i) { return db::formatNumber(values[i & 4095], "#,#00").size(); }));
    printRow("formatDate mask \"dd/mm/yyyy\"", callsPerSecond([&](qint64 i) {
                 return db::formatDate(QDate(2024, 1, 1).addDays(i & 1023), "dd/mm/yyyy").size();
             }));

    // The line rules as plain functions.
    const ProductRecord pump{"PRD-0000001", "Water pump", "PCS", 1000, true};
    const ProductRecord hose{"PRD-0000002", "Garden hose", "ROLL", 250, false};
    InvoiceLine line;
    ApplyProductToLine(line, pump, 5, 7.0);
    printRow("RecalcLine (plain, quantity changed)", callsPerSecond([&](qint64 i) {
                 line.item_qty = int(1 + (i & 15));
                 RecalcLine(line, 7.0, true);
                 return qint64(*line.item_total);
             }));
    printRow("ApplyProductToLine (plain, product changed)", callsPerSecond([&](qint64 i) {
                 ApplyProductToLine(line, (i & 1) ? hose : pump, 5, 7.0);
                 return qint64(*line.item_total);
             }));
    printRow("ApplyDiscountPercent (plain)", callsPerSecond([&](qint64 i) {
                 QString text = QString::number(i & 15);
                 ApplyDiscountPercent(line, text, 7.0, true);
                 return qint64(*line.item_total);
             }));

    // The same rules on the current row of the invoice-line dataset.
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mdb");
    data::CreateDatabaseFile(path);
    auto module = std::make_unique<TDtmd>();
    Dtmd = module.get();
    module->ADOConn->setConnectionString("Data Source=" + path);
    module->ADOConn->open();
    module->ADOConn->exec(
        "INSERT INTO tproduct VALUES ('PRD-0000001', 'Water pump', NULL, 800, 1000, 'PCS', 1)");
    module->ADOConn->exec(
        "INSERT INTO tproduct VALUES ('PRD-0000002', 'Garden hose', NULL, 150, 250, 'ROLL', 0)");
    module->ADOTbProduct->open();
    module->ADOTbInvoice->open();
    module->ADOTbInvoiceDetail->open();
    db::DataSet& detail = *module->ADOTbInvoiceDetail;
    db::DataSet& product = *module->ADOTbProduct;
    module->ADOTbInvoice->insert();
    detail.insert();
    ApplyProductToLine(detail, product, 5);

    printRow("RecalcLine (dataset, after setValue of the quantity)", callsPerSecond([&](qint64 i) {
                 detail.setValue("item_qty", int(1 + (i & 15)));
                 RecalcLine(detail, true);
                 return qint64(detail.asDouble("item_total"));
             }));
    printRow("ApplyProductToLine (dataset, product row moved)", callsPerSecond([&](qint64 i) {
                 product.setCurrentRow(int(i & 1));
                 ApplyProductToLine(detail, product, 5);
                 return qint64(detail.asDouble("item_total"));
             }));
    printRow("ApplyDiscountPercent (dataset)", callsPerSecond([&](qint64 i) {
                 QString text = QString::number(i & 15);
                 ApplyDiscountPercent(detail, text, true);
                 return qint64(detail.asDouble("item_total"));
             }));
    detail.cancel();
    module->ADOTbInvoice->cancel();

    std::fprintf(stderr, "(checksum %lld)\n", static_cast<long long>(g_sink));
    return 0;
}
