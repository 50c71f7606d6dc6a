// Data-aware editors on the real data module: they follow the current row, put it
// into editing when the user types, write what the user finished, and refuse text
// the field cannot hold with the standard error box.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/editors/db_check_box.h"
#include "platform/editors/db_combo_box.h"
#include "platform/editors/db_date_edit.h"
#include "platform/editors/db_edit.h"
#include "platform/editors/db_lookup_combo_box.h"
#include "platform/editors/db_memo.h"
#include "platform/editors/lookup_model.h"
#include "test_support.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

using editors::DBEdit;
using editors::DBNumberEdit;

using testing::retype;
using testing::rowsOf;
using testing::typeText;

namespace {

// A window with editors in a column, shown and active so that focus and typing
// behave as for a person.
struct Form
{
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    template <class Editor> Editor* add(db::DataSource* source, const QString& field)
    {
        auto* e = new Editor(&window);
        e->setObjectName(field);
        layout->addWidget(e);
        e->bind(source, field);
        return e;
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
};

QVariant storedValue(const QString& sql)
{
    QSqlQuery q(Dtmd->ADOConn->database());
    if (!q.exec(sql) || !q.next())
        return QVariant(QStringLiteral("<no row>"));
    return q.value(0);
}

} // namespace

class TestDataAwareEditors : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void editorFollowsCurrentRowAndState();
    void typingPutsRowIntoEditingAndWritesOnFinish();
    void typingIntoEmptyTableStartsNewRow();
    void autoEditOffTypingDoesNothingUntilRowIsEdited();
    void textFieldKeepsToItsSize();
    void badNumberShowsErrorAndChangesNothing_data();
    void badNumberShowsErrorAndChangesNothing();
    void numberShowsDisplayFormatUnlessFocused();
    void escapeTakesBackTypedText();
    void readOnlyEditorIsSkippedAndTakesNoInput();
    void commitEditorsWritesPendingText();
    void memoCheckBoxDateAndListWriteTheirField();
    void dateMaskBecomesQtFormat_data();
    void dateMaskBecomesQtFormat();
    void lookupShowsListTextAndStoresKey();
    void lookupTypingCompletesAndRefusesUnknownText();
    void lookupDropDownListsColumnsAndChoosesRow();
    void lookupFollowsReopenedList();
    void lookupKeepsStoredKeyNotInListAfterRefusedKey_data();
    void lookupKeepsStoredKeyNotInListAfterRefusedKey();
    void lookupModelPassesModelTester();

private:
    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<TDtmd> m_module;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
};

void TestDataAwareEditors::init()
{
    m_db = std::make_unique<testing::TempDatabase>();
    m_db->exec({
        "INSERT INTO tcustomer (customer_id, customer_name, customer_address1, customer_discount, "
        "customer_payment) "
        "VALUES ('CUS-0000001', 'บริษัท สยามเทรดดิ้ง จำกัด', '123 ถนนสุขุมวิท กรุงเทพฯ 10110', 5, 'CASH')",
        "INSERT INTO tcustomer (customer_id, customer_name, customer_discount, customer_payment) "
        "VALUES ('CUS-0000002', 'Chiang Mai Crafts', 0, 'CREDIT 60')",
        "INSERT INTO tproduct (product_id, product_name, product_cost, product_price, product_taxable) "
        "VALUES ('PRD-0000001', 'Teak chair', 900, 1250, 1)",
    });
    m_module = testing::openDataModule(m_db->path());
    m_messages = std::make_unique<testing::ScriptedMessages>();
    LoadDefaultSettings();
    Dtmd->ADOTbCustomer->open();
    Dtmd->ADOTbPayment->open();
}

void TestDataAwareEditors::cleanup()
{
    m_messages.reset();
    m_module.reset();
    m_db.reset();
}

void TestDataAwareEditors::editorFollowsCurrentRowAndState()
{
    Form form;
    auto* name = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    QCOMPARE(name->text(), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
    Dtmd->ADOTbCustomer->setCurrentRow(1);
    QCOMPARE(name->text(), QStringLiteral("Chiang Mai Crafts"));

    // A value written by code shows at once, and cancel brings the stored one back.
    Dtmd->ADOTbCustomer->edit();
    Dtmd->ADOTbCustomer->setValue("customer_name", "Lanna Crafts");
    QCOMPARE(name->text(), QStringLiteral("Lanna Crafts"));
    Dtmd->ADOTbCustomer->cancel();
    QCOMPARE(name->text(), QStringLiteral("Chiang Mai Crafts"));

    Dtmd->ADOTbCustomer->insert();
    QCOMPARE(name->text(), QString());
    Dtmd->ADOTbCustomer->cancel();
    QCOMPARE(name->text(), QStringLiteral("Chiang Mai Crafts"));

    Dtmd->ADOTbCustomer->close();
    QCOMPARE(name->text(), QString());
    QVERIFY(name->isReadOnly());
    Dtmd->ADOTbCustomer->open();
    QCOMPARE(name->text(), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
}

void TestDataAwareEditors::typingPutsRowIntoEditingAndWritesOnFinish()
{
    Form form;
    auto* name = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    auto* person = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_person");
    QVERIFY(form.show());
    QSignalSpy committed(name, &DBEdit::committed);

    name->setFocus();
    name->selectAll();
    typeText(name, QStringLiteral("ร้านค้า"));
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Edit);
    // Not yet written: the user has not finished.
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));

    person->setFocus(); // leaving the field finishes the entry
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("ร้านค้า"));
    QCOMPARE(committed.count(), 1);

    QTest::keyClicks(person, "Somchai");
    QTest::keyClick(person, Qt::Key_Return);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_person"), QStringLiteral("Somchai"));
    Dtmd->ADOTbCustomer->post();
    QCOMPARE(storedValue("SELECT customer_name || '/' || customer_person FROM tcustomer WHERE rowid = 1")
                 .toString(),
             QStringLiteral("ร้านค้า/Somchai"));
    QVERIFY(m_messages->shown.isEmpty());
}

void TestDataAwareEditors::typingIntoEmptyTableStartsNewRow()
{
    Dtmd->ADOTbConfig->open();
    QVERIFY(Dtmd->ADOTbConfig->isEmpty());
    Form form;
    auto* company = form.add<DBEdit>(Dtmd->DtsConfig, "company_name");
    auto* email = form.add<DBEdit>(Dtmd->DtsConfig, "email");
    QVERIFY(form.show());
    company->setFocus();
    QTest::keyClicks(company, "Brimvale");
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Insert);
    QCOMPARE(company->text(), QStringLiteral("Brimvale")); // the new row did not wipe what was typed
    email->setFocus();
    Dtmd->ADOTbConfig->post();
    QCOMPARE(storedValue("SELECT company_name FROM tconfig").toString(), QStringLiteral("Brimvale"));
}

void TestDataAwareEditors::autoEditOffTypingDoesNothingUntilRowIsEdited()
{
    Dtmd->DtsCustomer->setAutoEdit(false);
    Dtmd->DtsProduct->setAutoEdit(false);
    Dtmd->ADOTbProduct->open();
    Form form;
    auto* name = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    auto* taxable = form.add<editors::DBCheckBox>(Dtmd->DtsProduct, "product_taxable");
    QVERIFY(form.show());
    name->setFocus();
    QVERIFY(name->isReadOnly());
    QTest::keyClicks(name, "X");
    QCOMPARE(name->text(), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Browse);
    taxable->click(); // springs back
    QVERIFY(taxable->isChecked());
    QCOMPARE(Dtmd->ADOTbProduct->state(), db::DataSetState::Browse);

    // Once code has put the row into editing the editor takes input.
    Dtmd->ADOTbCustomer->edit();
    QVERIFY(!name->isReadOnly());
    name->selectAll();
    QTest::keyClicks(name, "Y");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("Y"));
    QVERIFY(m_messages->shown.isEmpty());
}

void TestDataAwareEditors::textFieldKeepsToItsSize()
{
    Dtmd->ADOTbProduct->open();
    Form form;
    auto* uom = form.add<DBEdit>(Dtmd->DtsProduct, "product_uom");
    auto* desc = form.add<editors::DBMemo>(Dtmd->DtsProduct, "product_desc");
    QCOMPARE(uom->maxLength(), 50);
    QVERIFY(form.show());
    desc->setFocus();
    QTest::keyClicks(desc, QString(300, u'x'));
    QCOMPARE(desc->toPlainText().size(), 255);
    QVERIFY(desc->commit());
    QCOMPARE(Dtmd->ADOTbProduct->asString("product_desc").size(), 255);
}

void TestDataAwareEditors::badNumberShowsErrorAndChangesNothing_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("letters in a whole number") << "customer"
                                               << "customer_discount"
                                               << "abc"
                                               << "'abc' is not a valid integer value";
    QTest::newRow("fraction in a whole number")
        << "customer"
        << "customer_discount"
        << "12.5"
        << "'12.5' is not a whole number. Enter a number without decimals.";
    QTest::newRow("letters in a decimal") << "config"
                                          << "vat_rate"
                                          << "seven"
                                          << "'seven' is not a valid floating point value";
}

void TestDataAwareEditors::badNumberShowsErrorAndChangesNothing()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    if (table == "config") {
        m_db->exec({"INSERT INTO tconfig (vat_rate) VALUES (7)"});
        Dtmd->ADOTbConfig->open();
    }
    db::DataSource* source = table == "config" ? Dtmd->DtsConfig : Dtmd->DtsCustomer;
    db::DataSet* ds = source->dataSet();
    const QVariant before = ds->value(field);

    Form form;
    auto* number = form.add<DBNumberEdit>(source, field);
    QVERIFY(form.show());
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, typed);
    QTest::keyClick(number, Qt::Key_Return);

    QCOMPARE(m_messages->texts("error"), QStringList{error});
    QCOMPARE(ds->value(field), before);
    // The refused text stays to be corrected; Escape brings the field's value back.
    QCOMPARE(number->text(), typed);
    QVERIFY(number->hasPendingChange());
    QTest::keyClick(number, Qt::Key_Escape);
    QCOMPARE(number->text(), ds->editText(field));
    QVERIFY(!number->hasPendingChange());
    QVERIFY(ds->isEditing());
    ds->post();
    QCOMPARE(ds->value(field), before);
}

void TestDataAwareEditors::numberShowsDisplayFormatUnlessFocused()
{
    Dtmd->ADOTbProduct->open(); // opening applies the money format
    Form form;
    auto* price = form.add<DBNumberEdit>(Dtmd->DtsProduct, "product_price");
    auto* other = form.add<DBEdit>(Dtmd->DtsProduct, "product_name");
    QCOMPARE(price->text(), QStringLiteral("1,250.00"));
    QVERIFY(form.show());
    price->setFocus();
    QCOMPARE(price->text(), QStringLiteral("1250"));
    price->selectAll();
    QTest::keyClicks(price, "1,500"); // thousands separators may be typed
    other->setFocus();
    QCOMPARE(Dtmd->ADOTbProduct->asInteger("product_price"), 1500);
    QCOMPARE(price->text(), QStringLiteral("1,500.00"));
}

void TestDataAwareEditors::escapeTakesBackTypedText()
{
    Form form;
    auto* name = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    QVERIFY(form.show());
    name->setFocus();
    QTest::keyClicks(name, "zzz");
    QTest::keyClick(name, Qt::Key_Escape);
    QCOMPARE(name->text(), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
    QVERIFY(name->commit());
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
}

void TestDataAwareEditors::readOnlyEditorIsSkippedAndTakesNoInput()
{
    Form form;
    auto* first = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    auto* id = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_id");
    auto* third = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_person");
    id->setFieldReadOnly(true);
    QVERIFY(form.show());
    QCOMPARE(id->focusPolicy(), Qt::NoFocus);
    QVERIFY(id->isReadOnly());
    QCOMPARE(id->text(), QStringLiteral("CUS-0000001"));
    // Black on the window's colour.
    QCOMPARE(id->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(id->palette().color(QPalette::Base), form.window.palette().color(QPalette::Window));

    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), third);
    QTest::keyClicks(id, "X");
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Browse);
    QCOMPARE(id->text(), QStringLiteral("CUS-0000001"));

    id->setFieldReadOnly(false);
    QCOMPARE(id->focusPolicy(), Qt::StrongFocus);
    QVERIFY(!id->isReadOnly());
}

void TestDataAwareEditors::commitEditorsWritesPendingText()
{
    Form form;
    auto* name = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_name");
    auto* discount = form.add<DBNumberEdit>(Dtmd->DtsCustomer, "customer_discount");
    QVERIFY(form.show());
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Pending");
    QVERIFY(name->hasPendingChange());
    QVERIFY(editors::commitEditors(&form.window));
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("Pending"));

    // A refused value stops the command that asked.
    discount->setFocus();
    discount->selectAll();
    QTest::keyClicks(discount, "x");
    QVERIFY(!editors::commitEditors(&form.window));
    QCOMPARE(m_messages->texts("error").size(), 1);
    QCOMPARE(Dtmd->ADOTbCustomer->asInteger("customer_discount"), 5);
    // Still refused when asked again: the command cannot slip past it.
    QVERIFY(!editors::commitEditors(&form.window));
    QCOMPARE(m_messages->texts("error").size(), 2);
}

void TestDataAwareEditors::memoCheckBoxDateAndListWriteTheirField()
{
    Dtmd->ADOTbProduct->open();
    Dtmd->ADOTbInvoice->open();
    Dtmd->ADOTbConfig->open();
    Form form;
    auto* desc = form.add<editors::DBMemo>(Dtmd->DtsProduct, "product_desc");
    auto* taxable = form.add<editors::DBCheckBox>(Dtmd->DtsProduct, "product_taxable");
    auto* issued = form.add<editors::DBDateEdit>(Dtmd->DtsInvoice, "issue_date");
    auto* format = form.add<editors::DBComboBox>(Dtmd->DtsConfig, "format_price");
    format->setItems({"#,##0.00", "#,###.##", "#,##0", "#0"});
    QVERIFY(form.show());

    QVERIFY(taxable->isChecked());
    taxable->click(); // written at once
    QCOMPARE(Dtmd->ADOTbProduct->state(), db::DataSetState::Edit);
    QCOMPARE(Dtmd->ADOTbProduct->asBoolean("product_taxable"), false);

    desc->setFocus();
    typeText(desc, QStringLiteral("เก้าอี้ไม้สัก\nsolid teak"));
    taxable->setFocus();
    QCOMPARE(Dtmd->ADOTbProduct->asString("product_desc"), QStringLiteral("เก้าอี้ไม้สัก\nsolid teak"));

    // An invoice table with no rows: the date shows blank and a chosen date starts a new invoice.
    QCOMPARE(issued->shownDate(), QDate());
    issued->setDate(QDate(2024, 3, 1));
    QVERIFY(issued->commit());
    QCOMPARE(Dtmd->ADOTbInvoice->state(), db::DataSetState::Insert);
    QCOMPARE(Dtmd->ADOTbInvoice->asDate("issue_date"), QDate(2024, 3, 1));
    QCOMPARE(issued->displayFormat(), QStringLiteral("dd/MM/yyyy"));

    QCOMPARE(format->currentIndex(), -1);
    format->setCurrentIndex(3);
    emit format->activated(3);
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Insert);
    QCOMPARE(Dtmd->ADOTbConfig->asString("format_price"), QStringLiteral("#0"));

    // A stored mask outside the list shows as it is, greyed.
    Dtmd->ADOTbConfig->setValue("format_price", "#,#00.00");
    QCOMPARE(format->currentIndex(), -1);
    QCOMPARE(format->placeholderText(), QStringLiteral("#,#00.00"));
    QVERIFY(m_messages->shown.isEmpty());
}

void TestDataAwareEditors::dateMaskBecomesQtFormat_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("format");
    QTest::newRow("default") << "dd/mm/yyyy"
                             << "dd/MM/yyyy";
    QTest::newRow("upper case, month first") << "MM/DD/YYYY"
                                             << "MM/dd/yyyy";
    QTest::newRow("two-digit year") << "DD/MM/YY"
                                    << "dd/MM/yy";
    QTest::newRow("no mask") << ""
                             << "dd/MM/yyyy";
}

void TestDataAwareEditors::dateMaskBecomesQtFormat()
{
    QFETCH(QString, mask);
    QFETCH(QString, format);
    QCOMPARE(editors::qtDateFormat(mask), format);
}

void TestDataAwareEditors::lookupShowsListTextAndStoresKey()
{
    // Key and shown text differ: the customer id is stored, the name shown.
    Dtmd->ADOTbInvoice->open();
    Form form;
    auto* customer = form.add<editors::DBLookupComboBox>(Dtmd->DtsInvoice, "customer_id");
    customer->setLookup(Dtmd->DtsCustomer, "customer_id", "customer_name",
                        {{"Customer ID", "customer_id", 92}, {"Custmer Name/Company", "customer_name", 202}});
    QSignalSpy committed(customer, &editors::DBLookupComboBox::committed);
    QVERIFY(form.show());
    Dtmd->ADOTbInvoice->insert();
    QCOMPARE(customer->currentText(), QString());

    customer->setFocus();
    QTest::keyClicks(customer->lineEdit(), "chi");
    QCOMPARE(customer->currentText(), QStringLiteral("Chiang Mai Crafts"));
    QTest::keyClick(customer->lineEdit(), Qt::Key_Return);
    QCOMPARE(Dtmd->ADOTbInvoice->asString("customer_id"), QStringLiteral("CUS-0000002"));
    QCOMPARE(Dtmd->ADOTbCustomer->currentRow(), 1);
    QCOMPARE(committed.count(), 1);

    // A key that is not in the list shows as stored.
    Dtmd->ADOTbInvoice->setValue("customer_id", "CUS-0000099");
    QCOMPARE(customer->currentText(), QStringLiteral("CUS-0000099"));
    // Clearing the text clears the field.
    customer->lineEdit()->selectAll();
    QTest::keyClick(customer->lineEdit(), Qt::Key_Delete);
    QVERIFY(customer->commit());
    QVERIFY(Dtmd->ADOTbInvoice->isNull("customer_id"));
}

void TestDataAwareEditors::lookupTypingCompletesAndRefusesUnknownText()
{
    Form form;
    auto* payment = form.add<editors::DBLookupComboBox>(Dtmd->DtsCustomer, "customer_payment");
    payment->setLookup(Dtmd->DtsPayment, "payment_name", "payment_name",
                       {{"Payment Term", "payment_name", 156}});
    QCOMPARE(payment->currentText(), QStringLiteral("CASH"));
    QVERIFY(form.show());
    payment->setFocus();
    QLineEdit* text = payment->lineEdit();
    text->selectAll();
    QTest::keyClicks(text, "cr");
    QCOMPARE(text->text(), QStringLiteral("CREDIT 30"));
    QCOMPARE(text->selectedText(), QStringLiteral("EDIT 30"));
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Edit);

    QTest::keyClicks(text, "x"); // no entry begins with "crx"
    QCOMPARE(text->text(), QStringLiteral("CREDIT 30"));
    QTest::keyClick(text, Qt::Key_End);
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->text(), QStringLiteral("CREDIT 3")); // a deletion is not completed again
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClicks(text, "6");
    QCOMPARE(text->text(), QStringLiteral("CREDIT 60"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), QStringLiteral("CREDIT 60"));
    QCOMPARE(Dtmd->ADOTbPayment->currentRow(), 2);

    // Up steps back through the list and writes at once.
    QTest::keyClick(text, Qt::Key_Up);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), QStringLiteral("CREDIT 30"));
    QVERIFY(m_messages->shown.isEmpty());
}

void TestDataAwareEditors::lookupDropDownListsColumnsAndChoosesRow()
{
    Form form;
    auto* payment = form.add<editors::DBLookupComboBox>(Dtmd->DtsCustomer, "customer_payment");
    payment->setLookup(Dtmd->DtsPayment, "payment_name", "payment_name",
                       {{"Payment Term", "payment_name", 156}, {"Day", "payment_day", 40}});
    QVERIFY(form.show());
    payment->setFocus();
    payment->showPopup();
    QVERIFY(payment->isPopupVisible());
    QTableView* view = payment->dropDownView();
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Payment Term"));
    QVERIFY(view->columnWidth(0) >= 156);
    QVERIFY(view->window()->width() >= 156 + 40);
    QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 0); // the current value is highlighted

    // Typing while the list is open finds the entry in it.
    QTest::keyClicks(view, "credit 6");
    QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 2);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!payment->isPopupVisible());
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), QStringLiteral("CREDIT 60"));

    // A click on a row chooses it.
    payment->showPopup();
    const QRect cell = view->visualRect(view->model()->index(1, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), QStringLiteral("CREDIT 30"));
    QCOMPARE(Dtmd->ADOTbPayment->currentRow(), 1);

    // A size the user gives the list is kept for the next drop-down.
    payment->showPopup();
    view->window()->resize(400, 300);
    payment->hidePopup();
    payment->showPopup();
    QCOMPARE(view->window()->size(), QSize(400, 300));
    payment->hidePopup();
}

void TestDataAwareEditors::lookupFollowsReopenedList()
{
    Form form;
    auto* payment = form.add<editors::DBLookupComboBox>(Dtmd->DtsCustomer, "customer_payment");
    payment->setLookup(Dtmd->DtsPayment, "payment_name", "payment_name",
                       {{"Payment Term", "payment_name", 156}});
    Dtmd->ADOTbPayment->close();
    QCOMPARE(payment->currentText(), QStringLiteral("CASH")); // shown as stored while the list is closed
    m_db->exec({"INSERT INTO tpayment VALUES ('QR PAYMENT', 0)"});
    Dtmd->ADOTbPayment->open();
    QVERIFY(form.show());
    payment->setFocus();
    payment->lineEdit()->selectAll();
    QTest::keyClicks(payment->lineEdit(), "q");
    QTest::keyClick(payment->lineEdit(), Qt::Key_Return);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), QStringLiteral("QR PAYMENT"));
}

void TestDataAwareEditors::lookupKeepsStoredKeyNotInListAfterRefusedKey_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("a term since removed") << "OLD TERM";
    QTest::newRow("the start of another term") << "CREDIT";
}

void TestDataAwareEditors::lookupKeepsStoredKeyNotInListAfterRefusedKey()
{
    // A stored key that is not in the list shows as it is; a key press that is
    // refused leaves that text in place, and finishing the entry then changes
    // nothing: no error that would stop a save, no other entry taken instead.
    QFETCH(QString, stored);
    Dtmd->ADOTbCustomer->edit();
    Dtmd->ADOTbCustomer->setValue("customer_payment", stored);
    Dtmd->ADOTbCustomer->post();
    Form form;
    auto* payment = form.add<editors::DBLookupComboBox>(Dtmd->DtsCustomer, "customer_payment");
    payment->setLookup(Dtmd->DtsPayment, "payment_name", "payment_name",
                       {{"Payment Term", "payment_name", 156}});
    auto* other = form.add<DBEdit>(Dtmd->DtsCustomer, "customer_person");
    QCOMPARE(payment->currentText(), stored);
    QVERIFY(form.show());
    payment->setFocus();
    QTest::keyClick(payment->lineEdit(), Qt::Key_Home);
    QTest::keyClicks(payment->lineEdit(), "x"); // no entry begins with "x..."
    QCOMPARE(payment->currentText(), stored);
    other->setFocus();
    QVERIFY(editors::commitEditors(&form.window));
    QCOMPARE(m_messages->texts("error"), QStringList{});
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_payment"), stored);
}

void TestDataAwareEditors::lookupModelPassesModelTester()
{
    editors::LookupModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDataSet(Dtmd->ADOTbPayment, {{"Payment Term", "payment_name", 156}, {"Day", "payment_day", 40}});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("30"));
    QCOMPARE(model.index(1, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
    Dtmd->ADOTbPayment->insert();
    Dtmd->ADOTbPayment->setValue("payment_name", "CREDIT 90");
    Dtmd->ADOTbPayment->post();
    QCOMPARE(model.rowCount(), 4);
    Dtmd->ADOTbPayment->edit();
    Dtmd->ADOTbPayment->setValue("payment_day", 90);
    Dtmd->ADOTbPayment->post();
    QCOMPARE(model.index(3, 1).data().toString(), QStringLiteral("90"));
    Dtmd->ADOTbPayment->deleteRecord();
    QCOMPARE(model.rowCount(), 3);
    Dtmd->ADOTbPayment->close();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(TestDataAwareEditors)
#include "tst_data_aware_editors.moc"
