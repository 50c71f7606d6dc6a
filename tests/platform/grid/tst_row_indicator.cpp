// The row indicator beside a data grid's rows and the rows' one height: the
// marks follow the focus and the dataset's state, dragging a row's lower edge
// sets the height of all rows, and the columns, the footer and the model stay
// as they are without the indicator.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/footer_bar.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"
#include "platform/grid/row_indicator.h"
#include "test_support.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

using grid::DataGrid;
using grid::GridModel;
using grid::RowMark;

Q_DECLARE_METATYPE(grid::RowMark)

namespace {

const QStringList kFixture = {
    "INSERT INTO tcustomer (customer_id, customer_name, customer_phone) VALUES "
    "('C1', 'Alpha Co', '0800'), ('C2', 'Beta Ltd', '0900'), ('C3', 'Gamma', '0100'), ('C4', 'Delta', "
    "'0200')",
    "INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id) VALUES "
    "('INV-1', '2024-01-05', '2024-01-05', 'C2'), ('INV-2', '2024-02-01', '2024-03-01', 'C1')",
    "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name, item_qty, item_price, item_extended, "
    "item_total) VALUES ('INV-2', 'P1', 'Pen', 1000, 1.5, 1500, 1615.7), ('INV-1', 'P2', 'Ink', 2, 100, 200, "
    "214), "
    "('INV-2', 'P3', 'Pad', 3, 25.25, 75.75, 86.05)",
};

void setUpCustomerGrid(DataGrid& grid)
{
    grid.setColumns({{"Customer ID", "customer_id", 123}, {"Customer name/Company ", "customer_name", 212}});
    grid.setRowIndicatorVisible(true);
    grid.setDataSource(Dtmd->DtsCustomer);
    Dtmd->ADOTbCustomer->open();
    grid.resize(500, 300);
    grid.show();
}

// Like the settings dialog's payment list: editable, with a row for new entries on top.
void setUpPaymentGrid(DataGrid& grid)
{
    grid.setColumns({{"Payment Name", "payment_name", 150}, {"Day", "payment_day", 60}});
    grid.setEditable(true);
    grid.setNewItemRowVisible(true);
    grid.setRowIndicatorVisible(true);
    grid.setDataSource(Dtmd->DtsPayment);
    Dtmd->ADOTbPayment->open();
    grid.resize(500, 300);
    grid.show();
}

// Like the invoice browser: grouped by invoice, with sums in the footer.
void setUpInvoiceGrid(DataGrid& grid, bool grouped, bool stretched)
{
    grid.setColumns({
        {"Invoice No.", "invoice_id", 96, !grouped},
        {"Product ID", "product", 134},
        {"Qty", "item_qty", stretched ? 45 : 200},
        {"Extened", "item_extended", stretched ? 79 : 200},
        {"Total Sale", "item_total", stretched ? 67 : 200},
    });
    grid.setColumnsStretched(stretched);
    grid.setGroupColumn(grouped ? "invoice_id" : "");
    grid.setSummaries(grid::SummaryPlace::Footer, {{"item_qty", grid::SummaryKind::Sum},
                                                   {"item_total", grid::SummaryKind::Sum, "#,##0.00"}});
    grid.setRowIndicatorVisible(true);
    grid.setDataSource(Dtmd->DtsQrSum);
    Dtmd->ADOQrsum->open();
    grid.setAlwaysExpanded(grouped);
    grid.resize(600, 300);
    grid.show();
}

QImage cellImage(const DataGrid& grid, const QModelIndex& row)
{
    grid::RowIndicator* strip = grid.rowIndicator();
    return strip->grab(strip->cellRect(row)).toImage();
}

void mouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestRowIndicator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void marksFollowTheState_data();
    void marksFollowTheState();
    void markMovesWithTheFocusAndAClickFocusesTheRow();
    void draggingARowEdgeSetsTheHeightOfAllRows_data();
    void draggingARowEdgeSetsTheHeightOfAllRows();
    void columnsAndFooterKeepTheirPlaces_data();
    void columnsAndFooterKeepTheirPlaces();

private:
    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<TDtmd> m_module;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
};

void TestRowIndicator::init()
{
    LoadDefaultSettings();
    m_db = std::make_unique<testing::TempDatabase>();
    m_db->exec(kFixture);
    m_messages = std::make_unique<testing::ScriptedMessages>();
    m_module = testing::openDataModule(m_db->path());
}

void TestRowIndicator::cleanup()
{
    m_module.reset();
    m_messages.reset();
    m_db.reset();
}

void TestRowIndicator::marksFollowTheState_data()
{
    QTest::addColumn<bool>("newItemRow");
    QTest::addColumn<QString>("action");
    QTest::addColumn<RowMark>("currentLine"); // the mark beside the dataset's current row
    QTest::addColumn<RowMark>("newItem");     // the mark beside the new-item row, if any

    QTest::newRow("browsing") << false << "" << RowMark::Focused << RowMark::None;
    QTest::newRow("editing") << false << "edit" << RowMark::Editing << RowMark::None;
    // A list without a new-item row shows the buffer nowhere: no row claims it.
    QTest::newRow("inserting, no new-item row") << false << "insert" << RowMark::None << RowMark::None;
    QTest::newRow("browsing, new-item row") << true << "" << RowMark::Focused << RowMark::None;
    QTest::newRow("inserting into the new-item row")
        << true << "insert" << RowMark::None << RowMark::Inserting;
    QTest::newRow("cancelled insert") << true << "insert,cancel" << RowMark::Focused << RowMark::None;
}

void TestRowIndicator::marksFollowTheState()
{
    QFETCH(bool, newItemRow);
    QFETCH(QString, action);
    QFETCH(RowMark, currentLine);
    QFETCH(RowMark, newItem);

    DataGrid grid;
    newItemRow ? setUpPaymentGrid(grid) : setUpCustomerGrid(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    db::DataSet* ds = grid.dataSet();
    ds->setCurrentRow(1);
    for (const QString& step : action.split(',', Qt::SkipEmptyParts)) {
        if (step == "edit")
            ds->edit();
        else if (step == "insert")
            ds->insert();
        else
            ds->cancel();
    }

    const GridModel& model = *grid.model();
    const grid::RowIndicator* strip = grid.rowIndicator();
    const QModelIndex current = model.indexOfDataSetRow(1);
    QCOMPARE(strip->markOf(current), currentLine);
    if (newItemRow)
        QCOMPARE(strip->markOf(model.newItemIndex()), newItem);
    // Every other line is unmarked.
    for (int row = 0; row < ds->recordCount(); ++row)
        if (row != 1)
            QCOMPARE(strip->markOf(model.indexOfDataSetRow(row)), RowMark::None);

    // What is marked is drawn: the cell differs from an unmarked one.
    const QModelIndex marked = currentLine != RowMark::None ? current
                               : newItem != RowMark::None   ? model.newItemIndex()
                                                            : QModelIndex();
    const QImage plain = cellImage(grid, model.indexOfDataSetRow(2));
    QVERIFY(!plain.isNull());
    if (marked.isValid())
        QVERIFY(cellImage(grid, marked) != plain);
    else
        QCOMPARE(cellImage(grid, current), plain);
}

void TestRowIndicator::markMovesWithTheFocusAndAClickFocusesTheRow()
{
    DataGrid grid;
    setUpCustomerGrid(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const GridModel& model = *grid.model();
    grid::RowIndicator* strip = grid.rowIndicator();
    db::DataSet* customers = Dtmd->ADOTbCustomer;

    customers->setCurrentRow(3);
    QCOMPARE(strip->markOf(model.indexOfDataSetRow(3)), RowMark::Focused);
    QCOMPARE(strip->markOf(model.indexOfDataSetRow(0)), RowMark::None);
    const QImage focusedCell = cellImage(grid, model.indexOfDataSetRow(3));
    QVERIFY(cellImage(grid, model.indexOfDataSetRow(0)) != focusedCell);

    // A click in the middle of a row's cell of the strip makes that row current.
    const QRect cell = strip->cellRect(model.indexOfDataSetRow(1));
    QTest::mouseClick(strip, Qt::LeftButton, {}, cell.center());
    QCOMPARE(customers->currentRow(), 1);
    QCOMPARE(strip->markOf(model.indexOfDataSetRow(1)), RowMark::Focused);
    QCOMPARE(strip->markOf(model.indexOfDataSetRow(3)), RowMark::None);
    QCOMPARE(cellImage(grid, model.indexOfDataSetRow(1)), focusedCell);

    // Sorted anew, the mark stays with the row, wherever it now stands.
    grid.setSortColumn("customer_phone", Qt::DescendingOrder);
    QCOMPARE(strip->markOf(model.indexOfDataSetRow(1)), RowMark::Focused);
    QCOMPARE(strip->cellRect(model.indexOfDataSetRow(1)).top(), strip->cellRect(model.index(0, 0)).top());
}

void TestRowIndicator::draggingARowEdgeSetsTheHeightOfAllRows_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<int>("row"); // whose lower edge is dragged
    QTest::addColumn<int>("drag");
    QTest::addColumn<int>("height");

    QTest::newRow("first row, taller") << true << 0 << 14 << 34;
    QTest::newRow("first row, lower") << true << 0 << -6 << 14;
    // The rows above grow too: the third row's edge, from 60 to 90, makes each 30 high.
    QTest::newRow("third row, taller") << true << 2 << 30 << 30;
    QTest::newRow("not below the smallest height")
        << true << 1 << -40 << grid::RowIndicator::kMinimumRowHeight;
    QTest::newRow("not resizable") << false << 0 << 14 << 20;
}

void TestRowIndicator::draggingARowEdgeSetsTheHeightOfAllRows()
{
    QFETCH(bool, resizable);
    QFETCH(int, row);
    QFETCH(int, drag);
    QFETCH(int, height);

    DataGrid grid;
    grid.setRowsResizable(resizable);
    setUpCustomerGrid(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const GridModel& model = *grid.model();
    grid::RowIndicator* strip = grid.rowIndicator();
    QCOMPARE(grid.rowHeight(), 20);

    // The lower edge of the row, as the pointer finds it.
    const QRect cell = strip->cellRect(model.index(row, 0));
    const QPoint edge(strip->width() / 2, cell.top() + cell.height());
    mouse(strip, QEvent::MouseMove, edge, Qt::NoButton);
    QCOMPARE(strip->cursor().shape(), resizable ? Qt::SplitVCursor : Qt::ArrowCursor);
    mouse(strip, QEvent::MouseButtonPress, edge, Qt::LeftButton);
    mouse(strip, QEvent::MouseMove, edge + QPoint(0, drag / 2), Qt::LeftButton);
    mouse(strip, QEvent::MouseMove, edge + QPoint(0, drag), Qt::LeftButton);
    mouse(strip, QEvent::MouseButtonRelease, edge + QPoint(0, drag), Qt::NoButton);

    QCOMPARE(grid.rowHeight(), height);
    // Every row, the strip's cells with them, takes the one height.
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(grid.view()->visualRect(model.index(row, 1)).height(), height);
        QCOMPARE(strip->cellRect(model.index(row, 0)).height(), height);
    }
    QCOMPARE(grid.view()->visualRect(model.index(3, 0)).top(), 3 * height);
    // The dragged edge ended under the pointer (as far as the heights allow).
    if (resizable && height > grid::RowIndicator::kMinimumRowHeight) {
        const QRect dragged = strip->cellRect(model.index(row, 0));
        QCOMPARE(dragged.top() + dragged.height(), edge.y() + drag);
    }
    // The drag is over: moving on changes nothing.
    mouse(strip, QEvent::MouseMove, edge + QPoint(0, drag + 20), Qt::NoButton);
    QCOMPARE(grid.rowHeight(), height);
}

void TestRowIndicator::columnsAndFooterKeepTheirPlaces_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<int>("scroll"); // sideways, in pixels; -1 for the far end

    QTest::newRow("lines, stretched") << false << true << 0;
    QTest::newRow("groups, stretched") << true << true << 0;
    QTest::newRow("lines, wider than the grid, scrolled to the end") << false << false << -1;
    QTest::newRow("groups, wider than the grid, scrolled a little") << true << false << 150;
}

void TestRowIndicator::columnsAndFooterKeepTheirPlaces()
{
    QFETCH(bool, grouped);
    QFETCH(bool, stretched);
    QFETCH(int, scroll);

    DataGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    setUpInvoiceGrid(grid, grouped, stretched);
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid::GridTreeView* view = grid.view();
    QHeaderView* header = view->header();
    const grid::RowIndicator* strip = grid.rowIndicator();

    // The layout comes to rest, and laying it out again does not shake the
    // columns: the viewport's passing widths on the way are not fitted to.
    QTest::qWait(50);
    QSignalSpy resized(header, &QHeaderView::sectionResized);
    QTest::qWait(100);
    QCOMPARE(resized.count(), 0);
    QMetaObject::invokeMethod(view, "updateGeometries");
    QTest::qWait(50);
    QCOMPARE(resized.count(), 0);
    grid.resize(grid.width() + 30, grid.height());
    QTest::qWait(50);
    QVERIFY(resized.count() <= header->count());

    // The model's columns are the grid's columns; the indicator is no column.
    QCOMPARE(grid.model()->columnCount(), grouped ? 4 : 5);
    // The strip stands left of the rows and of the column headers.
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->geometry().right() + 1, view->viewport()->geometry().left());
    QCOMPARE(strip->geometry().top(), header->geometry().top());
    QCOMPARE(header->geometry().left(), view->viewport()->geometry().left());
    QCOMPARE(header->width(), view->viewport()->width());

    int length = 0;
    for (int c = 0; c < header->count(); ++c)
        length += header->sectionSize(c);
    if (stretched) {
        QCOMPARE(length, view->viewport()->width());
    } else {
        // Every pixel of the columns can be scrolled into view, and no more.
        QScrollBar* bar = view->horizontalScrollBar();
        QCOMPARE(bar->maximum(), length - view->viewport()->width());
        bar->setValue(scroll < 0 ? bar->maximum() : scroll);
        if (scroll < 0) {
            const int last = header->logicalIndex(header->count() - 1);
            QCOMPARE(header->sectionViewportPosition(last) + header->sectionSize(last),
                     view->viewport()->width());
        }
    }

    // The footer's sums stand under their column headers.
    const grid::FooterBar* footer = grid.footer();
    QVERIFY(footer->isVisible());
    for (const QString field : {"item_qty", "item_total"}) {
        const int column = grid.model()->columnOfField(field);
        const int headerLeft = footer
                                   ->mapFromGlobal(header->viewport()->mapToGlobal(
                                       QPoint(header->sectionViewportPosition(column), 0)))
                                   .x();
        QCOMPARE(footer->cellRect(column).left(), headerLeft);
        QCOMPARE(footer->cellRect(column).width(), header->sectionSize(column));
    }
    // The rows' cells stand under the headers too.
    const int qty = grid.model()->columnOfField("item_qty");
    QCOMPARE(view->columnViewportPosition(qty), header->sectionViewportPosition(qty));

    // Without the indicator the rows take the room back.
    grid.setRowIndicatorVisible(false);
    QVERIFY(!strip->isVisible());
    QCOMPARE(view->viewport()->geometry().left(), view->frameWidth());
    QCOMPARE(header->geometry().left(), view->frameWidth());
    if (stretched) {
        length = 0;
        for (int c = 0; c < header->count(); ++c)
            length += header->sectionSize(c);
        QCOMPARE(length, view->viewport()->width());
    }
    QVERIFY(!QTest::currentTestFailed());
}

QTEST_MAIN(TestRowIndicator)
#include "tst_row_indicator.moc"
