#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/db/display_format.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/filter_dialog.h"
#include "platform/grid/footer_bar.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"
#include "test_support.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

using grid::DataGrid;
using grid::FilterCondition;
using grid::FilterCriteria;
using grid::FilterOperator;
using grid::GridModel;
using grid::SummaryItem;
using grid::SummaryKind;
using grid::SummaryPlace;

namespace {

// Four invoices' lines, deliberately stored out of invoice order, plus a line
// whose invoice row is missing (INV-9).
const QStringList kInvoiceFixture = {
    "INSERT INTO tcustomer (customer_id, customer_name, customer_phone) VALUES "
    "('C1', 'Alpha Co', '0800'), ('C2', 'Beta Ltd', '0900'), ('C3', 'Gamma', '0100')",
    "INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id) VALUES "
    "('INV-2', '2024-02-01', '2024-03-01', 'C1'), ('INV-1', '2024-01-05', '2024-01-05', 'C2'), "
    "('INV-3', '2024-03-01', '2024-03-31', 'C1')",
    "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name, item_qty, item_price, item_extended, "
    "item_shipping, item_vatamt, item_total) VALUES "
    "('INV-2', 'P1', 'Pen', 1000, 1.5, 1500, 10, 105.7, 1615.7), "
    "('INV-1', 'P2', 'Ink', 2, 100, 200, 0, 14, 214), "
    "('INV-2', 'P3', 'Pad', 3, 25.25, 75.75, 5, 5.3, 86.05), "
    "('INV-1', 'P1', 'Pen', 4, 1.5, 6, 0, 0.42, 6.42), "
    "('INV-3', 'P2', 'Ink', 1, 100, 100, 0, 7, 107), "
    "('INV-9', 'P1', 'Pen', 5, 1.5, 7.5, 0, 0, 7.5)",
};

QList<SummaryItem> lineSums()
{
    return {
        {"item_qty", SummaryKind::Sum, "#,##0"},
        {"item_extended", SummaryKind::Sum, "#,##0.00"},
        {"item_total", SummaryKind::Sum, "#,##0.00"},
    };
}

// A grid shaped like the invoice browser: grouped by invoice, sums per group and
// over everything.
void setUpInvoiceGrid(DataGrid& grid)
{
    grid.setColumns({
        {"Invoice No.", "invoice_id", 96, false},
        {"Issue Date", "issue_date", 67},
        {"Customer ID", "customer", 165},
        {"Product ID", "product", 134},
        {"Qty", "item_qty", 45},
        {"Extened", "item_extended", 79},
        {"Total Sale", "item_total", 67},
    });
    grid.setColumnsStretched(true);
    grid.setGroupColumn("invoice_id");
    grid.setSortColumn("customer", Qt::AscendingOrder);
    grid.setSummaries(SummaryPlace::Footer, lineSums());
    grid.setSummaries(SummaryPlace::GroupFooter, lineSums());
    grid.setDataSource(Dtmd->DtsQrSum);
}

QStringList productIdsOfGroup(const GridModel& model, int group)
{
    QStringList ids;
    const QModelIndex parent = model.groupIndex(group);
    const int column = model.columnOfField("product");
    for (int r = 0; r < model.rowCount(parent); ++r)
        ids.append(model.index(r, column, parent).data().toString().section(" - ", 0, 0));
    return ids;
}

QStringList shownTexts(const GridModel& model, const QString& field)
{
    QStringList out;
    const int column = model.columnOfField(field);
    for (int r = 0; r < model.rowCount(); ++r)
        out.append(model.index(r, column).data().toString());
    return out;
}

int dbCount(const testing::TempDatabase& db, const QString& sql)
{
    QSqlQuery q(Dtmd->ADOConn->database());
    if (!q.exec(sql) || !q.next())
        qFatal("count failed: %s", qPrintable(sql));
    Q_UNUSED(db);
    return q.value(0).toInt();
}

// Types into the cell editor the grid opened, as a user would.
void typeIntoOpenEditor(DataGrid& grid, const QString& text)
{
    auto* editor = qobject_cast<QLineEdit*>(grid.view()->openEditor());
    QVERIFY(editor);
    editor->setText(text);
}

} // namespace

Q_DECLARE_METATYPE(grid::FilterCriteria)

class TestDataGrid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void groupsAreOrderedByValueAndStartCollapsed();
    void groupFootersAndGrandFooterAgree();
    void summaryMasksAreAppliedWhenGiven();
    void modelPassesTesterThroughOpenRefreshExpandAndCollapse();
    void alwaysExpandedSurvivesRefreshAndCollapseAllEndsIt();
    void focusedRowAndCurrentRowFollowEachOther();
    void doubleClickOnALineNamesItsRow();
    void headerClickSortsTheViewOnly();
    void filterConditions_data();
    void filterConditions();
    void filterDialogFiltersAndCountFollows();
    void footerCellsStandUnderTheirColumns();
    void stretchedColumnsFillTheWidth();
    void cellEditWritesThroughTheDataset();
    void badCellValueShowsErrorAndChangesNothing();
    void navigatorInsertsPostsAndDeletesWithoutAsking();
    void editableModelPassesTesterThroughInsertAndDelete();

private:
    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<TDtmd> m_module;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
};

void TestDataGrid::init()
{
    LoadDefaultSettings();
    m_db = std::make_unique<testing::TempDatabase>();
    m_db->exec(kInvoiceFixture);
    m_messages = std::make_unique<testing::ScriptedMessages>();
    m_module = testing::openDataModule(m_db->path());
}

void TestDataGrid::cleanup()
{
    m_module.reset();
    m_messages.reset();
    m_db.reset();
}

void TestDataGrid::groupsAreOrderedByValueAndStartCollapsed()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    Dtmd->ADOQrsum->open();
    const GridModel& model = *grid.model();

    QCOMPARE(grid.groupCount(), 4);
    QStringList captions;
    for (int g = 0; g < grid.groupCount(); ++g) {
        captions.append(model.groupCaption(g));
        QVERIFY(!grid.isGroupExpanded(g));
    }
    QCOMPARE(captions, QStringList({"Invoice No. : INV-1", "Invoice No. : INV-2", "Invoice No. : INV-3",
                                    "Invoice No. : INV-9"}));
    // One group row and one footer row per invoice, the footer visible while collapsed.
    QCOMPARE(model.rowCount(), 8);
    QCOMPARE(model.rowKind(model.index(1, 0)), GridModel::RowKind::GroupFooter);
    // Within an invoice the lines keep the query's order.
    QCOMPARE(productIdsOfGroup(model, 0), QStringList({"P2", "P1"}));
    QCOMPARE(productIdsOfGroup(model, 1), QStringList({"P1", "P3"}));
    // The hidden grouping column is not among the shown ones.
    QCOMPARE(model.columnOfField("invoice_id"), -1);
}

void TestDataGrid::groupFootersAndGrandFooterAgree()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    Dtmd->ADOQrsum->open();

    for (int item = 0; item < lineSums().size(); ++item) {
        double sumOfGroups = 0;
        for (int g = 0; g < grid.groupCount(); ++g)
            sumOfGroups += grid.summaryValue(SummaryPlace::GroupFooter, item, g);
        QCOMPARE(sumOfGroups, grid.summaryValue(SummaryPlace::Footer, item));
    }
    // INV-2: 1000 + 3 pieces, 1500 + 75.75 extended.
    QCOMPARE(grid.summaryText(SummaryPlace::GroupFooter, 0, 1), QString("1,003"));
    QCOMPARE(grid.summaryText(SummaryPlace::GroupFooter, 1, 1), QString("1,575.75"));
    QCOMPARE(grid.summaryText(SummaryPlace::Footer, 0), QString("1,015"));
    QCOMPARE(grid.summaryText(SummaryPlace::Footer, 2), QString("2,036.67"));
    // The group footer row shows the same texts under the summed columns.
    const GridModel& model = *grid.model();
    const QModelIndex footer = model.index(model.groupIndex(1).row() + 1, model.columnOfField("item_qty"));
    QCOMPARE(footer.data().toString(), QString("1,003"));
    QCOMPARE(model.footerText(model.columnOfField("item_extended")), QString("1,889.25"));
    QCOMPARE(model.footerText(model.columnOfField("customer")), QString());
}

void TestDataGrid::summaryMasksAreAppliedWhenGiven()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    Dtmd->ADOQrsum->open();
    grid.setSummaryDisplayFormat(SummaryPlace::Footer, 1, "#0");
    grid.setSummaryDisplayFormat(SummaryPlace::GroupFooter, 1, "#,#00.000");
    QCOMPARE(grid.summaryText(SummaryPlace::Footer, 1), QString("1889"));
    QCOMPARE(grid.summaryText(SummaryPlace::GroupFooter, 1, 0), QString("206.000"));
    // A text handler dresses the formatted value.
    SummaryItem count{"invoice_id", SummaryKind::Count};
    count.columnField = "customer";
    count.textHandler = [](const QString& text) { return "Count = " + text; };
    grid.setSummaries(SummaryPlace::Footer, {count});
    QCOMPARE(grid.model()->footerText(grid.model()->columnOfField("customer")), QString("Count = 6"));
}

void TestDataGrid::modelPassesTesterThroughOpenRefreshExpandAndCollapse()
{
    DataGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    setUpInvoiceGrid(grid);
    grid.resize(800, 400);
    grid.show();
    Dtmd->ADOQrsum->open();
    Dtmd->ADOQrsum->refresh();
    grid.setAlwaysExpanded(true);
    Dtmd->ADOQrsum->close();
    Dtmd->ADOQrsum->open();
    grid.collapseAll();
    grid.setGroupExpanded(2, true);
    grid.setFilter({{{"customer", FilterOperator::Contains, "alpha"}}});
    grid.setSortColumn("item_total", Qt::DescendingOrder);
    grid.setGroupColumn(QString());
    grid.clearFilter();
    QVERIFY(!QTest::currentTestFailed());
}

void TestDataGrid::alwaysExpandedSurvivesRefreshAndCollapseAllEndsIt()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    Dtmd->ADOQrsum->open();
    grid.setGroupExpanded(0, true); // kept over a refresh, by its invoice number
    m_db->exec({"INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty) VALUES ('INV-0', 'P1', 1)"});
    Dtmd->ADOQrsum->refresh();
    QCOMPARE(grid.model()->groupKey(1), QString("INV-1"));
    QVERIFY(grid.isGroupExpanded(1));
    QVERIFY(!grid.isGroupExpanded(0));

    grid.setAlwaysExpanded(true);
    Dtmd->ADOQrsum->close();
    Dtmd->ADOQrsum->open();
    for (int g = 0; g < grid.groupCount(); ++g)
        QVERIFY(grid.isGroupExpanded(g));
    grid.setGroupExpanded(2, false); // the mode does not let a group close
    QVERIFY(grid.isGroupExpanded(2));

    grid.collapseAll();
    QVERIFY(!grid.isAlwaysExpanded());
    for (int g = 0; g < grid.groupCount(); ++g)
        QVERIFY(!grid.isGroupExpanded(g));
    Dtmd->ADOQrsum->refresh();
    for (int g = 0; g < grid.groupCount(); ++g)
        QVERIFY(!grid.isGroupExpanded(g));
}

void TestDataGrid::focusedRowAndCurrentRowFollowEachOther()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    grid.show();
    db::DataSet* sum = Dtmd->ADOQrsum;
    sum->open();
    const GridModel& model = *grid.model();
    QSignalSpy focused(&grid, &DataGrid::focusedRowChanged);

    // The dataset moves to a line of a collapsed group: the group row takes the focus.
    sum->setCurrentRow(2); // INV-2 / P3
    QCOMPARE(grid.view()->currentIndex(), model.groupIndex(1));
    QCOMPARE(sum->currentRow(), 2); // the focus on the group does not move the dataset

    // Expanded, the line itself is focused.
    grid.setGroupExpanded(1, true);
    sum->setCurrentRow(0);
    QCOMPARE(grid.view()->currentIndex().siblingAtColumn(0), model.indexOfDataSetRow(0));
    QCOMPARE(grid.focusedRow(), 0);

    // Focusing a line moves the dataset; focusing a group row makes its first line current.
    grid.view()->setCurrentIndex(model.indexOfDataSetRow(2));
    QCOMPARE(sum->currentRow(), 2);
    grid.view()->setCurrentIndex(model.groupIndex(0));
    QCOMPARE(sum->currentRow(), 1); // INV-1's first line in the query is the second line
    QVERIFY(focused.count() >= 3);
    QCOMPARE(focused.last().at(0).toInt(), 1);

    // Group footers cannot take the focus.
    QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsEnabled));
}

void TestDataGrid::doubleClickOnALineNamesItsRow()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    Dtmd->ADOQrsum->open();
    grid.setAlwaysExpanded(true);
    QSignalSpy doubleClicked(&grid, &DataGrid::rowDoubleClicked);
    const QModelIndex line = grid.model()->indexOfDataSetRow(2, 1);
    grid.view()->scrollTo(line);
    const QPoint at = grid.view()->visualRect(line).center();
    QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.first().at(0).toInt(), 2);
}

void TestDataGrid::headerClickSortsTheViewOnly()
{
    DataGrid grid;
    grid.setColumns({{"Customer ID", "customer_id", 123}, {"Telephone", "customer_phone", 121}});
    grid.setSortColumn("customer_phone", Qt::DescendingOrder);
    grid.setDataSource(Dtmd->DtsCustomer);
    grid.resize(400, 300);
    grid.show();
    Dtmd->ADOTbCustomer->open();
    const GridModel& model = *grid.model();
    QCOMPARE(shownTexts(model, "customer_id"), QStringList({"C2", "C1", "C3"}));
    QCOMPARE(grid.view()->header()->sortIndicatorSection(), 1);

    QTest::mouseClick(grid.view()->header()->viewport(), Qt::LeftButton, {},
                      QPoint(grid.view()->header()->sectionViewportPosition(0) + 10, 5));
    QCOMPARE(shownTexts(model, "customer_id"), QStringList({"C1", "C2", "C3"}));
    QTest::mouseClick(grid.view()->header()->viewport(), Qt::LeftButton, {},
                      QPoint(grid.view()->header()->sectionViewportPosition(0) + 10, 5));
    QCOMPARE(shownTexts(model, "customer_id"), QStringList({"C3", "C2", "C1"}));
    // The dataset keeps its own order; the focus still names its current row.
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_id"), QString("C1"));
    QCOMPARE(grid.view()->currentIndex().row(), 2);
}

void TestDataGrid::filterConditions_data()
{
    QTest::addColumn<FilterCriteria>("criteria");
    QTest::addColumn<QStringList>("shown");

    auto one = [](const char* field, FilterOperator op, const char* value) {
        return FilterCriteria{{{field, op, value}}, true};
    };
    // Texts compare without regard to case; "contains" and "begins with" look at what is shown.
    QTest::newRow("text equals, any case")
        << one("product_name", FilterOperator::Equals, "PEN") << QStringList{"A1"};
    QTest::newRow("text contains") << one("product_name", FilterOperator::Contains, "en")
                                   << QStringList{"A1", "A3"};
    QTest::newRow("begins with") << one("product_name", FilterOperator::BeginsWith, "p")
                                 << QStringList{"A1", "A3", "A4"};
    // Numbers compare by value, not as text ("900" > "1000" as text).
    QTest::newRow("greater than, numeric")
        << one("product_price", FilterOperator::GreaterThan, "900") << QStringList{"A2"};
    QTest::newRow("less than, numeric")
        << one("product_price", FilterOperator::LessThan, "900") << QStringList{"A1", "A3"};
    QTest::newRow("equals number") << one("product_price", FilterOperator::Equals, "15") << QStringList{"A1"};
    QTest::newRow("contains on the shown number")
        << one("product_price", FilterOperator::Contains, "1,0") << QStringList{"A2"};
    QTest::newRow("is empty") << one("product_price", FilterOperator::IsEmpty, "") << QStringList{"A4"};
    QTest::newRow("yes/no equals") << one("product_taxable", FilterOperator::Equals, "true")
                                   << QStringList{"A1", "A2"};
    QTest::newRow("and") << FilterCriteria{{{"product_name", FilterOperator::Contains, "en"},
                                            {"product_price", FilterOperator::GreaterThan, "20"}},
                                           true}
                         << QStringList{"A3"};
    QTest::newRow("or") << FilterCriteria{{{"product_name", FilterOperator::Equals, "pen"},
                                           {"product_price", FilterOperator::GreaterThan, "900"}},
                                          false}
                        << QStringList{"A1", "A2"};
    QTest::newRow("none: all rows") << FilterCriteria{} << QStringList{"A1", "A2", "A3", "A4"};
}

void TestDataGrid::filterConditions()
{
    QFETCH(FilterCriteria, criteria);
    QFETCH(QStringList, shown);
    m_db->exec(
        {"INSERT INTO tproduct (product_id, product_name, product_price, product_taxable) VALUES "
         "('A1', 'Pen', 15, 1), ('A2', 'Ink', 1000, 1), ('A3', 'Pencil', 25, 0), ('A4', 'Pad', NULL, 0)"});
    Dtmd->ADOTbProduct->open();
    DataGrid grid;
    grid.setColumns({{"Product ID", "product_id", 100}, {"Name", "product_name", 100}});
    grid.setDataSource(Dtmd->DtsProduct);
    grid.setFilter(criteria);
    QCOMPARE(shownTexts(*grid.model(), "product_id"), shown);
}

void TestDataGrid::filterDialogFiltersAndCountFollows()
{
    DataGrid grid;
    grid.setColumns({{"Customer ID", "customer_id", 123}, {"Customer name/Company ", "customer_name", 212}});
    SummaryItem count{"customer_id", SummaryKind::Count};
    count.textHandler = [](const QString& text) { return "Count = " + text; };
    grid.setSummaries(SummaryPlace::Footer, {count});
    grid.setDataSource(Dtmd->DtsCustomer);
    Dtmd->ADOTbCustomer->open();
    QCOMPARE(grid.model()->footerText(0), QString("Count = 3"));

    m_messages->onModal = [](QDialog* dialog) {
        auto* filter = qobject_cast<grid::FilterDialog*>(dialog);
        if (!filter)
            return int(QDialog::Rejected);
        // The dialog opens with one empty condition; fill it and add a second one.
        auto* column = filter->findChild<QComboBox*>("cbColumn0");
        column->setCurrentIndex(column->findText("Customer name/Company"));
        auto* op = filter->findChild<QComboBox*>("cbOperator0");
        op->setCurrentIndex(op->findText("contains"));
        filter->findChild<QLineEdit*>("edValue0")->setText("a");
        filter->findChild<QPushButton*>("btnAddCondition")->click();
        filter->findChild<QComboBox*>("cbOperator1")
            ->setCurrentIndex(filter->findChild<QComboBox*>("cbOperator1")->findText("begins with"));
        filter->findChild<QLineEdit*>("edValue1")->setText("c1");
        filter->findChild<QPushButton*>("btnOk")->click();
        return filter->result();
    };
    grid.showFilterDialog();
    // "Alpha Co", "Beta Ltd" and "Gamma" contain an a; only C1 begins with c1.
    QCOMPARE(shownTexts(*grid.model(), "customer_id"), QStringList({"C1"}));
    QCOMPARE(grid.model()->footerText(0), QString("Count = 1"));
    QCOMPARE(grid.findChild<QLabel*>("lbFilter")->text(),
             QString("Filter: Customer name/Company contains 'a' and Customer ID begins with 'c1'"));

    // The count follows the filter when it is dropped, and a new customer counts at once.
    grid.findChild<QToolButton*>("btnRemoveFilter")->click();
    QCOMPARE(grid.model()->footerText(0), QString("Count = 3"));
    Dtmd->ADOTbCustomer->insert();
    Dtmd->ADOTbCustomer->setValue("customer_id", "C4");
    Dtmd->ADOTbCustomer->post();
    QCOMPARE(grid.model()->footerText(0), QString("Count = 4"));
}

void TestDataGrid::footerCellsStandUnderTheirColumns()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    grid.resize(900, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    Dtmd->ADOQrsum->open();
    QHeaderView* header = grid.view()->header();
    const grid::FooterBar* footer = grid.footer();
    QVERIFY(footer->isVisible());

    auto headerLeft = [&](int column) {
        return footer
            ->mapFromGlobal(
                header->viewport()->mapToGlobal(QPoint(header->sectionViewportPosition(column), 0)))
            .x();
    };
    const int qty = grid.model()->columnOfField("item_qty");
    QCOMPARE(footer->cellRect(qty).left(), headerLeft(qty));
    QCOMPARE(footer->cellRect(qty).width(), header->sectionSize(qty));
    // Widening an earlier column moves the sums with their columns.
    header->resizeSection(1, header->sectionSize(1) + 40);
    QCOMPARE(footer->cellRect(qty).left(), headerLeft(qty));
    QCOMPARE(footer->cellRect(qty).width(), header->sectionSize(qty));
    // Group footer rows use the same section positions.
    grid.setAlwaysExpanded(true);
    QCOMPARE(grid.view()->columnViewportPosition(qty), header->sectionViewportPosition(qty));
}

void TestDataGrid::stretchedColumnsFillTheWidth()
{
    DataGrid grid;
    setUpInvoiceGrid(grid);
    grid.resize(1000, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    Dtmd->ADOQrsum->open();
    QHeaderView* header = grid.view()->header();
    auto total = [&] {
        int sum = 0;
        for (int c = 0; c < header->count(); ++c)
            sum += header->sectionSize(c);
        return sum;
    };
    QCOMPARE(total(), grid.view()->viewport()->width());
    // Proportions: "Customer ID" (165) is about twice "Extened" (79) wide.
    const double ratio = double(header->sectionSize(1)) / header->sectionSize(4);
    QVERIFY2(ratio > 1.9 && ratio < 2.3, qPrintable(QString::number(ratio)));
    grid.resize(700, 400);
    QCOMPARE(total(), grid.view()->viewport()->width());
}

namespace {

// The settings dialog's payment list: an editable grid with a navigator.
void setUpPaymentGrid(DataGrid& grid)
{
    grid.setColumns({{"Payment Name", "payment_name", 150}, {"Day", "payment_day", 60}});
    grid.setEditable(true);
    grid.setNewItemRowVisible(true);
    grid.setNavigatorVisible(true);
    grid.setDataSource(Dtmd->DtsPayment);
    Dtmd->ADOTbPayment->open();
}

} // namespace

void TestDataGrid::cellEditWritesThroughTheDataset()
{
    DataGrid grid;
    setUpPaymentGrid(grid);
    const GridModel& model = *grid.model();
    // Row 0 is the new-item row; the stored rows follow.
    QCOMPARE(model.rowKind(model.index(0, 0)), GridModel::RowKind::NewItem);
    const QModelIndex day = model.indexOfDataSetRow(1, 1); // CREDIT 30
    QVERIFY(model.flags(day) & Qt::ItemIsEditable);
    QCOMPARE(day.data(Qt::EditRole).toString(), QString("30"));

    QVERIFY(grid.model()->setData(day, "45"));
    QCOMPARE(Dtmd->ADOTbPayment->state(), db::DataSetState::Browse);
    QCOMPARE(dbCount(*m_db, "SELECT payment_day FROM tpayment WHERE payment_name = 'CREDIT 30'"), 45);
    QCOMPARE(day.data().toString(), QString("45"));
    QCOMPARE(Dtmd->ADOTbPayment->currentRow(), 1);
}

void TestDataGrid::badCellValueShowsErrorAndChangesNothing()
{
    DataGrid grid;
    setUpPaymentGrid(grid);
    const QModelIndex day = grid.model()->indexOfDataSetRow(2, 1);
    QVERIFY(!grid.model()->setData(day, "sixty"));
    QCOMPARE(m_messages->texts("error"), QStringList({"'sixty' is not a valid integer value"}));
    QCOMPARE(Dtmd->ADOTbPayment->state(), db::DataSetState::Browse);
    QCOMPARE(dbCount(*m_db, "SELECT payment_day FROM tpayment WHERE payment_name = 'CREDIT 60'"), 60);
}

void TestDataGrid::navigatorInsertsPostsAndDeletesWithoutAsking()
{
    DataGrid grid;
    setUpPaymentGrid(grid);
    grid.show();
    grid.navigator()->setHint(grid::NavigatorBar::Insert, "New");
    QCOMPARE(grid.navigator()->button(grid::NavigatorBar::Insert)->toolTip(), QString("New"));
    const GridModel& model = *grid.model();
    db::DataSet* payment = Dtmd->ADOTbPayment;

    grid.navigator()->button(grid::NavigatorBar::Insert)->click();
    QCOMPARE(payment->state(), db::DataSetState::Insert);
    QCOMPARE(grid.view()->currentIndex().row(), 0); // the new-item row shows the insert buffer
    QVERIFY(grid.model()->setData(model.newItemIndex(1), "90"));
    typeIntoOpenEditor(grid, "CREDIT 90"); // the editor opened on the first cell; Save commits it
    QCOMPARE(payment->state(), db::DataSetState::Insert); // still open for more cells
    QCOMPARE(model.newItemIndex(1).data().toString(), QString("90"));
    grid.navigator()->button(grid::NavigatorBar::Post)->click();
    QCOMPARE(payment->state(), db::DataSetState::Browse);
    QCOMPARE(
        dbCount(*m_db, "SELECT COUNT(*) FROM tpayment WHERE payment_name = 'CREDIT 90' AND payment_day = 90"),
        1);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(grid.focusedRow(), 3);

    // Delete takes the focused row at once, without a question.
    grid.view()->setCurrentIndex(model.indexOfDataSetRow(0));
    grid.navigator()->button(grid::NavigatorBar::Delete)->click();
    QVERIFY(m_messages->shown.isEmpty());
    QCOMPARE(dbCount(*m_db, "SELECT COUNT(*) FROM tpayment WHERE payment_name = 'CASH'"), 0);
    QCOMPARE(shownTexts(model, "payment_name"), QStringList({"", "CREDIT 30", "CREDIT 60", "CREDIT 90"}));

    // Typing into the new-item row starts an insert by itself; moving to another row stores it.
    QVERIFY(grid.model()->setData(model.newItemIndex(0), "COD"));
    QCOMPARE(payment->state(), db::DataSetState::Insert);
    grid.view()->setCurrentIndex(model.indexOfDataSetRow(0));
    QCOMPARE(payment->state(), db::DataSetState::Browse);
    QCOMPARE(dbCount(*m_db, "SELECT COUNT(*) FROM tpayment WHERE payment_name = 'COD'"), 1);

    // A failing save (a name already there) shows the error and keeps the row being inserted.
    grid.navigator()->button(grid::NavigatorBar::Insert)->click();
    typeIntoOpenEditor(grid, "COD");
    grid.navigator()->button(grid::NavigatorBar::Post)->click();
    QCOMPARE(m_messages->texts("error").size(), 1);
    QCOMPARE(payment->state(), db::DataSetState::Insert);
    grid.navigator()->button(grid::NavigatorBar::Cancel)->click();
    QCOMPARE(payment->state(), db::DataSetState::Browse);
    QCOMPARE(dbCount(*m_db, "SELECT COUNT(*) FROM tpayment"), 4);
}

void TestDataGrid::editableModelPassesTesterThroughInsertAndDelete()
{
    DataGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    setUpPaymentGrid(grid);
    grid.show();
    grid.navigator()->button(grid::NavigatorBar::Insert)->click();
    typeIntoOpenEditor(grid, "X");
    grid.navigator()->button(grid::NavigatorBar::Post)->click();
    grid.view()->setCurrentIndex(grid.model()->indexOfDataSetRow(1));
    grid.navigator()->button(grid::NavigatorBar::Delete)->click();
    grid.model()->setData(grid.model()->indexOfDataSetRow(0, 1), "3");
    grid.navigator()->button(grid::NavigatorBar::Refresh)->click();
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(grid.model()->rowCount(), 4);
}

QTEST_MAIN(TestDataGrid)
#include "tst_data_grid.moc"
