// The line rules and the totals step on the shared datasets of a real database:
// a line filled, changed and stored the way the invoice editor does it, and the
// six invoice totals written back into tinvoice_master.

#include "data/app_settings.h"
#include "data/data_module.h"
#include "invoice/line_rules.h"
#include "platform/db/display_format.h"
#include "platform/db/errors.h"
#include "test_support.h"

#include <QSqlQuery>
#include <QTest>

#include <functional>

namespace {

// The values of the current line as the worked figures show them: quantity, then
// price, per unit, percent, net, extended, VAT and amount to two decimals.
QString lineFigures(const db::DataSet& line)
{
    QStringList parts{QString::number(line.asInteger("item_qty"))};
    for (const char* column : {"item_price", "item_discountperunit", "item_discountpercent", "item_netprice",
                               "item_extended", "item_vatamt", "item_total"})
        parts << db::formatNumber(line.asDouble(column), QStringLiteral("0.00"));
    return parts.join(u'|');
}

} // namespace

class TestLineRules : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<testing::ScriptedMessages> m_messages;
    std::unique_ptr<TDtmd> m_module;

    void openModule()
    {
        m_module = testing::openDataModule(m_db->path());
        LoadDefaultSettings(); // VAT 7
        m_module->ADOTbProduct->open();
        m_module->ADOTbInvoice->open();
        m_module->ADOTbInvoiceDetail->open();
    }

    // One row of tinvoice_master as "column=value" texts, NULL shown as such.
    QString storedTotals(const QString& invoiceId) const
    {
        QSqlQuery q(m_module->ADOConn->database());
        q.prepare(
            "SELECT total_before_discount, total_discount, total_after_discount, total_shipping, total_tax, "
            "total_invoice FROM tinvoice_master WHERE invoice_id = ?");
        q.addBindValue(invoiceId);
        if (!q.exec() || !q.next())
            return QStringLiteral("no row");
        QStringList parts;
        for (int i = 0; i < 6; ++i)
            parts << (q.isNull(i) ? QStringLiteral("NULL") : db::formatNumber(q.value(i).toDouble(), "0.00"));
        return parts.join(u'|');
    }

    double sqlNumber(const QString& statement) const
    {
        QSqlQuery q(m_module->ADOConn->database());
        if (!q.exec(statement) || !q.next())
            return -1;
        return q.value(0).toDouble();
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

    void aLineIsComputedStoredAndTotalledThroughTheDatasets()
    {
        m_db->exec({"INSERT INTO tproduct VALUES ('PRD-0000001', 'Water pump', NULL, 800, 1000, 'PCS', 1)",
                    "INSERT INTO tproduct VALUES ('PRD-0000002', 'Garden hose', NULL, 150, 250, 'ROLL', 0)"});
        openModule();
        db::DataSet& invoice = *m_module->ADOTbInvoice;
        db::DataSet& line = *m_module->ADOTbInvoiceDetail;
        db::DataSet& product = *m_module->ADOTbProduct;

        invoice.insert();
        QCOMPARE(invoice.asString("invoice_id"), QString("INV-0000001"));
        line.insert();
        QCOMPARE(line.asString("invoice_id"), QString("INV-0000001"));

        QVERIFY(product.locate("product_id", "PRD-0000001"));
        ApplyProductToLine(line, product, 5);
        QCOMPARE(line.asString("item_id"), QString("PRD-0000001"));
        QCOMPARE(line.asString("item_name"), QString("Water pump"));
        QCOMPARE(line.asString("item_uom"), QString("PCS"));
        QVERIFY(line.asBoolean("item_vat"));
        QCOMPARE(lineFigures(line), QString("1|1000.00|50.00|5.00|950.00|950.00|66.50|1016.50"));

        line.setValue("item_qty", 2);
        RecalcLine(line, line.asBoolean("item_vat"));
        QCOMPARE(lineFigures(line), QString("2|1000.00|50.00|5.00|950.00|1900.00|133.00|2033.00"));

        QString perUnitText = "100";
        line.setText("item_discountperunit", perUnitText);
        ApplyDiscountPerUnit(line, perUnitText, line.asBoolean("item_vat"));
        QCOMPARE(lineFigures(line), QString("2|1000.00|100.00|10.00|900.00|1800.00|126.00|1926.00"));

        line.setValue("item_vat", false);
        RecalcLine(line, false);
        QCOMPARE(lineFigures(line), QString("2|1000.00|100.00|10.00|900.00|1800.00|0.00|1800.00"));

        line.setValue("item_shipping", 30.0);
        RecalcLine(line, false);
        QCOMPARE(lineFigures(line), QString("2|1000.00|100.00|10.00|900.00|1800.00|0.00|1800.00"));
        line.post();

        // The invoice is still being inserted: storing its totals writes it as a new row.
        QCOMPARE(invoice.state(), db::DataSetState::Insert);
        QCOMPARE(storedTotals("INV-0000001"), QString("no row"));
        StoreInvoiceTotals(invoice);
        QCOMPARE(invoice.state(), db::DataSetState::Browse);
        QCOMPARE(storedTotals("INV-0000001"), QString("2000.00|200.00|1800.00|30.00|0.00|1830.00"));

        // A second line on the stored invoice: the same row takes the new totals.
        line.insert();
        QVERIFY(product.locate("product_id", "PRD-0000002"));
        ApplyProductToLine(line, product, 0);
        line.setValue("item_qty", 3);
        RecalcLine(line, line.asBoolean("item_vat"));
        QCOMPARE(lineFigures(line), QString("3|250.00|0.00|0.00|250.00|750.00|0.00|750.00"));
        line.post();
        StoreInvoiceTotals(invoice);
        QCOMPARE(sqlNumber("SELECT COUNT(*) FROM tinvoice_master"), 1.0);
        QCOMPARE(storedTotals("INV-0000001"), QString("2750.00|200.00|2550.00|30.00|0.00|2580.00"));
        QCOMPARE(sqlNumber("SELECT total_invoice FROM tinvoice_master"),
                 sqlNumber("SELECT SUM(item_total) + SUM(item_shipping) FROM tinvoice_detail"));
        QCOMPARE(line.recordCount(), 2);

        // A second new invoice becomes a row of its own, with its own number.
        invoice.insert();
        QCOMPARE(invoice.asString("invoice_id"), QString("INV-0000002"));
        StoreInvoiceTotals(invoice);
        QCOMPARE(sqlNumber("SELECT COUNT(*) FROM tinvoice_master"), 2.0);
        QCOMPARE(storedTotals("INV-0000002"), QString("0.00|0.00|0.00|0.00|0.00|0.00"));
        QCOMPARE(storedTotals("INV-0000001"), QString("2750.00|200.00|2550.00|30.00|0.00|2580.00"));
    }

    void theRulesChangeNothingOnALineThatIsNotBeingEdited()
    {
        m_db->exec(
            {"INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-0000001')",
             "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty, item_price, item_discountperunit, "
             "item_discountpercent, item_netprice, item_extended, item_vat, item_vatamt, item_total) "
             "VALUES ('INV-0000001', 'PRD-0000001', 2, 1000, 0, 0, 1, 1, 1, 1, 1)",
             "INSERT INTO tproduct VALUES ('PRD-0000009', 'Other', NULL, 1, 5, 'PCS', 1)"});
        openModule();
        db::DataSet& line = *m_module->ADOTbInvoiceDetail;
        QCOMPARE(line.recordCount(), 1);
        const QString before = lineFigures(line);
        QCOMPARE(before, QString("2|1000.00|0.00|0.00|1.00|1.00|1.00|1.00")); // stale values on purpose

        QString emptied;
        const QList<std::pair<const char*, std::function<void()>>> rules{
            {"RecalcLine", [&] { RecalcLine(line, true); }},
            {"ApplyDiscountPercent", [&] { ApplyDiscountPercent(line, emptied, true); }},
            {"ApplyDiscountPerUnit", [&] { ApplyDiscountPerUnit(line, emptied, true); }},
            {"ApplyProductToLine", [&] { ApplyProductToLine(line, *m_module->ADOTbProduct, 5); }},
        };
        for (const auto& [name, rule] : rules) {
            rule();
            QVERIFY2(line.state() == db::DataSetState::Browse, name);
            QVERIFY2(lineFigures(line) == before, name);
            QVERIFY2(line.asString("item_id") == "PRD-0000001", name);
        }
        QCOMPARE(emptied, QString()); // an emptied field is set to "0" only while editing
        QCOMPARE(sqlNumber("SELECT item_total FROM tinvoice_detail"), 1.0);
    }

    void aDiscountThatIsNoNumberIsRefusedAndTheLineKeepsItsValues_data()
    {
        QTest::addColumn<bool>("percentField");
        QTest::addColumn<QString>("text");
        QTest::newRow("percent: letters") << true << "abc";
        QTest::newRow("percent: with a sign") << true << "10%";
        QTest::newRow("per unit: comma decimal") << false << "12,5";
        QTest::newRow("per unit: two points") << false << "1.2.3";
    }
    void aDiscountThatIsNoNumberIsRefusedAndTheLineKeepsItsValues()
    {
        QFETCH(bool, percentField);
        QFETCH(QString, text);
        m_db->exec({"INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-0000001')",
                    "INSERT INTO tproduct VALUES ('PRD-0000001', 'Water pump', NULL, 800, 1000, 'PCS', 1)"});
        openModule();
        db::DataSet& line = *m_module->ADOTbInvoiceDetail;
        line.insert();
        ApplyProductToLine(line, *m_module->ADOTbProduct, 5);
        line.setValue("item_qty", 2);
        RecalcLine(line, true);
        const QString before = lineFigures(line);

        QString fieldText = text;
        if (percentField)
            QVERIFY_THROWS_EXCEPTION(db::ConversionError, ApplyDiscountPercent(line, fieldText, true));
        else
            QVERIFY_THROWS_EXCEPTION(db::ConversionError, ApplyDiscountPerUnit(line, fieldText, true));
        QCOMPARE(fieldText, text);
        QCOMPARE(line.state(), db::DataSetState::Insert);
        QCOMPARE(lineFigures(line), before);
        line.post();
        QCOMPARE(sqlNumber("SELECT item_total FROM tinvoice_detail"), 2033.0);
    }

    void anInvoiceWithoutLineSumsGetsSixZeroTotals_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("no lines") << QString();
        // A totals query that fails delivers nothing; what it did not deliver is 0.
        QTest::newRow("totals query missing")
            << "DELETE FROM tstored_query WHERE query_name = 'gettotalinvoice'";
    }
    void anInvoiceWithoutLineSumsGetsSixZeroTotals()
    {
        QFETCH(QString, fixture);
        QStringList statements{
            "INSERT INTO tinvoice_master (invoice_id, total_before_discount, total_discount, "
            "total_after_discount, total_shipping, total_tax, total_invoice) "
            "VALUES ('INV-0000001', 9, 9, 9, 9, 9, 9)"};
        if (!fixture.isEmpty())
            statements << fixture;
        m_db->exec(statements);
        openModule();
        StoreInvoiceTotals(*m_module->ADOTbInvoice);
        QCOMPARE(storedTotals("INV-0000001"), QString("0.00|0.00|0.00|0.00|0.00|0.00"));
        QCOMPARE(m_module->ADOTbInvoice->state(), db::DataSetState::Browse);
        QVERIFY(m_messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLineRules)
#include "tst_line_rules.moc"
