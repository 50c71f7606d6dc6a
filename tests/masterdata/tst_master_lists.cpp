// The customer and product lists on a real database: what they show, and their
// commands driven as the user does, with the entry dialog answered in place.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "masterdata/customer_dialog.h"
#include "masterdata/customer_list.h"
#include "masterdata/product_dialog.h"
#include "masterdata/product_list.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/filter_dialog.h"
#include "platform/grid/footer_bar.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"
#include "test_support.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QToolButton>

using testing::retype;
using testing::rowsOf;
using testing::typeText;

namespace {

// Three customers whose telephone order differs from their number order, and two
// products stored out of number order; an invoice line carries the teak chair.
const QStringList kFixture = {
    "INSERT INTO tcustomer (customer_id, customer_name, customer_phone, customer_payment) VALUES "
    "('CUS-0000001', 'บริษัท สยามเทรดดิ้ง จำกัด', '02-111-1111', 'CASH'), "
    "('CUS-0000002', 'Beta Ltd', '08-999-9999', 'CREDIT 30'), "
    "('CUS-0000003', 'Gamma Shop', '05-555-5555', 'CASH')",
    "INSERT INTO tproduct VALUES ('PRD-0000002', 'Rattan stool', 'เก้าอี้หวาย', 300, 450, 'piece', 0)",
    "INSERT INTO tproduct VALUES ('PRD-0000001', 'Teak chair', 'Solid teak', 900, 1250, 'piece', 1)",
    "INSERT INTO tinvoice_master (invoice_id, issue_date, due_date, customer_id) VALUES "
    "('INV-0000001', '2024-01-05', '2024-01-05', 'CUS-0000002')",
    "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name, item_qty, item_price, item_uom, item_vat, "
    "item_total) VALUES ('INV-0000001', 'PRD-0000001', 'Teak chair', 2, 1250, 'piece', 1, 2675)",
};

bool isCustomer(const QString& kind)
{
    return kind == "customer";
}

db::DataSet* dataSetOf(const QString& kind)
{
    return isCustomer(kind) ? static_cast<db::DataSet*>(Dtmd->ADOTbCustomer)
                            : static_cast<db::DataSet*>(Dtmd->ADOTbProduct);
}

std::unique_ptr<MasterListWindow> makeList(const QString& kind)
{
    if (isCustomer(kind))
        return std::make_unique<TFCustomer>();
    return std::make_unique<TFProduct>();
}

// The ids of the listed rows, top to bottom.
QStringList shownIds(const MasterListWindow& window)
{
    const grid::GridModel& model = *window.grid()->model();
    QStringList ids;
    for (int r = 0; r < model.rowCount(); ++r)
        ids << model.index(r, 0).data().toString();
    return ids;
}

QString countText(const MasterListWindow& window)
{
    return window.grid()->model()->footerText(0);
}

QModelIndex rowOfId(const MasterListWindow& window, const QString& id, int column = 0)
{
    const grid::GridModel& model = *window.grid()->model();
    for (int r = 0; r < model.rowCount(); ++r)
        if (model.index(r, 0).data().toString() == id)
            return model.index(r, column);
    return {};
}

// Selects a row as a click on it does.
void clickRow(MasterListWindow& window, const QString& id)
{
    grid::GridTreeView* view = window.grid()->view();
    const QModelIndex row = rowOfId(window, id, 1);
    QVERIFY2(row.isValid(), qPrintable(id));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
}

QToolButton* button(const MasterListWindow& window, const char* name)
{
    return window.findChild<QToolButton*>(name);
}

QString nameEditorOf(const QString& kind)
{
    return isCustomer(kind) ? "dbedcustomer_name" : "dbedproduct_name";
}

QString idEditorOf(const QString& kind)
{
    return isCustomer(kind) ? "dbedcustomer_id" : "dbedproduct_id";
}

// An entry dialog as the user meets it: shown, one line per "editor=text" typed,
// then Save or Cancel clicked. What the dialog showed on opening is kept.
struct DialogScript
{
    QStringList typed;
    bool save = true;
    int opened = 0;
    QString dialogClass;
    QString shownId;
    db::DataSetState stateOnOpening = db::DataSetState::Inactive;

    std::function<int(QDialog*)> answer(const QString& kind)
    {
        return [this, kind](QDialog* dialog) {
            ++opened;
            dialogClass = dialog->metaObject()->className();
            stateOnOpening = dataSetOf(kind)->state();
            dialog->show();
            if (!QTest::qWaitForWindowActive(dialog))
                return int(QDialog::Rejected);
            if (auto* id = dialog->findChild<QLineEdit*>(idEditorOf(kind)))
                shownId = id->text();
            for (const QString& entry : typed)
                retype(dialog->findChild<QWidget*>(entry.section('=', 0, 0)), entry.section('=', 1));
            QTest::mouseClick(dialog->findChild<QPushButton*>(save ? "btn_save" : "btn_cancel"),
                              Qt::LeftButton);
            return dialog->result();
        };
    }
};

} // namespace

class TestMasterLists : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowShowsCaptionsAndColumns_data();
    void windowShowsCaptionsAndColumns();
    void listOpensInItsOrder_data();
    void listOpensInItsOrder();
    void newRowIsNumberedAndTakesItsPlace_data();
    void newRowIsNumberedAndTakesItsPlace();
    void editSavesOrCancelsTheClickedRow_data();
    void editSavesOrCancelsTheClickedRow();
    void editOnEmptyListStartsANumberedNewRow_data();
    void editOnEmptyListStartsANumberedNewRow();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void refreshAndFilterMakeTheCountFollow_data();
    void refreshAndFilterMakeTheCountFollow();
    void productListShowsMoneyTaxAndFixedWidths();
    void productDeletedKeepsInvoiceLines();

private:
    std::unique_ptr<MasterListWindow> openList(const QString& kind);

    std::unique_ptr<testing::DataModuleFixture> m_fixture;
};

void TestMasterLists::init()
{
    m_fixture = std::make_unique<testing::DataModuleFixture>();
    m_fixture->db.exec(kFixture);
}

void TestMasterLists::cleanup()
{
    m_fixture.reset();
}

std::unique_ptr<MasterListWindow> TestMasterLists::openList(const QString& kind)
{
    auto window = makeList(kind);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the list window was not shown");
    return window;
}

void TestMasterLists::windowShowsCaptionsAndColumns_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>(
        "buttons"); // btnAdd, btnEdit, btnDelete, btnRefresh, btnSearch, Btn_printInvoice
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<bool>("stretched");

    QTest::newRow("customers")
        << "customer"
        << "Customer"
        << "Customers" << QStringList{"New Customer", "Edit Customer", "Delete Customer",
                                      "Refresh Data", "Search Data",   "Print Customer"}
        << QStringList{"Customer ID", "Customer name/Company ", "Address", "Contact Person", "Telephone",
                       "Fax",         "Payment Method",         "TAX ID",  "E-mail"}
        << QStringList{"customer_id",      "customer_name",   "customer_address1",
                       "customer_person",  "customer_phone",  "customer_fax",
                       "customer_payment", "customer_tax_id", "customer_email"}
        << QList<int>{123, 212, 244, 147, 121, 106, 108, 92, 103} << true;
    QTest::newRow("products") << "product"
                              << "Product"
                              << "Products" << QStringList{"New Product",  "Edit Product", "Delete Product",
                                                           "Refresh Data", "Search Data",  "Print Product"}
                              << QStringList{"Product ID", "Name", "Description", "Cost",
                                             "Price",      "UOM",  "Tax"}
                              << QStringList{"product_id",     "product_name",  "product_desc",
                                             "product_cost",   "product_price", "product_uom",
                                             "product_taxable"}
                              << QList<int>{101, 134, 253, 79, 81, 60, 42} << false;
}

void TestMasterLists::windowShowsCaptionsAndColumns()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, fields);
    QFETCH(QList<int>, widths);
    QFETCH(bool, stretched);

    auto window = openList(kind);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(800, 600));
    QCOMPARE(window->findChild<QLabel*>("lb_title")->text(), title);
    QVERIFY(!window->findChild<QLabel*>("img_header")->pixmap().isNull());
    const char* names[] = {"btnAdd", "btnEdit", "btnDelete", "btnRefresh", "btnSearch", "Btn_printInvoice"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(button(*window, names[i])->text(), buttons[i]);

    grid::DataGrid* grid = window->grid();
    QCOMPARE(grid->objectName(), isCustomer(kind) ? "GrCustomer" : "GrProduct");
    const grid::GridModel& model = *grid->model();
    QCOMPARE(model.columnCount(), columns.size());
    QHeaderView* header = grid->view()->header();
    int total = 0;
    for (int c = 0; c < columns.size(); ++c) {
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), columns[c]);
        QCOMPARE(model.visibleColumn(c).fieldName, fields[c]);
        QCOMPARE(model.visibleColumn(c).width, widths[c]);
        total += header->sectionSize(c);
    }
    if (stretched)
        QCOMPARE(total, grid->view()->viewport()->width());

    // Read-only, whole rows, a row indicator with resizable rows, the count in the footer.
    QVERIFY(!grid->isEditable());
    QCOMPARE(grid->view()->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(grid->isRowIndicatorVisible());
    QVERIFY(grid->rowsResizable());
    QVERIFY(grid->footer()->isVisible());
    QCOMPARE(countText(*window), isCustomer(kind) ? "Count = 3" : "Count = 2");
    // The count is written whole, running on over the empty footer cells where its column is narrow.
    QFont bold = grid->footer()->font();
    bold.setBold(true);
    QVERIFY(grid->footer()->textRect(0).width() - 8 >= QFontMetrics(bold).horizontalAdvance("Count = 9999"));
}

void TestMasterLists::listOpensInItsOrder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("sortSection");

    // Telephones 08, 05, 02: newest first.
    QTest::newRow("customers by telephone, descending")
        << "customer" << QStringList{"CUS-0000002", "CUS-0000003", "CUS-0000001"} << 4;
    QTest::newRow("products as stored") << "product" << QStringList{"PRD-0000002", "PRD-0000001"} << -1;
}

void TestMasterLists::listOpensInItsOrder()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, ids);
    QFETCH(int, sortSection);

    auto window = openList(kind);
    QCOMPARE(shownIds(*window), ids);
    QHeaderView* header = window->grid()->view()->header();
    QCOMPARE(header->sortIndicatorSection(), sortSection);
    if (sortSection >= 0)
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestMasterLists::newRowIsNumberedAndTakesItsPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("newId");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("stored"); // the stored row of the new id; empty when none

    // Telephone 06 stands between 08 and 05.
    QTest::newRow("customer saved") << "customer"
                                    << QStringList{"dbedcustomer_name=ร้านใหม่",
                                                   "dbedcustomer_phone=06-000-0000"}
                                    << true << "CUS-0000004"
                                    << QStringList{"CUS-0000002", "CUS-0000004", "CUS-0000003", "CUS-0000001"}
                                    << "CUS-0000004|ร้านใหม่|06-000-0000";
    QTest::newRow("customer cancelled")
        << "customer" << QStringList{"dbedcustomer_name=Never"} << false << "CUS-0000004"
        << QStringList{"CUS-0000002", "CUS-0000003", "CUS-0000001"} << "";
    // Unsorted, a new product comes last.
    QTest::newRow("product saved") << "product"
                                   << QStringList{"dbedproduct_name=Bamboo mat", "dbedproduct_price=99"}
                                   << true << "PRD-0000003"
                                   << QStringList{"PRD-0000002", "PRD-0000001", "PRD-0000003"}
                                   << "PRD-0000003|Bamboo mat|99";
    QTest::newRow("product cancelled") << "product" << QStringList{"dbedproduct_name=Never"} << false
                                       << "PRD-0000003" << QStringList{"PRD-0000002", "PRD-0000001"} << "";
}

void TestMasterLists::newRowIsNumberedAndTakesItsPlace()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, typed);
    QFETCH(bool, save);
    QFETCH(QString, newId);
    QFETCH(QStringList, ids);
    QFETCH(QString, stored);

    auto window = openList(kind);
    const int before = shownIds(*window).size();
    DialogScript dialog{typed, save};
    m_fixture->messages.onModal = dialog.answer(kind);
    button(*window, "btnAdd")->click();

    QCOMPARE(dialog.opened, 1);
    QCOMPARE(dialog.dialogClass, isCustomer(kind) ? "TFNewCustomer" : "TFNewProduct");
    QCOMPARE(dialog.stateOnOpening, db::DataSetState::Insert);
    QCOMPARE(dialog.shownId, newId);
    QCOMPARE(dataSetOf(kind)->state(), db::DataSetState::Browse);
    QCOMPARE(shownIds(*window), ids);
    QCOMPARE(countText(*window), QString("Count = %1").arg(before + (save ? 1 : 0)));
    const QString sql = isCustomer(kind) ? "SELECT customer_id, customer_name, customer_phone FROM tcustomer "
                                           "WHERE customer_id = '%1'"
                                         : "SELECT product_id, product_name, product_price FROM tproduct "
                                           "WHERE product_id = '%1'";
    QCOMPARE(rowsOf(sql.arg(newId)), stored.isEmpty() ? QStringList{} : QStringList{stored});
    if (save) // the new row is the focused one
        QCOMPARE(window->grid()->view()->currentIndex().siblingAtColumn(0).data().toString(), newId);
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestMasterLists::editSavesOrCancelsTheClickedRow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("oldName");

    QTest::newRow("customer, Edit, saved") << "customer" << false << true << "CUS-0000003"
                                           << "Gamma Shop";
    QTest::newRow("customer, Edit, cancelled") << "customer" << false << false << "CUS-0000003"
                                               << "Gamma Shop";
    QTest::newRow("customer, double click, saved") << "customer" << true << true << "CUS-0000001"
                                                   << "บริษัท สยามเทรดดิ้ง จำกัด";
    QTest::newRow("product, Edit, saved") << "product" << false << true << "PRD-0000001"
                                          << "Teak chair";
    QTest::newRow("product, Edit, cancelled") << "product" << false << false << "PRD-0000001"
                                              << "Teak chair";
    QTest::newRow("product, double click, saved") << "product" << true << true << "PRD-0000002"
                                                  << "Rattan stool";
}

void TestMasterLists::editSavesOrCancelsTheClickedRow()
{
    QFETCH(QString, kind);
    QFETCH(bool, doubleClick);
    QFETCH(bool, save);
    QFETCH(QString, id);
    QFETCH(QString, oldName);

    auto window = openList(kind);
    const QStringList order = shownIds(*window);
    clickRow(*window, id);
    DialogScript dialog{{nameEditorOf(kind) + "=Renamed แล้ว"}, save};
    m_fixture->messages.onModal = dialog.answer(kind);
    if (doubleClick) {
        grid::GridTreeView* view = window->grid()->view();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                           view->visualRect(rowOfId(*window, id, 1)).center());
    } else {
        button(*window, "btnEdit")->click();
    }

    QCOMPARE(dialog.opened, 1);
    QCOMPARE(dialog.stateOnOpening, db::DataSetState::Edit);
    QCOMPARE(dialog.shownId, id); // the dialog edits the row the user clicked
    QCOMPARE(dataSetOf(kind)->state(), db::DataSetState::Browse);
    const QString name = save ? "Renamed แล้ว" : oldName;
    const QString sql = isCustomer(kind) ? "SELECT customer_name FROM tcustomer WHERE customer_id = '%1'"
                                         : "SELECT product_name FROM tproduct WHERE product_id = '%1'";
    QCOMPARE(rowsOf(sql.arg(id)), QStringList{name});
    QCOMPARE(rowOfId(*window, id, 1).data().toString(), name);
    QCOMPARE(shownIds(*window), order);
    QCOMPARE(countText(*window), QString("Count = %1").arg(order.size()));
}

void TestMasterLists::editOnEmptyListStartsANumberedNewRow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("newId");
    QTest::newRow("customer") << "customer"
                              << "CUS-0000001";
    QTest::newRow("product") << "product"
                             << "PRD-0000001";
}

void TestMasterLists::editOnEmptyListStartsANumberedNewRow()
{
    QFETCH(QString, kind);
    QFETCH(QString, newId);
    m_fixture->db.exec({"DELETE FROM tcustomer", "DELETE FROM tproduct"});

    auto window = openList(kind);
    QCOMPARE(countText(*window), QString("Count = 0"));
    DialogScript dialog{{nameEditorOf(kind) + "=First"}, true};
    m_fixture->messages.onModal = dialog.answer(kind);
    button(*window, "btnEdit")->click();

    QCOMPARE(dialog.stateOnOpening, db::DataSetState::Insert);
    QCOMPARE(dialog.shownId, newId);
    QCOMPARE(shownIds(*window), QStringList{newId});
    QCOMPARE(countText(*window), QString("Count = 1"));
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestMasterLists::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QString>("id"); // the row clicked first
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QStringList>("ids"); // listed afterwards

    const QString empty = "Cannot perform this operation on an empty dataset";
    QTest::newRow("customer, yes") << "customer" << false << "CUS-0000001" << true
                                   << "Do you want to delete customer : บริษัท สยามเทรดดิ้ง จำกัด?"
                                   << QStringList{} << QStringList{"CUS-0000002", "CUS-0000003"};
    QTest::newRow("customer, no") << "customer" << false << "CUS-0000003" << false
                                  << "Do you want to delete customer : Gamma Shop?" << QStringList{}
                                  << QStringList{"CUS-0000002", "CUS-0000003", "CUS-0000001"};
    QTest::newRow("product, yes") << "product" << false << "PRD-0000002" << true
                                  << "Do you want to delete product : Rattan stool?" << QStringList{}
                                  << QStringList{"PRD-0000001"};
    QTest::newRow("product, no") << "product" << false << "PRD-0000002" << false
                                 << "Do you want to delete product : Rattan stool?" << QStringList{}
                                 << QStringList{"PRD-0000002", "PRD-0000001"};
    QTest::newRow("customer, empty list, yes")
        << "customer" << true << "" << true << "Do you want to delete customer : ?" << QStringList{empty}
        << QStringList{};
    QTest::newRow("customer, empty list, no")
        << "customer" << true << "" << false << "Do you want to delete customer : ?" << QStringList{}
        << QStringList{};
    QTest::newRow("product, empty list, yes")
        << "product" << true << "" << true << "Do you want to delete product : ?" << QStringList{empty}
        << QStringList{};
}

void TestMasterLists::deleteAsksFirst()
{
    QFETCH(QString, kind);
    QFETCH(bool, emptyList);
    QFETCH(QString, id);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, ids);
    if (emptyList)
        m_fixture->db.exec({"DELETE FROM tcustomer", "DELETE FROM tproduct"});

    auto window = openList(kind);
    if (!id.isEmpty())
        clickRow(*window, id);
    m_fixture->messages.confirmAnswers = {yes};
    button(*window, "btnDelete")->click();

    QCOMPARE(m_fixture->messages.texts("confirm"), QStringList{question});
    QCOMPARE(m_fixture->messages.texts("error"), errors);
    QCOMPARE(shownIds(*window), ids);
    QCOMPARE(countText(*window), QString("Count = %1").arg(ids.size()));
    // The deletion is stored at once.
    const QString sql = isCustomer(kind) ? "SELECT customer_id FROM tcustomer ORDER BY customer_id"
                                         : "SELECT product_id FROM tproduct ORDER BY product_id";
    QStringList sorted = ids;
    sorted.sort();
    QCOMPARE(rowsOf(sql), sorted);
    QCOMPARE(dataSetOf(kind)->state(), db::DataSetState::Browse);
}

void TestMasterLists::refreshAndFilterMakeTheCountFollow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("addedElsewhere");
    QTest::addColumn<QString>("column"); // the filter: a column's caption, "contains", a text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("filtered");

    QTest::newRow("customers")
        << "customer"
        << "INSERT INTO tcustomer (customer_id, customer_name) VALUES ('CUS-0000009', 'Zeta Store')"
        << "Customer name/Company"
        << "st" << QStringList{"CUS-0000009"};
    QTest::newRow("products") << "product"
                              << "INSERT INTO tproduct (product_id, product_name, product_desc) VALUES "
                                 "('PRD-0000009', 'Desk', 'teak desk')"
                              << "Description"
                              << "TEAK" << QStringList{"PRD-0000001", "PRD-0000009"};
}

void TestMasterLists::refreshAndFilterMakeTheCountFollow()
{
    QFETCH(QString, kind);
    QFETCH(QString, addedElsewhere);
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QStringList, filtered);

    auto window = openList(kind);
    const int before = shownIds(*window).size();
    m_fixture->db.exec({addedElsewhere});
    QCOMPARE(shownIds(*window).size(), before); // not seen until the list is read again
    button(*window, "btnRefresh")->click();
    QCOMPARE(shownIds(*window).size(), before + 1);
    QCOMPARE(countText(*window), QString("Count = %1").arg(before + 1));

    // "Search Data" opens the grid's filter builder; the count follows its filter.
    int filterDialogs = 0;
    m_fixture->messages.onModal = [&](QDialog* dialog) {
        auto* filter = qobject_cast<grid::FilterDialog*>(dialog);
        if (!filter)
            return int(QDialog::Rejected);
        ++filterDialogs;
        auto* columnBox = filter->findChild<QComboBox*>("cbColumn0");
        columnBox->setCurrentIndex(columnBox->findText(column));
        auto* op = filter->findChild<QComboBox*>("cbOperator0");
        op->setCurrentIndex(op->findText("contains"));
        filter->findChild<QLineEdit*>("edValue0")->setText(text);
        filter->findChild<QPushButton*>("btnOk")->click();
        return filter->result();
    };
    button(*window, "btnSearch")->click();
    QCOMPARE(filterDialogs, 1);
    QStringList shown = shownIds(*window);
    shown.sort();
    QCOMPARE(shown, filtered);
    QCOMPARE(countText(*window), QString("Count = %1").arg(filtered.size()));

    window->grid()->clearFilter();
    QCOMPARE(countText(*window), QString("Count = %1").arg(before + 1));
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestMasterLists::productListShowsMoneyTaxAndFixedWidths()
{
    m_fixture->db.exec({"INSERT INTO tproduct VALUES ('PRD-0000003', 'Sofa', '', 0, 1234567, 'set', NULL)"});
    auto window = openList("product");
    const grid::GridModel& model = *window->grid()->model();
    const int cost = model.columnOfField("product_cost");
    const int price = model.columnOfField("product_price");
    const int tax = model.columnOfField("product_taxable");

    const QList<std::tuple<QString, QString, QString, Qt::CheckState>> rows = {
        {"PRD-0000001", "900.00", "1,250.00", Qt::Checked},
        {"PRD-0000002", "300.00", "450.00", Qt::Unchecked},
        // The default mask "#,#00.00" writes two whole digits; an empty flag reads as no.
        {"PRD-0000003", "00.00", "1,234,567.00", Qt::Unchecked},
    };
    for (const auto& [id, costText, priceText, taxState] : rows) {
        QCOMPARE(rowOfId(*window, id, cost).data().toString(), costText);
        QCOMPARE(rowOfId(*window, id, price).data().toString(), priceText);
        // "Tax" is a check box: no text, a check state.
        QCOMPARE(rowOfId(*window, id, tax).data().toString(), QString());
        QCOMPARE(rowOfId(*window, id, tax).data(Qt::CheckStateRole).toInt(), int(taxState));
    }

    // The columns keep their widths when the window grows; they are not stretched.
    const QList<int> widths = {101, 134, 253, 79, 81, 60, 42};
    QHeaderView* header = window->grid()->view()->header();
    window->resize(1100, 600);
    QTest::qWait(20);
    for (int c = 0; c < widths.size(); ++c)
        QCOMPARE(header->sectionSize(c), widths[c]);
}

void TestMasterLists::productDeletedKeepsInvoiceLines()
{
    const QString lines = "SELECT * FROM tinvoice_detail";
    const QString invoices = "SELECT * FROM tinvoice_master";
    const QStringList linesBefore = rowsOf(lines);
    const QStringList invoicesBefore = rowsOf(invoices);
    QCOMPARE(linesBefore.size(), 1);

    auto window = openList("product");
    clickRow(*window, "PRD-0000001");
    m_fixture->messages.confirmAnswers = {true};
    button(*window, "btnDelete")->click();

    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tproduct WHERE product_id = 'PRD-0000001'"), QStringList{"0"});
    QCOMPARE(rowsOf(lines), linesBefore);
    QCOMPARE(rowsOf(invoices), invoicesBefore);
    QVERIFY(m_fixture->messages.texts("error").isEmpty());
}

QTEST_MAIN(TestMasterLists)
#include "tst_master_lists.moc"
