// The entry dialogs and the lists come and go while the shared datasets stay:
// closing a dialog by its close box or Escape, and changing the datasets after
// the windows have gone.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "masterdata/customer_dialog.h"
#include "masterdata/customer_list.h"
#include "masterdata/product_dialog.h"
#include "masterdata/product_list.h"
#include "test_support.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using testing::retype;
using testing::rowsOf;

namespace {

db::DataSet* dataSetOf(const QString& kind)
{
    return kind == "customer" ? static_cast<db::DataSet*>(Dtmd->ADOTbCustomer)
                              : static_cast<db::DataSet*>(Dtmd->ADOTbProduct);
}

std::unique_ptr<QDialog> makeDialog(const QString& kind)
{
    if (kind == "customer")
        return std::make_unique<TFNewCustomer>();
    return std::make_unique<TFNewProduct>();
}

QString nameEditorOf(const QString& kind)
{
    return kind == "customer" ? "dbedcustomer_name" : "dbedproduct_name";
}

QString nameFieldOf(const QString& kind)
{
    return kind == "customer" ? "customer_name" : "product_name";
}

QString tableOf(const QString& kind)
{
    return kind == "customer" ? "tcustomer" : "tproduct";
}

// Every change a dataset can tell its followers of.
void stirDataSet(db::DataSet* set, const QString& field)
{
    set->insert();
    set->setValue(field, "Stirred");
    set->post();
    set->edit();
    set->setValue(field, "Stirred again");
    set->post();
    set->first();
    set->last();
    set->deleteRecord();
    set->refresh();
    set->close();
    set->open();
}

} // namespace

class TestDialogLifetime : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void closingDialogWithoutItsButtonsDropsTheEdit_data();
    void closingDialogWithoutItsButtonsDropsTheEdit();
    void datasetsChangeSafelyAfterWindowsAreGone();

private:
    std::unique_ptr<testing::DataModuleFixture> m_fixture;
};

void TestDialogLifetime::init()
{
    m_fixture = std::make_unique<testing::DataModuleFixture>();
    m_fixture->db.exec({
        "INSERT INTO tcustomer (customer_id, customer_name, customer_payment) "
        "VALUES ('CUS-0000001', 'บริษัท สยามเทรดดิ้ง จำกัด', 'CASH')",
        "INSERT INTO tproduct VALUES ('PRD-0000001', 'Teak chair', 'Solid teak', 900, 1250, 'piece', 1)",
    });
    Dtmd->ADOTbCustomer->open();
    Dtmd->ADOTbProduct->open();
}

void TestDialogLifetime::cleanup()
{
    m_fixture.reset();
}

void TestDialogLifetime::closingDialogWithoutItsButtonsDropsTheEdit_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("newRow");
    QTest::addColumn<bool>("byEscape");
    for (const char* kind : {"customer", "product"})
        for (bool newRow : {true, false})
            for (bool byEscape : {true, false})
                QTest::addRow("%s, %s, %s", kind, newRow ? "new" : "edited",
                              byEscape ? "Escape" : "close box")
                    << QString::fromLatin1(kind) << newRow << byEscape;
}

void TestDialogLifetime::closingDialogWithoutItsButtonsDropsTheEdit()
{
    // Closed without "Save" the dialog saved nothing; the row must not stay half
    // edited in the shared dataset, where the list's next move would store it.
    QFETCH(QString, kind);
    QFETCH(bool, newRow);
    QFETCH(bool, byEscape);
    db::DataSet* set = dataSetOf(kind);
    const QStringList before = rowsOf("SELECT * FROM " + tableOf(kind));
    newRow ? set->insert() : set->edit();

    auto dialog = makeDialog(kind);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // Typed and finished with Return: the row's buffer holds the change.
    QWidget* name = dialog->findChild<QWidget*>(nameEditorOf(kind));
    retype(name, "Typed then closed");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(set->asString(nameFieldOf(kind)), QStringLiteral("Typed then closed"));
    if (byEscape) {
        QTest::keyClick(name, Qt::Key_Escape);
    } else {
        QVERIFY(dialog->close());
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    dialog.reset();

    QCOMPARE(set->state(), db::DataSetState::Browse);
    set->first(); // what the list does next must store nothing
    QCOMPARE(rowsOf("SELECT * FROM " + tableOf(kind)), before);
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestDialogLifetime::datasetsChangeSafelyAfterWindowsAreGone()
{
    // Each window follows datasets that outlive it; after it has gone a change of
    // those datasets must reach nothing of it.
    Dtmd->ADOTbPayment->open();
    m_fixture->messages.onModal = [](QDialog* dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog))
            return int(QDialog::Rejected);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btn_cancel"), Qt::LeftButton);
        return dialog->result();
    };
    {
        TFCustomer customers;
        customers.show();
        QVERIFY(QTest::qWaitForWindowActive(&customers));
        customers.findChild<QToolButton*>("btnAdd")->click();
        customers.findChild<QToolButton*>("btnEdit")->click();
    }
    {
        TFProduct products;
        products.show();
        QVERIFY(QTest::qWaitForWindowActive(&products));
        products.findChild<QToolButton*>("btnAdd")->click();
        products.findChild<QToolButton*>("btnEdit")->click();
    }
    {
        Dtmd->ADOTbCustomer->edit();
        TFNewCustomer dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QWidget*>("dbedcustomer_Payment")->setFocus();
        dialog.findChild<QPushButton*>("btn_cancel")->click();
    }
    QCOMPARE(m_fixture->messages.texts("error"), QStringList{});

    stirDataSet(Dtmd->ADOTbCustomer, "customer_name");
    stirDataSet(Dtmd->ADOTbProduct, "product_name");
    stirDataSet(Dtmd->ADOTbPayment, "payment_name");
    stirDataSet(Dtmd->ADOTbContact, "contact_name");
    QCOMPARE(m_fixture->messages.texts("error"), QStringList{});
}

QTEST_MAIN(TestDialogLifetime)
#include "tst_dialog_lifetime.moc"
