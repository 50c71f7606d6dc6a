// How the invoice browser copes with a large file: 100,000 invoice lines in
// 10,000 invoices. Reports the time to open the summary query, to the first
// painted grid, of Expand All, of a refresh while expanded, of scrolling, the
// peak memory, and, for comparison, what the sqlite3 program needs to run the
// same statement. See bench/README.md.

#include "app/database_location.h"
#include "app/main_window.h"
#include "data/app_settings.h"
#include "data/data_module.h"
#include "data/database_file.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/grid_tree_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

constexpr int kInvoices = 10000;
constexpr int kLinesPerInvoice = 10;
constexpr int kCustomers = 1000;

void check(bool ok, QSqlQuery& q)
{
    if (!ok) {
        std::fprintf(stderr, "fill failed: %s\n", qPrintable(q.lastError().text()));
        std::exit(1);
    }
}

// Direct SQL in one transaction: the benchmark measures reading, not writing.
void fillDatabase(const QString& path)
{
    const QString name = QStringLiteral("bench-fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        check(q.exec("PRAGMA synchronous=OFF"), q);
        check(q.exec("BEGIN"), q);
        check(
            q.exec(
                "INSERT INTO tconfig (company_name, format_price, format_qty, format_date, invoice_prefix, "
                "customer_prefix, product_prefix, startinvoice_no, startcustomer_no, startproduct_no) VALUES "
                "('Bench Co', '#,##0.00', '#,##0', 'dd/mm/yyyy', 'INV-', 'CUS-', 'PRD-', '0000001', "
                "'0000001', "
                "'0000001')"),
            q);
        check(q.prepare("INSERT INTO tcustomer (customer_id, customer_name) VALUES (?, ?)"), q);
        for (int c = 0; c < kCustomers; ++c) {
            q.addBindValue(QStringLiteral("CUS-%1").arg(c + 1, 7, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("Customer %1 Co., Ltd.").arg(c + 1));
            check(q.exec(), q);
        }
        QSqlQuery master(db);
        check(master.prepare("INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id) "
                             "VALUES (?, ?, ?, ?)"),
              master);
        QSqlQuery line(db);
        check(
            line.prepare(
                "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name, item_qty, item_price, "
                "item_extended, item_shipping, item_vatamt, item_total) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            line);
        const QDate start(2020, 1, 1);
        // Invoices are written in a scrambled order so that the query's rows do not
        // come out already grouped.
        for (int i = 0; i < kInvoices; ++i) {
            const int number = (i * 7919) % kInvoices + 1;
            const QString id = QStringLiteral("INV-%1").arg(number, 7, 10, QLatin1Char('0'));
            const QDate issued = start.addDays(number % 1500);
            master.addBindValue(id);
            master.addBindValue(issued.toString(Qt::ISODate));
            master.addBindValue(issued.addDays(30).toString(Qt::ISODate));
            master.addBindValue(
                QStringLiteral("CUS-%1").arg(number % kCustomers + 1, 7, 10, QLatin1Char('0')));
            check(master.exec(), master);
            for (int l = 0; l < kLinesPerInvoice; ++l) {
                const int qty = 1 + (number + l) % 20;
                const double price = 10.25 + (l * 13 + number) % 500;
                const double extended = qty * price;
                const double vat = extended * 0.07;
                line.addBindValue(id);
                line.addBindValue(QStringLiteral("PRD-%1").arg(l + 1, 7, 10, QLatin1Char('0')));
                line.addBindValue(QStringLiteral("Product number %1").arg(l + 1));
                line.addBindValue(qty);
                line.addBindValue(price);
                line.addBindValue(extended);
                line.addBindValue(5.0);
                line.addBindValue(vat);
                line.addBindValue(extended + vat + 5.0);
                check(line.exec(), line);
            }
        }
        check(q.exec("COMMIT"), q);
    }
    QSqlDatabase::removeDatabase(name);
}

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Paints the grid's rows now, as the screen would.
void paintGrid(grid::DataGrid* grid)
{
    QApplication::processEvents();
    grid->view()->viewport()->repaint();
}

double sqliteProgramMs(const QString& path, const QString& statement)
{
    const QString program = QStringLiteral("/usr/bin/sqlite3");
    if (!QFileInfo::exists(program))
        return -1;
    double best = 1e18;
    for (int run = 0; run < 3; ++run) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/null"));
        QElapsedTimer t;
        t.start();
        process.start(program, {path, statement});
        process.waitForFinished(-1);
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("database/dbinvoice.mdb"));
    QElapsedTimer timer;
    timer.start();
    data::CreateDatabaseFile(path);
    fillDatabase(path);
    out << "database: " << kInvoices * kLinesPerInvoice << " lines in " << kInvoices << " invoices, made in "
        << timer.elapsed() << " ms\n";

    SetProgramFolderForTesting(folder.path());
    auto module = std::make_unique<TDtmd>();
    Dtmd = module.get();
    auto window = std::make_unique<TFMain>();
    FMain = window.get();
    if (!window->startupSucceeded())
        return 1;
    grid::DataGrid* grid = window->invoiceGrid();

    // The query alone: the grid is not bound while it is read.
    grid->setDataSource(nullptr);
    double queryMs = 1e18;
    for (int run = 0; run < 3; ++run) {
        Dtmd->ADOQrsum->close();
        timer.start();
        Dtmd->ADOQrsum->open();
        queryMs = std::min(queryMs, timer.nsecsElapsed() / 1e6);
    }
    Dtmd->ADOQrsum->close();
    grid->setDataSource(Dtmd->DtsQrSum);

    // Showing the window opens every dataset of the browser (FormShow) and groups
    // and sums the lines; the clock stops when the grid's rows are painted.
    timer.start();
    window->resize(1280, 800);
    window->show();
    paintGrid(grid);
    const double firstPaintMs = timer.nsecsElapsed() / 1e6;

    timer.start();
    window->ExpandAllInvoice1Click();
    paintGrid(grid);
    const double expandMs = timer.nsecsElapsed() / 1e6;

    timer.start();
    window->RefreshInvoiceGrid();
    paintGrid(grid);
    const double refreshMs = timer.nsecsElapsed() / 1e6;

    // A page down twenty times, then the end of the list.
    QScrollBar* bar = grid->view()->verticalScrollBar();
    timer.start();
    for (int page = 0; page < 20; ++page) {
        bar->setValue(bar->value() + bar->pageStep());
        paintGrid(grid);
    }
    bar->setValue(bar->maximum());
    paintGrid(grid);
    const double scrollMs = timer.nsecsElapsed() / 1e6;

    timer.start();
    window->HideAll1Click();
    paintGrid(grid);
    const double collapseMs = timer.nsecsElapsed() / 1e6;

    // The grid's own share of a refresh: re-reading with the grid bound (collapsed)
    // against re-reading alone.
    double boundMs = 1e18;
    for (int run = 0; run < 3; ++run) {
        Dtmd->ADOQrsum->close();
        timer.start();
        Dtmd->ADOQrsum->open();
        boundMs = std::min(boundMs, timer.nsecsElapsed() / 1e6);
    }

    const double sqliteMs = sqliteProgramMs(path, TDtmd::SummaryStatement().join(u'\n'));

    out << "groups shown: " << grid->groupCount() << "\n";
    out << QString::asprintf("open ADOQrsum (query only, best of 3):  %8.1f ms\n", queryMs);
    out << QString::asprintf(
        "open ADOQrsum with the grid bound:     %8.1f ms (grouping, sorting, sums: %.1f ms)\n", boundMs,
        boundMs - queryMs);
    out << QString::asprintf("show window to first painted grid:     %8.1f ms\n", firstPaintMs);
    out << QString::asprintf("Expand All (painted):                  %8.1f ms\n", expandMs);
    out << QString::asprintf("refresh while expanded (painted):      %8.1f ms\n", refreshMs);
    out << QString::asprintf("21 page scrolls to the end (painted):  %8.1f ms\n", scrollMs);
    out << QString::asprintf("Collapse All (painted):                %8.1f ms\n", collapseMs);
    out << QString::asprintf("peak memory (ru_maxrss):               %8.1f MB\n", peakMemoryKb() / 1024.0);
    if (sqliteMs < 0)
        out << "sqlite3 program: not installed\n";
    else
        out << QString::asprintf("sqlite3 program, same statement:       %8.1f ms (best of 3)\n", sqliteMs)
            << QString::asprintf("query open / sqlite3:                  %8.2f\n", queryMs / sqliteMs);
    out.flush();

    window.reset();
    module.reset();
    return 0;
}
