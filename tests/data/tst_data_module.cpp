// The data module on a real database: settings load, numbering of new rows,
// defaults of a new invoice, totals, the duplicate check and display formats.

#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/db/errors.h"
#include "test_support.h"

#include <QDate>
#include <QSqlQuery>
#include <QTest>

class TestDataModule : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
    std::unique_ptr<TDtmd> m_module;

    void openModule()
    {
        m_module = testing::openDataModule(m_db->path());
        LoadDefaultSettings();
    }

private slots:
    void init()
    {
        m_db = std::make_unique<testing::TempDatabase>();
        m_messages = std::make_unique<testing::ScriptedMessages>();
    }
    void cleanup()
    {
        m_module.reset();
        m_messages.reset();
        m_db.reset();
    }

    void anEmptySettingsTableKeepsTheDefaults()
    {
        openModule();
        QVERIFY(!LoadSettings());
        QCOMPARE(AppSettings.invoice_prefix, QString("INV-"));
        QCOMPARE(AppSettings.startinvoice_no, QString("0000001"));
        QCOMPARE(AppSettings.vat_rate, 7.0);
        QCOMPARE(AppSettings.default_method_payment, QString("CASH"));
        QVERIFY(m_messages->shown.isEmpty());
    }

    void aMissingLoadconfigIsReportedAndKeepsTheDefaults()
    {
        m_db->exec({"DROP VIEW loadconfig"});
        openModule();
        QVERIFY(!LoadSettings());
        QCOMPARE(m_messages->texts(), QStringList{"Cannot load 'loadconfig'."});
        QCOMPARE(AppSettings.company_name, QString("Your Company Name"));
    }

    void theStoredRowReplacesTheDefaults()
    {
        m_db->exec({"INSERT INTO tconfig (company_name, vat_rate, startinvoice_no, startcustomer_no, "
                    "startproduct_no, invoice_prefix, font_size, uses_tax_all) "
                    "VALUES ('Siam Trading', NULL, '0001', '0000001', '0000001', 'INV-', 14, 1)"});
        openModule();
        QVERIFY(LoadSettings());
        QCOMPARE(AppSettings.company_name, QString("Siam Trading"));
        QCOMPARE(AppSettings.vat_rate, 0.0); // a null rate reads as 0
        QCOMPARE(AppSettings.font_size, 14);
        QVERIFY(AppSettings.uses_tax_all);
        QCOMPARE(AppSettings.format_price, QString());                   // taken as stored, without a check
        QCOMPARE(AppSettings.default_method_shipping, QString("TRUCK")); // no column: keeps its default
        // Each series reads its own template.
        QCOMPARE(m_module->NextInvoiceId(), QString("INV-0001"));
        AppSettings.customer_prefix = "CUS-";
        QCOMPARE(m_module->NextCustomerId(), QString("CUS-0000001"));
    }

    void newRowsAreNumberedFromTheHighestId_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("startTemplate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty table") << QStringList{} << "INV-"
                                     << "0000001"
                                     << "INV-0000001";
        QTest::newRow("next after 1") << QStringList{"INV-0000001"} << "INV-"
                                      << "0000001"
                                      << "INV-0000002";
        QTest::newRow("carry") << QStringList{"INV-0000099", "INV-0000007"} << "INV-"
                               << "0000001"
                               << "INV-0000100";
        QTest::newRow("another prefix") << QStringList{"X-0000005"} << "INV-"
                                        << "0000001"
                                        << "INV-0000001";
        QTest::newRow("not a number") << QStringList{"INV-12A"} << "INV-"
                                      << "0000001"
                                      << "INV-INV-12A";
        QTest::newRow("short template") << QStringList{"INV-0007"} << "INV-"
                                        << "0001"
                                        << "INV-0008";
        QTest::newRow("numbers grown past the width")
            << QStringList{"INV-9999999", "INV-10000000", "INV-10000001"} << "INV-"
            << "0000001"
            << "INV-10000002";
        QTest::newRow("old ids above the prefix")
            << QStringList{"X-9", "INV-0000001", "INV-0000002"} << "INV-"
            << "0000001"
            << "INV-0000003";
        QTest::newRow("template 1000") << QStringList{} << "INV-"
                                       << "1000"
                                       << "INV-1000";
        QTest::newRow("empty prefix, template free") << QStringList{"0000004"} << ""
                                                     << "0000001"
                                                     << "0000001";
        // The rules give the template itself again; it is taken, so the next free number follows.
        QTest::newRow("empty prefix, template taken") << QStringList{"0000001", "0000004"} << ""
                                                      << "0000001"
                                                      << "0000002";
    }
    void newRowsAreNumberedFromTheHighestId()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, prefix);
        QFETCH(QString, startTemplate);
        QFETCH(QString, expected);
        QStringList inserts;
        for (const QString& id : ids)
            inserts << QString("INSERT INTO tinvoice_master (invoice_id) VALUES ('%1')").arg(id);
        m_db->exec(inserts);
        openModule();
        AppSettings.invoice_prefix = prefix;
        AppSettings.startinvoice_no = startTemplate;
        QCOMPARE(m_module->NextInvoiceId(), expected);
    }

    void aNewInvoiceGetsItsNumberMethodsAndDates()
    {
        m_db->exec({"INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-0000041')"});
        openModule();
        AppSettings.default_method_shipping = "TRUCK";
        m_module->ADOTbInvoice->open();
        m_module->ADOTbInvoice->insert();
        auto* inv = m_module->ADOTbInvoice;
        QCOMPARE(inv->asString("invoice_id"), QString("INV-0000042"));
        QCOMPARE(inv->asString("method_shipping"), QString("TRUCK"));
        QCOMPARE(inv->asString("method_payment"), QString("CASH"));
        QCOMPARE(inv->asDate("issue_date"), QDate::currentDate());
        QCOMPARE(inv->asDate("due_date"), QDate::currentDate());
        inv->post();
        QSqlQuery q(m_module->ADOConn->database());
        q.exec("SELECT issue_date FROM tinvoice_master WHERE invoice_id = 'INV-0000042'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QDate::currentDate().toString(Qt::ISODate));
    }

    void customersAndProductsAreNumberedOnInsert()
    {
        m_db->exec({"INSERT INTO tcustomer (customer_id) VALUES ('CUS-0000009')"});
        openModule();
        m_module->ADOTbCustomer->open();
        m_module->ADOTbCustomer->insert();
        QCOMPARE(m_module->ADOTbCustomer->asString("customer_id"), QString("CUS-0000010"));
        m_module->ADOTbProduct->open();
        m_module->ADOTbProduct->edit(); // an empty table: edit starts an insert
        QCOMPARE(m_module->ADOTbProduct->asString("product_id"), QString("PRD-0000001"));
    }

    void aFailedNumberingQueryStopsTheInsert()
    {
        openModule();
        m_module->ADOTbCustomer->open();
        // A first insert leaves ADOTb with the query's fields; a later failure must not reuse them.
        m_module->ADOTbCustomer->insert();
        m_module->ADOTbCustomer->cancel();
        m_db->exec({"DROP VIEW getmaxcustomer"});
        QVERIFY_THROWS_EXCEPTION(db::DbError, m_module->ADOTbCustomer->insert());
        QCOMPARE(m_messages->texts(), QStringList{"Cannot load 'getmaxcustomer'."});
        QCOMPARE(m_module->ADOTbCustomer->state(), db::DataSetState::Browse);
    }

    void invoiceTotalsComeFromTheLineSums()
    {
        m_db->exec({
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty, item_price, item_discountperunit, "
            "item_extended, item_shipping, item_vatamt, item_total) VALUES ('A', 'P1', 2, 1000, 100, 1800, "
            "30, 126, 1926)",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty, item_price, item_discountperunit, "
            "item_extended, item_shipping, item_vatamt, item_total) VALUES ('A', 'P2', 1, 50, 0, 50, 0, 0, "
            "50)",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty, item_price) VALUES ('B', 'P1', 5, "
            "9)",
        });
        openModule();
        TDtmd::InvoiceTotals t;
        QVERIFY(m_module->RecalcInvoiceTotals("A", t));
        QCOMPARE(t.beforeDiscount, 2050.0);
        QCOMPARE(t.discount, 200.0);
        QCOMPARE(t.afterDiscount, 1850.0);
        QCOMPARE(t.shipping, 30.0);
        QCOMPARE(t.vat, 126.0);
        QCOMPARE(t.invoiceTotal, 2006.0); // lines 1976 plus shipping 30
        TDtmd::InvoiceTotals none{1, 1, 1, 1, 1, 1};
        QVERIFY(m_module->RecalcInvoiceTotals("NO-LINES", none));
        QCOMPARE(none.beforeDiscount + none.discount + none.afterDiscount + none.shipping + none.vat +
                     none.invoiceTotal,
                 0.0);
        QCOMPARE(m_module->ProductAlreadyOnInvoice("A", "P1"), 1);
        QCOMPARE(m_module->ProductAlreadyOnInvoice("A", "P9"), 0);
        QCOMPARE(m_module->ProductAlreadyOnInvoice("B", "P2"), 0);
    }

    void datasetsOpenWithTheFormatsOfTheSettings()
    {
        m_db->exec({"INSERT INTO tproduct (product_id, product_price) VALUES ('P', 1250)"});
        openModule();
        m_module->ADOTbProduct->open();
        QCOMPARE(m_module->ADOTbProduct->displayText("product_price"), QString("1,250.00"));
        AppSettings.format_price = "#0";
        QCOMPARE(m_module->ADOTbProduct->displayText("product_price"), QString("1,250.00"));
        m_module->ADOTbProduct->close();
        m_module->ADOTbProduct->open();
        QCOMPARE(m_module->ADOTbProduct->displayText("product_price"), QString("1250"));
    }

    void theSummaryJoinsLinesToInvoicesAndCustomers()
    {
        m_db->exec({
            "INSERT INTO tcustomer (customer_id, customer_name) VALUES ('C1', 'Alpha')",
            "INSERT INTO tinvoice_master (invoice_id, customer_id, issue_date) VALUES ('I1', 'C1', "
            "'2026-01-02')",
            "INSERT INTO tinvoice_master (invoice_id, customer_id) VALUES ('I2', 'GONE')",
            "INSERT INTO tinvoice_master (invoice_id, customer_id) VALUES ('I3', 'C1')",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name) VALUES ('I1', 'P1', 'Pen')",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name) VALUES ('I2', 'P1', 'Pen')",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_name) VALUES ('ORPHAN', 'P1', NULL)",
        });
        openModule();
        auto* s = m_module->ADOQrsum;
        s->open();
        QCOMPARE(s->recordCount(), 3); // I3 has no lines
        QVERIFY(s->locate("invoice_id", "I1"));
        QCOMPARE(s->asString("customer"), QString("C1 - Alpha"));
        QCOMPARE(s->asString("product"), QString("P1 - Pen"));
        QCOMPARE(s->displayText("issue_date"), QString("02/01/2026"));
        QVERIFY(s->locate("invoice_id", "I2"));
        QCOMPARE(s->asString("customer"), QString());
        QVERIFY(s->locate("invoice_id", "ORPHAN"));
        QVERIFY(s->isNull("issue_date"));
        QCOMPARE(s->asString("customer"), QString());
        QCOMPARE(s->asString("product"), QString());
    }
};

QTEST_MAIN(TestDataModule)
#include "tst_data_module.moc"
