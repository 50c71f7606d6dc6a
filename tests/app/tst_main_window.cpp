#include "app/database_location.h"
#include "app/main_window.h"
#include "data/data_module.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"
#include "test_support.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSqlQuery>
#include <QtTest>

using grid::SummaryPlace;

namespace {

// Invoice rows in a table order that puts INV-10 before INV-1 (the record-finding
// rule matches by prefix), an invoice whose number holds a quote, an invoice
// without lines, a line whose invoice row is missing (INV-9) and an invoice whose
// customer no longer exists (INV-3).
const QStringList kFixture = {
    "INSERT INTO tconfig (company_name, format_price, format_qty, format_date, invoice_prefix, "
    "startinvoice_no) "
    "VALUES ('Test Co', '#,###.##', '#0', 'dd/mm/yyyy', 'INV-', '0000001')",
    "INSERT INTO tcustomer (customer_id, customer_name) VALUES ('C1', 'Alpha Co'), ('C2', 'Beta Ltd')",
    "INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id) VALUES "
    "('INV-10', '2024-04-01', '2024-04-30', 'C1'), ('INV-1', '2024-01-05', '2024-02-04', 'C2'), "
    "('INV-2', '2024-02-01', '2024-03-01', 'C1'), ('INV-3', '2024-03-01', '2024-03-31', 'C9'), "
    "('INV-''7', '2024-05-01', '2024-05-01', 'C1'), ('INV-EMPTY', '2024-06-01', '2024-06-01', 'C2')",
    "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name, item_qty, item_price, item_extended, "
    "item_shipping, item_vatamt, item_total) VALUES "
    "('INV-10', 'P1', 'Pen', 10, 1.5, 15, 0, 1.05, 16.05), "
    "('INV-1', 'P2', 'Ink', 2, 100, 200, 10, 14, 224), "
    "('INV-1', 'P1', 'Pen', 1000, 1.5, 1500, 0, 105, 1605), "
    "('INV-2', 'P1', 'Pen', 3, 1.5, 4.5, 0, 0.32, 4.82), "
    "('INV-2', 'P3', 'Pad', 1, 25.25, 25.25, 5, 1.77, 32.02), "
    "('INV-3', 'P2', 'Ink', 1, 100, 100, 0, 7, 107), "
    "('INV-''7', 'P1', 'Pen', 4, 1.5, 6, 0, 0.42, 6.42), "
    "('INV-''7', 'P2', 'Ink', 1, 100, 100, 0, 7, 107), "
    "('INV-9', 'P1', 'Pen', 5, 1.5, 7.5, 0, 0, 7.5)",
};

int count(const QString& sql, const QString& param = {})
{
    QSqlQuery q(Dtmd->ADOConn->database());
    q.prepare(sql);
    if (sql.contains(u'?'))
        q.addBindValue(param);
    if (!q.exec() || !q.next())
        qFatal("count failed: %s", qPrintable(sql));
    return q.value(0).toInt();
}

int masterRows(const QString& id)
{
    return count("SELECT COUNT(*) FROM tinvoice_master WHERE invoice_id = ?", id);
}

int lineRows(const QString& id)
{
    return count("SELECT COUNT(*) FROM tinvoice_detail WHERE invoice_id = ?", id);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void browserShowsLinesGroupedByInvoice();
    void missingInvoiceRowOrCustomerLeavesCellsEmpty();
    void groupAndGrandSumsAgreeInTheSettingsMasks();
    void expandAllSurvivesRefreshAndCollapseAllCollapses();
    void gridModelPassesTesterThroughRefreshExpandAndCollapse();
    void menusHoldEveryItem_data();
    void menusHoldEveryItem();
    void popupMenuOrder();
    void deleteInvoice_data();
    void deleteInvoice();
    void deleteInvoiceWithoutInvoiceRowDeletesItsLines();
    void deleteFailureBetweenTheTwoDeletionsLosesNothing();
    void deleteOnAnEmptyBrowserAsksNothing();
    void deletingEveryInvoiceDownToTheLast();
    void exitAsksFirst_data();
    void exitAsksFirst();

private:
    void openWindow(const QStringList& extraFixture = {});
    int groupOf(const QString& invoiceId) const;
    QString cell(int group, int line, const QString& field) const;
    void focusInvoice(const QString& invoiceId);
    void trigger(const char* actionName);

    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
    std::unique_ptr<TDtmd> m_module;
    std::unique_ptr<TFMain> m_window;
};

void TestMainWindow::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestMainWindow::init()
{
    m_db = std::make_unique<testing::TempDatabase>();
    m_messages = std::make_unique<testing::ScriptedMessages>();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_module.reset();
    m_messages.reset();
    m_db.reset();
}

void TestMainWindow::openWindow(const QStringList& extraFixture)
{
    m_db->exec(kFixture + extraFixture);
    SetProgramFolderForTesting(m_db->folder());
    m_module = std::make_unique<TDtmd>();
    Dtmd = m_module.get();
    m_window = std::make_unique<TFMain>();
    FMain = m_window.get();
    QVERIFY(m_window->startupSucceeded());
    m_window->show();
    QVERIFY(Dtmd->ADOQrsum->isOpen());
}

int TestMainWindow::groupOf(const QString& invoiceId) const
{
    const grid::GridModel* model = m_window->invoiceGrid()->model();
    for (int g = 0; g < model->groupCount(); ++g)
        if (model->groupKey(g) == invoiceId)
            return g;
    return -1;
}

QString TestMainWindow::cell(int group, int line, const QString& field) const
{
    const grid::GridModel* model = m_window->invoiceGrid()->model();
    return model->index(line, model->columnOfField(field), model->groupIndex(group)).data().toString();
}

void TestMainWindow::focusInvoice(const QString& invoiceId)
{
    const int group = groupOf(invoiceId);
    QVERIFY(group >= 0);
    grid::DataGrid* grid = m_window->invoiceGrid();
    grid->view()->setCurrentIndex(grid->model()->groupIndex(group));
    QCOMPARE(Dtmd->ADOQrsum->asString("invoice_id"), invoiceId);
}

void TestMainWindow::trigger(const char* actionName)
{
    auto* action = m_window->findChild<QAction*>(QString::fromLatin1(actionName));
    QVERIFY2(action, actionName);
    action->trigger();
}

void TestMainWindow::browserShowsLinesGroupedByInvoice()
{
    openWindow();
    const grid::GridModel* model = m_window->invoiceGrid()->model();
    QStringList keys;
    for (int g = 0; g < model->groupCount(); ++g)
        keys.append(model->groupKey(g));
    // Ordered by number as text; the invoice without lines is not there.
    QCOMPARE(keys, QStringList({"INV-'7", "INV-1", "INV-10", "INV-2", "INV-3", "INV-9"}));
    QCOMPARE(model->groupCaption(1), QString("Invoice No. : INV-1"));
    for (int g = 0; g < model->groupCount(); ++g)
        QVERIFY(!m_window->invoiceGrid()->isGroupExpanded(g));
    QCOMPARE(m_window->invoiceGrid()->view()->objectName(), QString("GrInvoiceDBTableView1"));
    QCOMPARE(m_window->invoiceGrid()->objectName(), QString("GrInvoice"));

    // Captions, left to right; the grouping column is hidden.
    QStringList captions;
    for (int c = 0; c < model->columnCount(); ++c)
        captions.append(model->headerData(c, Qt::Horizontal).toString());
    QCOMPARE(captions, QStringList({"Issue Date", "Due Date", "Customer ID", "Product ID", "Price", "Qty",
                                    "Extened", "Shipping", "Vat amt", "Total Sale"}));
    // A line reads in the masks of the settings.
    const int inv1 = groupOf("INV-1");
    QCOMPARE(cell(inv1, 0, "issue_date"), QString("05/01/2024"));
    QCOMPARE(cell(inv1, 0, "customer"), QString("C2 - Beta Ltd"));
    QCOMPARE(cell(inv1, 0, "product"), QString("P2 - Ink"));
    QCOMPARE(cell(inv1, 1, "item_qty"), QString("1000"));
    QCOMPARE(cell(inv1, 1, "item_price"), QString("1.5"));
    QCOMPARE(cell(inv1, 1, "item_extended"), QString("1,500"));
}

void TestMainWindow::missingInvoiceRowOrCustomerLeavesCellsEmpty()
{
    openWindow();
    const int orphan = groupOf("INV-9");
    QCOMPARE(cell(orphan, 0, "issue_date"), QString());
    QCOMPARE(cell(orphan, 0, "due_date"), QString());
    QCOMPARE(cell(orphan, 0, "customer"), QString());
    QCOMPARE(cell(orphan, 0, "product"), QString("P1 - Pen"));
    const int noCustomer = groupOf("INV-3");
    QCOMPARE(cell(noCustomer, 0, "customer"), QString());
    QCOMPARE(cell(noCustomer, 0, "issue_date"), QString("01/03/2024"));
}

void TestMainWindow::groupAndGrandSumsAgreeInTheSettingsMasks()
{
    openWindow();
    const grid::DataGrid* grid = m_window->invoiceGrid();
    for (int item = 0; item < 5; ++item) {
        double groups = 0;
        for (int g = 0; g < grid->groupCount(); ++g)
            groups += grid->summaryValue(SummaryPlace::GroupFooter, item, g);
        QVERIFY(qAbs(groups - grid->summaryValue(SummaryPlace::Footer, item)) < 1e-9);
    }
    // Quantity in format_qty ("#0"), money in format_price ("#,###.##").
    const grid::GridModel* model = grid->model();
    QCOMPARE(model->footerText(model->columnOfField("item_qty")), QString("1027"));
    QCOMPARE(model->footerText(model->columnOfField("item_extended")), QString("1,958.25"));
    QCOMPARE(model->footerText(model->columnOfField("item_shipping")), QString("15"));
    QCOMPARE(model->footerText(model->columnOfField("item_vatamt")), QString("136.56"));
    QCOMPARE(model->footerText(model->columnOfField("item_total")), QString("2,109.81"));
    const int inv1 = groupOf("INV-1");
    QCOMPARE(model->groupFooterText(inv1, model->columnOfField("item_qty")), QString("1002"));
    QCOMPARE(model->groupFooterText(inv1, model->columnOfField("item_total")), QString("1,829"));
    // The group footer row of a collapsed group shows the same.
    const QModelIndex footerRow =
        model->index(model->groupIndex(inv1).row() + 1, model->columnOfField("item_total"));
    QCOMPARE(model->rowKind(footerRow), grid::GridModel::RowKind::GroupFooter);
    QCOMPARE(footerRow.data().toString(), QString("1,829"));
}

void TestMainWindow::expandAllSurvivesRefreshAndCollapseAllCollapses()
{
    openWindow();
    grid::DataGrid* grid = m_window->invoiceGrid();
    trigger("ExpandAllInvoice1");
    QVERIFY(grid->isAlwaysExpanded());
    m_db->exec({"INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty) VALUES ('INV-EMPTY', 'P1', 1)"});
    m_window->RefreshInvoiceGrid();
    QCOMPARE(grid->groupCount(), 7);
    for (int g = 0; g < grid->groupCount(); ++g)
        QVERIFY(grid->isGroupExpanded(g));

    grid->setGroupExpanded(0, true);
    trigger("HideAll1");
    QVERIFY(!grid->isAlwaysExpanded());
    for (int g = 0; g < grid->groupCount(); ++g)
        QVERIFY(!grid->isGroupExpanded(g));
    m_window->RefreshInvoiceGrid();
    for (int g = 0; g < grid->groupCount(); ++g)
        QVERIFY(!grid->isGroupExpanded(g));
}

void TestMainWindow::gridModelPassesTesterThroughRefreshExpandAndCollapse()
{
    m_db->exec(kFixture);
    SetProgramFolderForTesting(m_db->folder());
    m_module = std::make_unique<TDtmd>();
    Dtmd = m_module.get();
    m_window = std::make_unique<TFMain>();
    QAbstractItemModelTester tester(m_window->invoiceGrid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_window->show(); // opens the query
    m_window->RefreshInvoiceGrid();
    trigger("ExpandAllInvoice1");
    m_window->RefreshInvoiceGrid();
    trigger("HideAll1");
    m_window->invoiceGrid()->setGroupExpanded(1, true);
    m_messages->confirmAnswers = {true};
    focusInvoice("INV-2");
    trigger("mnu_deleteInvoice");
    QCOMPARE(m_window->invoiceGrid()->groupCount(), 5);
    QVERIFY(!QTest::currentTestFailed());
}

void TestMainWindow::menusHoldEveryItem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::newRow("N9") << "N9" << "Exit";
    QTest::newRow("N11") << "N11" << "Customers...";
    QTest::newRow("N12") << "N12" << "Products...";
    QTest::newRow("mnu_newInvoice") << "mnu_newInvoice" << "New Invoice...";
    QTest::newRow("mnu_editInvoice") << "mnu_editInvoice" << "Edit Invoice...";
    QTest::newRow("mnu_deleteInvoice") << "mnu_deleteInvoice" << "Delete Invoice";
    QTest::newRow("mnu_printInvoice") << "mnu_printInvoice" << "Print Invoice...";
    QTest::newRow("N2") << "N2" << "Settings...";
    QTest::newRow("otalSalesGroupbyCustomer1") << "otalSalesGroupbyCustomer1" << "About...";
    QTest::newRow("ExpandAllInvoice1") << "ExpandAllInvoice1" << "Expand All...";
    QTest::newRow("HideAll1") << "HideAll1" << "Collapse All....";
    QTest::newRow("NewInvoice1") << "NewInvoice1" << "New Invoice...";
    QTest::newRow("EditInvoice1") << "EditInvoice1" << "Edit Invoice...";
    QTest::newRow("DeleteInvoice2") << "DeleteInvoice2" << "Delete Invoice";
    QTest::newRow("PrintInvoice1") << "PrintInvoice1" << "Print Invoice...";
    QTest::newRow("PrintReport1") << "PrintReport1" << "Print Report";
    QTest::newRow("ShowDetails1") << "ShowDetails1" << "Show Details....";
    QTest::newRow("NotShowdetails1") << "NotShowdetails1" << "Not Show Details...";
    // clang-format on
}

void TestMainWindow::menusHoldEveryItem()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    openWindow();
    auto* action = m_window->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QVERIFY(!action->icon().isNull());
    // Items whose windows come later run without a message.
    if (name != "N9" && name != "mnu_deleteInvoice" && name != "DeleteInvoice2")
        action->trigger();
    QVERIFY(m_messages->shown.isEmpty());
}

void TestMainWindow::popupMenuOrder()
{
    openWindow();
    auto* popup = m_window->findChild<QMenu*>("PopupMenuInvoice");
    QVERIFY(popup);
    QStringList items;
    for (QAction* a : popup->actions())
        items.append(a->isSeparator() ? QString("-") : a->objectName());
    QCOMPARE(items, QStringList({"ExpandAllInvoice1", "HideAll1", "-", "NewInvoice1", "EditInvoice1",
                                 "DeleteInvoice2", "-", "PrintInvoice1", "PrintReport1"}));
    QMenu* printReport = m_window->findChild<QAction*>("PrintReport1")->menu();
    QVERIFY(printReport);
    QCOMPARE(printReport->actions().size(), 2);
    QCOMPARE(printReport->actions().at(0)->objectName(), QString("ShowDetails1"));
    QCOMPARE(printReport->actions().at(1)->objectName(), QString("NotShowdetails1"));
    QStringList top;
    for (QAction* a : m_window->menuBar()->actions())
        top.append(a->text());
    QCOMPARE(top, QStringList({"Menu", "Base Data", "Invoices", "Settings", "Help"}));
}

void TestMainWindow::deleteInvoice_data()
{
    QTest::addColumn<QString>("invoice");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("linesBefore");

    QTest::newRow("yes") << "INV-2"
                         << "mnu_deleteInvoice" << true << 2;
    QTest::newRow("no") << "INV-2"
                        << "mnu_deleteInvoice" << false << 2;
    QTest::newRow("pop-up item, yes") << "INV-3"
                                      << "DeleteInvoice2" << true << 1;
    // The quote is doubled inside the statement's quotes.
    QTest::newRow("quote in the number") << "INV-'7"
                                         << "mnu_deleteInvoice" << true << 2;
    // INV-10 comes first in the table and begins with INV-1: INV-1 itself goes.
    QTest::newRow("number that begins another") << "INV-1"
                                                << "mnu_deleteInvoice" << true << 2;
}

void TestMainWindow::deleteInvoice()
{
    QFETCH(QString, invoice);
    QFETCH(QString, action);
    QFETCH(bool, answer);
    QFETCH(int, linesBefore);
    openWindow();
    const int mastersBefore = count("SELECT COUNT(*) FROM tinvoice_master");
    const int allLinesBefore = count("SELECT COUNT(*) FROM tinvoice_detail");
    QCOMPARE(lineRows(invoice), linesBefore);
    focusInvoice(invoice);
    m_messages->confirmAnswers = {answer};

    trigger(qPrintable(action));

    QCOMPARE(m_messages->texts(),
             QStringList({QString("This invoice will be permanent delete,Do you want to delete invoice : %1?")
                              .arg(invoice)}));
    const int gone = answer ? 1 : 0;
    QCOMPARE(masterRows(invoice), 1 - gone);
    QCOMPARE(lineRows(invoice), answer ? 0 : linesBefore);
    QCOMPARE(count("SELECT COUNT(*) FROM tinvoice_master"), mastersBefore - gone);
    QCOMPARE(count("SELECT COUNT(*) FROM tinvoice_detail"), allLinesBefore - (answer ? linesBefore : 0));
    QCOMPARE(groupOf(invoice) >= 0, !answer);
    QCOMPARE(Dtmd->ADOTbInvoice->recordCount(), mastersBefore - gone);
}

void TestMainWindow::deleteInvoiceWithoutInvoiceRowDeletesItsLines()
{
    openWindow();
    focusInvoice("INV-9");
    m_messages->confirmAnswers = {true};
    trigger("mnu_deleteInvoice");
    QCOMPARE(m_messages->texts(),
             QStringList({"This invoice will be permanent delete,Do you want to delete invoice : INV-9?"}));
    QCOMPARE(lineRows("INV-9"), 0);
    QCOMPARE(count("SELECT COUNT(*) FROM tinvoice_master"), 6); // no other invoice was taken instead
    QCOMPARE(groupOf("INV-9"), -1);
}

void TestMainWindow::deleteFailureBetweenTheTwoDeletionsLosesNothing()
{
    openWindow({"CREATE TRIGGER refuse_line_delete BEFORE DELETE ON tinvoice_detail "
                "BEGIN SELECT RAISE(ABORT, 'boom'); END"});
    focusInvoice("INV-2");
    m_messages->confirmAnswers = {true};
    trigger("mnu_deleteInvoice");

    QCOMPARE(m_messages->texts("error"), QStringList({"boom"}));
    QCOMPARE(masterRows("INV-2"), 1);
    QCOMPARE(lineRows("INV-2"), 2);
    QCOMPARE(Dtmd->ADOConn->transactionDepth(), 0);
    // The invoice table shows the truth again, and the browser still lists the invoice.
    QCOMPARE(Dtmd->ADOTbInvoice->recordCount(), 6);
    QVERIFY(Dtmd->ADOTbInvoice->locate("invoice_id", "INV-2"));
    QVERIFY(groupOf("INV-2") >= 0);
}

void TestMainWindow::deleteOnAnEmptyBrowserAsksNothing()
{
    openWindow({"DELETE FROM tinvoice_detail"});
    QCOMPARE(m_window->invoiceGrid()->groupCount(), 0);
    m_messages->confirmAnswers = {true};
    trigger("mnu_deleteInvoice");
    QVERIFY(m_messages->shown.isEmpty());
    QCOMPARE(count("SELECT COUNT(*) FROM tinvoice_master"), 6);
}

void TestMainWindow::deletingEveryInvoiceDownToTheLast()
{
    // The browser empties one invoice at a time; after the last one goes a further
    // Delete asks nothing, and the only invoices left are those without lines.
    openWindow();
    int deleted = 0;
    while (m_window->invoiceGrid()->groupCount() > 0) {
        focusInvoice(m_window->invoiceGrid()->model()->groupKey(0));
        m_messages->confirmAnswers = {true};
        trigger("mnu_deleteInvoice");
        QCOMPARE(m_messages->texts("error"), QStringList{});
        QVERIFY(++deleted < 20);
    }
    QCOMPARE(count("SELECT COUNT(*) FROM tinvoice_detail"), 0);
    QCOMPARE(Dtmd->ADOQrsum->recordCount(), 0);
    QCOMPARE(Dtmd->ADOTbInvoiceDetail->recordCount(), 0);
    const int shown = m_messages->shown.size();
    trigger("DeleteInvoice2");
    QCOMPARE(m_messages->shown.size(), shown);
    trigger("ExpandAllInvoice1");
    trigger("HideAll1");
    QCOMPARE(m_messages->texts("error"), QStringList{});
}

void TestMainWindow::exitAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes closes") << true;
    QTest::newRow("no keeps running") << false;
}

void TestMainWindow::exitAsksFirst()
{
    QFETCH(bool, answer);
    openWindow();
    m_messages->confirmAnswers = {answer};
    trigger("N9");
    QCOMPARE(m_messages->texts(), QStringList({"Do you sure to exit program?"}));
    QCOMPARE(m_window->isVisible(), !answer);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
