// The customer and product entry dialogs on the real shared datasets: they edit
// the row their opener put into editing, save posts it, cancel drops it.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "masterdata/customer_dialog.h"
#include "masterdata/product_dialog.h"
#include "platform/editors/db_check_box.h"
#include "platform/editors/db_edit.h"
#include "platform/editors/db_lookup_combo_box.h"
#include "platform/editors/db_memo.h"
#include "test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using testing::retype;
using testing::rowsOf;
using testing::typeText;

namespace {

// The object name of the editor or button that holds the focus (a combo's text
// field stands for its combo).
QString focusedName()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            return w->objectName();
    return {};
}

} // namespace

class TestEntryDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void customerDialogShowsCaptionsAndTheRow();
    void customerTabOrderSkipsTheNumber();
    void customerSaveOrCancel_data();
    void customerSaveOrCancel();
    void customerSaveWritesValueTypedJustBefore();
    void customerPaymentTermsAreCurrentWhenOpenedAlone();
    void customerPostFailureKeepsDialogAndRow();
    void productDialogShowsMoneyFormatAndTax();
    void productCostThatIsNotWholeIsRefused();
    void productCancelLeavesNoTrace();

private:
    std::unique_ptr<testing::DataModuleFixture> m_fixture;
};

void TestEntryDialogs::init()
{
    m_fixture = std::make_unique<testing::DataModuleFixture>();
    m_fixture->db.exec({
        "INSERT INTO tcustomer VALUES ('CUS-0000001', 'บริษัท สยามเทรดดิ้ง จำกัด', '123 ถนนสุขุมวิท กรุงเทพฯ 10110', "
        "'Somchai', '0105551234567', 'info@siam.example', '02-123-4567', '02-123-4568', 5, 'CASH')",
        "INSERT INTO tproduct VALUES ('PRD-0000001', 'Teak chair', 'Solid teak', 900, 1250, 'piece', 1)",
    });
    Dtmd->ADOTbCustomer->open();
    Dtmd->ADOTbProduct->open();
}

void TestEntryDialogs::cleanup()
{
    m_fixture.reset();
}

void TestEntryDialogs::customerDialogShowsCaptionsAndTheRow()
{
    Dtmd->ADOTbCustomer->edit();
    TFNewCustomer dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Customer"));
    QCOMPARE(dialog.size(), QSize(521, 348));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    const QStringList labels = {"Customer ID",
                                "Company / Name",
                                "Address",
                                "Contact",
                                "TAX ID",
                                "E-mail",
                                "Telephone",
                                "Fax",
                                "Discount",
                                "Payment Term",
                                "[*** 0 is No Discount]"};
    QStringList shown;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        shown << l->text();
    for (const QString& text : labels)
        QVERIFY2(shown.contains(text), qPrintable(text));
    QCOMPARE(dialog.findChild<QPushButton*>("btn_save")->text(), QStringLiteral("Save Customer"));
    QCOMPARE(dialog.findChild<QPushButton*>("btn_cancel")->text(), QStringLiteral("Cancel"));

    // Each editor shows its column of the row being edited.
    const QList<QPair<QString, QString>> shownValues = {
        {"dbedcustomer_id", "CUS-0000001"},          {"dbedcustomer_name", "บริษัท สยามเทรดดิ้ง จำกัด"},
        {"dbedcustomer_contact", "Somchai"},         {"dbedcustomer_taxID", "0105551234567"},
        {"dbedcustomer_email", "info@siam.example"}, {"dbedcustomer_phone", "02-123-4567"},
        {"dbedcustomer_fax", "02-123-4568"},         {"dbedcustomer_discount", "5"},
    };
    for (const auto& [name, value] : shownValues)
        QCOMPARE(dialog.findChild<QLineEdit*>(name)->text(), value);
    QCOMPARE(dialog.findChild<QPlainTextEdit*>("dbmmcustomer_address")->toPlainText(),
             QStringLiteral("123 ถนนสุขุมวิท กรุงเทพฯ 10110"));
    QCOMPARE(dialog.findChild<QComboBox*>("dbedcustomer_Payment")->currentText(), QStringLiteral("CASH"));
}

void TestEntryDialogs::customerTabOrderSkipsTheNumber()
{
    Dtmd->ADOTbCustomer->edit();
    TFNewCustomer dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* id = dialog.findChild<editors::DBEdit*>("dbedcustomer_id");
    QCOMPARE(id->focusPolicy(), Qt::NoFocus);
    QVERIFY(id->isReadOnly());

    dialog.findChild<QWidget*>("dbedcustomer_name")->setFocus();
    const QStringList order = {"dbmmcustomer_address",
                               "dbedcustomer_contact",
                               "dbedcustomer_taxID",
                               "dbedcustomer_email",
                               "dbedcustomer_phone",
                               "dbedcustomer_fax",
                               "dbedcustomer_discount",
                               "dbedcustomer_Payment",
                               "btn_save",
                               "btn_cancel",
                               "dbedcustomer_name"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), next);
    }
}

void TestEntryDialogs::customerSaveOrCancel_data()
{
    QTest::addColumn<bool>("newCustomer");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QStringList>("storedRows");
    const QString existing = "CUS-0000001|บริษัท สยามเทรดดิ้ง จำกัด|Somchai|5|CASH";
    QTest::newRow("new customer saved")
        << true << true << QStringList{existing, "CUS-0000002|ร้านใหม่|Malee|10|CREDIT 30"};
    QTest::newRow("new customer cancelled") << true << false << QStringList{existing};
    QTest::newRow("customer edited and saved")
        << false << true << QStringList{"CUS-0000001|ร้านใหม่|Malee|10|CREDIT 30"};
    QTest::newRow("customer edit cancelled") << false << false << QStringList{existing};
}

void TestEntryDialogs::customerSaveOrCancel()
{
    QFETCH(bool, newCustomer);
    QFETCH(bool, save);
    QFETCH(QStringList, storedRows);
    if (newCustomer)
        Dtmd->ADOTbCustomer->insert(); // numbered as the list's "New Customer" does
    else
        Dtmd->ADOTbCustomer->edit();

    m_fixture->messages.onModal = [&](QDialog* dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog))
            return int(QDialog::Rejected);
        retype(dialog->findChild<QWidget*>("dbedcustomer_name"), QStringLiteral("ร้านใหม่"));
        retype(dialog->findChild<QWidget*>("dbedcustomer_contact"), "Malee");
        retype(dialog->findChild<QWidget*>("dbedcustomer_discount"), "10");
        retype(dialog->findChild<QWidget*>("dbedcustomer_Payment"), "cr");
        // A click moves the focus onto the button, which finishes the last entry.
        QTest::mouseClick(dialog->findChild<QPushButton*>(save ? "btn_save" : "btn_cancel"), Qt::LeftButton);
        return dialog->result();
    };
    TFNewCustomer dialog;
    const int result = ui::messages().execModal(&dialog);

    QCOMPARE(result, save ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Browse);
    QCOMPARE(rowsOf("SELECT customer_id, customer_name, customer_person, customer_discount, customer_payment "
                    "FROM tcustomer ORDER BY rowid"),
             storedRows);
    // The list would now show the saved or restored row.
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"),
             save ? QStringLiteral("ร้านใหม่") : QStringLiteral("บริษัท สยามเทรดดิ้ง จำกัด"));
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestEntryDialogs::customerSaveWritesValueTypedJustBefore()
{
    // Saving by a command that does not take the focus (a shortcut key) still
    // stores what is in the field.
    Dtmd->ADOTbCustomer->edit();
    TFNewCustomer dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(dialog.findChild<QWidget*>("dbedcustomer_fax"), "02-999-9999");
    dialog.findChild<QPushButton*>("btn_save")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rowsOf("SELECT customer_fax FROM tcustomer"), QStringList{"02-999-9999"});
}

void TestEntryDialogs::customerPaymentTermsAreCurrentWhenOpenedAlone()
{
    // The invoice editor opens the dialog without the list: the payment table may
    // be closed, or open on rows that have changed since.
    Dtmd->ADOTbPayment->open();
    m_fixture->db.exec({"INSERT INTO tpayment VALUES ('PROMPTPAY', 0)"});
    Dtmd->ADOTbCustomer->insert();
    TFNewCustomer dialog;
    auto* payment = dialog.findChild<editors::DBLookupComboBox*>("dbedcustomer_Payment");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(payment, "pro");
    QCOMPARE(payment->currentText(), QStringLiteral("PROMPTPAY"));
    dialog.findChild<QPushButton*>("btn_save")->click();
    QCOMPARE(rowsOf("SELECT customer_payment FROM tcustomer WHERE customer_id = 'CUS-0000002'"),
             QStringList{"PROMPTPAY"});
    QCOMPARE(Dtmd->ADOTbPayment->asString("payment_name"), QStringLiteral("PROMPTPAY"));

    Dtmd->ADOTbPayment->close();
    Dtmd->ADOTbCustomer->edit();
    TFNewCustomer again;
    QVERIFY(Dtmd->ADOTbPayment->isOpen());
    QCOMPARE(again.findChild<QComboBox*>("dbedcustomer_Payment")->currentText(), QStringLiteral("PROMPTPAY"));
}

void TestEntryDialogs::customerPostFailureKeepsDialogAndRow()
{
    // A number taken meanwhile: the database refuses the row, the user reads why,
    // and nothing typed is lost.
    Dtmd->ADOTbCustomer->insert();
    Dtmd->ADOTbCustomer->setValue("customer_id", "CUS-0000001");
    TFNewCustomer dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(dialog.findChild<QWidget*>("dbedcustomer_name"), "Duplicate Co");
    dialog.findChild<QPushButton*>("btn_save")->click();
    QCOMPARE(m_fixture->messages.texts("error").size(), 1);
    QVERIFY(m_fixture->messages.texts("error").first().contains("UNIQUE"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(Dtmd->ADOTbCustomer->state(), db::DataSetState::Insert);
    QCOMPARE(Dtmd->ADOTbCustomer->asString("customer_name"), QStringLiteral("Duplicate Co"));
    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tcustomer"), QStringList{"1"});
}

void TestEntryDialogs::productDialogShowsMoneyFormatAndTax()
{
    Dtmd->ADOTbProduct->edit();
    TFNewProduct dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Product"));
    QCOMPARE(dialog.size(), QSize(527, 267));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.findChild<QLineEdit*>("dbedproduct_cost")->text(), QStringLiteral("900.00"));
    QCOMPARE(dialog.findChild<QLineEdit*>("dbedproduct_price")->text(), QStringLiteral("1,250.00"));
    auto* tax = dialog.findChild<editors::DBCheckBox*>("cbvat");
    QCOMPARE(tax->text(), QStringLiteral("TAX"));
    QVERIFY(tax->isChecked());
    QCOMPARE(dialog.findChild<QPushButton*>("btn_save")->text(), QStringLiteral("Save Product"));
    QCOMPARE(dialog.findChild<editors::DBEdit*>("dbedproduct_id")->focusPolicy(), Qt::NoFocus);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QWidget*>("dbedproduct_name")->setFocus();
    const QStringList order = {"dbmmproduct_desc", "dbedproduct_cost", "dbedproduct_price", "cbvat",
                               "dbedproduct_uom",  "btn_save",         "btn_cancel"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), next);
    }

    retype(dialog.findChild<QWidget*>("dbedproduct_price"), "1,500");
    QTest::mouseClick(tax, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("btn_save"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rowsOf("SELECT product_price, product_taxable FROM tproduct"), QStringList{"1500|0"});
}

void TestEntryDialogs::productCostThatIsNotWholeIsRefused()
{
    Dtmd->ADOTbProduct->insert();
    TFNewProduct dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* cost = dialog.findChild<editors::DBNumberEdit*>("dbedproduct_cost");
    retype(dialog.findChild<QWidget*>("dbedproduct_name"), "Rattan stool");
    retype(cost, "12.5");
    QTest::mouseClick(dialog.findChild<QPushButton*>("btn_save"), Qt::LeftButton);

    // Refused when the focus left the field, and again by the save that followed:
    // nothing stored, the dialog still open on the new product, the text there to correct.
    const QStringList errors = m_fixture->messages.texts("error");
    QVERIFY(!errors.isEmpty());
    for (const QString& e : errors)
        QCOMPARE(e, QStringLiteral("'12.5' is not a whole number. Enter a number without decimals."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(cost->text(), QStringLiteral("12.5"));
    QCOMPARE(Dtmd->ADOTbProduct->state(), db::DataSetState::Insert);
    QVERIFY(Dtmd->ADOTbProduct->isNull("product_cost"));
    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tproduct"), QStringList{"1"});

    retype(cost, "12");
    QTest::mouseClick(dialog.findChild<QPushButton*>("btn_save"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rowsOf("SELECT product_id, product_name, product_cost FROM tproduct WHERE rowid = 2"),
             QStringList{"PRD-0000002|Rattan stool|12"});
}

void TestEntryDialogs::productCancelLeavesNoTrace()
{
    Dtmd->ADOTbProduct->insert();
    TFNewProduct dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(dialog.findChild<QWidget*>("dbedproduct_name"), "Never saved");
    retype(dialog.findChild<QWidget*>("dbmmproduct_desc"), QStringLiteral("ไม่บันทึก"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("btn_cancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Dtmd->ADOTbProduct->state(), db::DataSetState::Browse);
    QCOMPARE(Dtmd->ADOTbProduct->asString("product_id"), QStringLiteral("PRD-0000001"));
    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tproduct"), QStringList{"1"});
}

QTEST_MAIN(TestEntryDialogs)
#include "tst_entry_dialogs.moc"
