// The dataset layer against a real database file made from the schema.

#include "platform/db/connection.h"
#include "platform/db/dataset.h"
#include "platform/db/errors.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using namespace db;

class TestDataSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::TempDatabase> m_db;
    std::unique_ptr<Connection> m_conn;

    std::unique_ptr<TableDataSet> table(const QString& name)
    {
        auto t = std::make_unique<TableDataSet>(m_conn.get(), name);
        t->setObjectName(name);
        return t;
    }

private slots:
    void init()
    {
        m_db = std::make_unique<testing::TempDatabase>();
        m_db->exec({
            "INSERT INTO tcustomer (customer_id, customer_name, customer_discount) VALUES ('CUS-0000002', "
            "'Beta', 5)",
            "INSERT INTO tcustomer (customer_id, customer_name) VALUES ('CUS-0000001', 'Alpha')",
            "INSERT INTO tcustomer (customer_id, customer_name) VALUES ('', 'Nobody')",
            "INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-1')",
            "INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-2')",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty) VALUES ('INV-1', 'P1', 1)",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty) VALUES ('INV-1', 'P2', 2)",
            "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty) VALUES ('INV-2', 'P1', 3)",
        });
        m_conn = std::make_unique<Connection>();
        m_conn->setConnectionString("Provider=x;Data Source=" + m_db->path() + ";Mode=Share Deny None");
        m_conn->open();
    }
    void cleanup()
    {
        m_conn.reset();
        m_db.reset();
    }

    void readsRowsInTableOrderWithEmptyValuesAsZero()
    {
        auto t = table("tcustomer");
        t->open();
        QCOMPARE(t->recordCount(), 3);
        QCOMPARE(t->currentRow(), 0);
        QCOMPARE(t->asString("customer_id"), QString("CUS-0000002"));
        QCOMPARE(t->asInteger("customer_discount"), 5);
        t->next();
        QVERIFY(t->isNull("customer_discount"));
        QCOMPARE(t->asInteger("customer_discount"), 0);
        QCOMPARE(t->asDouble("customer_discount"), 0.0);
        QCOMPARE(t->asString("customer_phone"), QString());
        QCOMPARE(t->field("customer_discount").type, FieldType::Integer);
    }

    void insertPostsANewRowAndMakesItCurrent()
    {
        auto t = table("tcustomer");
        t->afterInsertHandler = [&] { t->setValue("customer_id", "CUS-9"); };
        t->open();
        t->insert();
        QCOMPARE(t->state(), DataSetState::Insert);
        QCOMPARE(t->asString("customer_id"), QString("CUS-9"));
        t->setText("customer_discount", "12");
        t->post();
        QCOMPARE(t->state(), DataSetState::Browse);
        QCOMPARE(t->recordCount(), 4);
        QCOMPARE(t->currentRow(), 3);
        QCOMPARE(t->asInteger("customer_discount"), 12);
        auto again = table("tcustomer");
        again->open();
        QVERIFY(again->locate("customer_id", "CUS-9"));
        QCOMPARE(again->asInteger("customer_discount"), 12);
    }

    void aFailingAfterInsertHandlerLeavesNoHalfMadeRow()
    {
        auto t = table("tcustomer");
        t->afterInsertHandler = [] { throw DbError("no number"); };
        t->open();
        t->setCurrentRow(1);
        QVERIFY_THROWS_EXCEPTION(DbError, t->insert());
        QCOMPARE(t->state(), DataSetState::Browse);
        QCOMPARE(t->currentRow(), 1);
        QCOMPARE(t->recordCount(), 3);
    }

    void editOnAnEmptyTableStartsAnInsert()
    {
        auto t = table("tproduct");
        t->open();
        QVERIFY(t->isEmpty());
        t->edit();
        QCOMPARE(t->state(), DataSetState::Insert);
    }

    void deleteOnAnEmptyDatasetIsRefused()
    {
        auto t = table("tproduct");
        t->open();
        try {
            t->deleteRecord();
            QFAIL("no error");
        } catch (const DbError& e) {
            QCOMPARE(e.text(), QString("Cannot perform this operation on an empty dataset"));
        }
    }

    void aRowWhoseKeyIsEditedIsStillFoundOnPost()
    {
        auto t = table("tcustomer");
        t->open();
        t->edit();
        t->setValue("customer_id", "CUS-0000099");
        t->setValue("customer_name", "Renamed");
        t->post();
        QSqlQuery q(m_conn->database());
        q.exec("SELECT customer_id, customer_name FROM tcustomer ORDER BY rowid LIMIT 1");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("CUS-0000099"));
        QCOMPARE(q.value(1).toString(), QString("Renamed"));
        q.exec("SELECT COUNT(*) FROM tcustomer");
        q.next();
        QCOMPARE(q.value(0).toInt(), 3);
    }

    void cancelDropsTheEdits()
    {
        auto t = table("tcustomer");
        t->open();
        t->edit();
        t->setValue("customer_name", "Changed");
        t->cancel();
        QCOMPARE(t->asString("customer_name"), QString("Beta"));
        t->refresh();
        QCOMPARE(t->asString("customer_name"), QString("Beta"));
    }

    void movingPostsAPendingEdit()
    {
        auto t = table("tcustomer");
        t->open();
        t->edit();
        t->setValue("customer_name", "Moved");
        t->next();
        QCOMPARE(t->state(), DataSetState::Browse);
        t->first();
        QCOMPARE(t->asString("customer_name"), QString("Moved"));
    }

    void aFailedPostKeepsTheRowBeingEdited()
    {
        auto t = table("tcustomer");
        t->open();
        t->insert();
        t->setValue("customer_id", "CUS-0000001"); // already taken: the key index refuses it
        t->setValue("customer_name", "Duplicate");
        QVERIFY_THROWS_EXCEPTION(DbError, t->post());
        QCOMPARE(t->state(), DataSetState::Insert);
        QCOMPARE(t->asString("customer_name"), QString("Duplicate"));
        QCOMPARE(t->recordCount(), 3);
    }

    void textThatIsNotANumberIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters for an integer") << "item_qty"
                                                << "abc"
                                                << "'abc' is not a valid integer value";
        QTest::newRow("fraction for an integer") << "item_qty"
                                                 << "2.5"
                                                 << "'2.5' is not a valid integer value";
        QTest::newRow("letters for a double") << "item_price"
                                              << "12,5x"
                                              << "'12,5x' is not a valid floating point value";
    }
    void textThatIsNotANumberIsRefusedAndChangesNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        auto t = table("tinvoice_detail");
        t->open();
        t->edit();
        const QVariant before = t->value(field);
        try {
            t->setText(field, text);
            QFAIL("no error");
        } catch (const ConversionError& e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(t->value(field), before);
        QVERIFY(!t->isModified());
    }

    void setValueOutsideEditingIsRefused()
    {
        auto t = table("tcustomer");
        t->open();
        QVERIFY_THROWS_EXCEPTION(DbError, t->setValue("customer_name", "x"));
    }

    void locateFollowsTheRecordFindingRule_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("row");
        QTest::newRow("prefix takes the first match")
            << QStringList{"customer_id"} << QStringList{"CUS-"} << true << 0;
        QTest::newRow("whole key") << QStringList{"customer_id"} << QStringList{"CUS-0000001"} << true << 1;
        QTest::newRow("empty text matches only an empty key")
            << QStringList{"customer_id"} << QStringList{""} << true << 2;
        QTest::newRow("no match stays put") << QStringList{"customer_id"} << QStringList{"X"} << false << 1;
        QTest::newRow("case matters") << QStringList{"customer_id"} << QStringList{"cus-"} << false << 1;
        QTest::newRow("several key columns")
            << QStringList{"customer_id", "customer_name"} << QStringList{"CUS", "Al"} << true << 1;
    }
    void locateFollowsTheRecordFindingRule()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, texts);
        QFETCH(bool, found);
        QFETCH(int, row);
        auto t = table("tcustomer");
        t->open();
        t->setCurrentRow(1);
        QCOMPARE(t->locate(fields, texts), found);
        QCOMPARE(t->currentRow(), row);
    }

    void detailFollowsItsMasterAndFillsTheLink()
    {
        auto master = table("tinvoice_master");
        auto detail = table("tinvoice_detail");
        detail->setMasterLink(master.get(), "invoice_id", "invoice_id");
        master->open();
        detail->open();
        QCOMPARE(detail->recordCount(), 2);
        master->next();
        QCOMPARE(detail->recordCount(), 1);
        QCOMPARE(detail->asInteger("item_qty"), 3);
        detail->insert();
        QCOMPARE(detail->asString("invoice_id"), QString("INV-2"));
        detail->setValue("item_id", "P9");
        detail->post();
        QCOMPARE(detail->recordCount(), 2);
        master->insert(); // a new invoice has no lines yet
        master->setValue("invoice_id", "INV-3");
        QCOMPARE(detail->recordCount(), 0);
        master->cancel();
        QCOMPARE(detail->recordCount(), 2);
        master->close();
        QCOMPARE(detail->recordCount(), 0);
    }

    void locateComparesTypedValuesInTheirTextForm_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        // Each key text is the dataset's own text of the value (asString).
        QTest::newRow("boolean") << "item_vat"
                                 << "True" << 1;
        QTest::newRow("small double") << "item_price"
                                      << "0.00001" << 1;
        QTest::newRow("large double") << "item_price"
                                      << "100000000000000000000" << 2;
    }
    void locateComparesTypedValuesInTheirTextForm()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, row);
        m_db->exec({"UPDATE tinvoice_detail SET item_vat = 1, item_price = 0.00001 WHERE item_id = 'P2'",
                    "UPDATE tinvoice_detail SET item_vat = 0, item_price = 1e20, item_name = 'x' "
                    "WHERE invoice_id = 'INV-2'"});
        auto t = table("tinvoice_detail");
        t->open();
        t->setCurrentRow(row);
        QCOMPARE(t->asString(field), text);
        t->first();
        QVERIFY(t->locate(field, text));
        QCOMPARE(t->currentRow(), row);
    }

    void aDetailLineThatCannotBeStoredKeepsTheMasterWhereItIs()
    {
        auto master = table("tinvoice_master");
        auto detail = table("tinvoice_detail");
        detail->setMasterLink(master.get(), "invoice_id", "invoice_id");
        master->open();
        detail->open();
        detail->next();
        detail->edit();
        detail->setValue("item_id", "P1"); // INV-1 already has P1: the key index refuses it
        QVERIFY_THROWS_EXCEPTION(DbError, master->next());
        // The master did not move, so the detail still holds the master's lines.
        QCOMPARE(master->asString("invoice_id"), QString("INV-1"));
        QCOMPARE(detail->state(), DataSetState::Edit);
        QCOMPARE(detail->recordCount(), 2);
        QVERIFY_THROWS_EXCEPTION(DbError, master->insert());
        QCOMPARE(master->state(), DataSetState::Browse);
        QCOMPARE(master->asString("invoice_id"), QString("INV-1"));
        detail->cancel();
        master->next();
        QCOMPARE(detail->recordCount(), 1);
    }

    void aDetailWhoseLinesCannotBeReadShowsNoOtherInvoicesLines()
    {
        // Text in a REAL column, as another tool may leave it.
        m_db->exec({"UPDATE tinvoice_detail SET item_price = 'abc' WHERE invoice_id = 'INV-2'"});
        auto master = table("tinvoice_master");
        auto detail = table("tinvoice_detail");
        detail->setMasterLink(master.get(), "invoice_id", "invoice_id");
        master->open();
        detail->open();
        QCOMPARE(detail->recordCount(), 2);
        QVERIFY_THROWS_EXCEPTION(ConversionError, master->next());
        QCOMPARE(master->asString("invoice_id"), QString("INV-2"));
        QCOMPARE(detail->recordCount(), 0);
        QCOMPARE(detail->currentRow(), -1);
        master->first();
        QCOMPARE(detail->recordCount(), 2);
    }

    void integersOutsideTheirRangeAreRefused()
    {
        m_db->exec({"UPDATE tinvoice_detail SET item_qty = 3000000000 WHERE invoice_id = 'INV-2'"});
        auto t = table("tinvoice_detail");
        QVERIFY_THROWS_EXCEPTION(ConversionError, t->open());
        m_db->exec({"UPDATE tinvoice_detail SET item_qty = 3 WHERE invoice_id = 'INV-2'"});
        t->open();
        t->edit();
        QVERIFY_THROWS_EXCEPTION(ConversionError, t->setValue("item_qty", qint64(3000000000)));
        QVERIFY_THROWS_EXCEPTION(ConversionError, t->setValue("item_qty", 1e20));
        QCOMPARE(t->asInteger("item_qty"), 1);
        t->setValue("item_qty", qint64(-7));
        QCOMPARE(t->asInteger("item_qty"), -7);
    }

    void detailOfAMasterWithoutRowsIsEmpty()
    {
        auto master = table("tproduct");
        auto detail = table("tinvoice_detail");
        detail->setMasterLink(master.get(), "product_id", "item_id");
        master->open();
        detail->open();
        QCOMPARE(detail->recordCount(), 0);
    }

    void displayFormatsTakeEffectWhenADatasetOpens()
    {
        auto t = table("tinvoice_detail");
        QString mask = "#,#00.00";
        t->beforeOpenHandler = [&] { t->setDisplayFormat("item_qty", mask); };
        t->open();
        QCOMPARE(t->displayText("item_qty"), QString("01.00"));
        mask = "#0";
        QCOMPARE(t->displayText("item_qty"), QString("01.00")); // an open dataset keeps its formats
        t->close();
        t->open();
        QCOMPARE(t->displayText("item_qty"), QString("1"));
    }

    void viewsAreReadOnly()
    {
        auto t = table("loadconfig");
        t->open();
        QVERIFY(!t->canModify());
        QVERIFY_THROWS_EXCEPTION(DbError, t->insert());
    }

    void storedQueriesTakeParametersByPosition()
    {
        StoredProcDataSet p(m_conn.get(), "gethaveitemalready");
        p.setParameters({"INV-1", "P2"});
        p.open();
        QCOMPARE(p.asInteger("countitem"), 1);
        p.close();
        p.setParameters({"INV-1", "P3"});
        p.open();
        QCOMPARE(p.asInteger("countitem"), 0);
        StoredProcDataSet missing(m_conn.get(), "nosuchquery");
        QVERIFY_THROWS_EXCEPTION(DbError, missing.open());
    }

    void aTransactionRollsBackWhenItsBlockThrows()
    {
        auto count = [&] {
            QSqlQuery q(m_conn->database());
            q.exec("SELECT COUNT(*) FROM tinvoice_detail");
            q.next();
            return q.value(0).toInt();
        };
        try {
            Transaction outer(*m_conn);
            m_conn->exec("DELETE FROM tinvoice_detail WHERE invoice_id = 'INV-1'");
            {
                Transaction inner(*m_conn);
                m_conn->exec("DELETE FROM tinvoice_detail");
            }
            QCOMPARE(m_conn->transactionDepth(), 1);
            throw DbError("boom");
        } catch (const DbError&) {
        }
        QCOMPARE(m_conn->transactionDepth(), 0);
        QCOMPARE(count(), 3);
        {
            Transaction t(*m_conn);
            m_conn->exec("DELETE FROM tinvoice_detail WHERE invoice_id = 'INV-2'");
        }
        QCOMPARE(count(), 2);
    }

    void theConnectionRefusesFilesThatAreNotOurs_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("random bytes") << QByteArray(4096, '\x5a');
        QTest::newRow("an Access file")
            << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 19) + QByteArray(2000, 0);
        QTest::newRow("another program's SQLite file") << QByteArray("other");
    }
    void theConnectionRefusesFilesThatAreNotOurs()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("dbinvoice.mdb");
        if (content == "other") {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(path);
            other.open();
            QSqlQuery(other).exec("CREATE TABLE tconfig (x)");
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase("other");
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        auto digest = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
        };
        const QByteArray before = digest();
        Connection c;
        c.setExpectedApplicationId(1112690006);
        c.setSupportedSchemaVersion(1);
        c.setConnectionString("Data Source=" + path);
        QVERIFY_THROWS_EXCEPTION(DbError, c.open());
        QVERIFY(!c.isOpen());
        QCOMPARE(digest(), before);
    }

    void theConnectionNeverCreatesAFile()
    {
        QTemporaryDir dir;
        Connection c;
        c.setConnectionString("Data Source=" + dir.filePath("missing.mdb"));
        QVERIFY_THROWS_EXCEPTION(DbError, c.open());
        QVERIFY(!QFile::exists(dir.filePath("missing.mdb")));
    }

    void viewsHearOfRowChanges()
    {
        auto t = table("tcustomer");
        QSignalSpy reset(t.get(), &DataSet::rowsReset);
        QSignalSpy inserted(t.get(), &DataSet::rowInserted);
        QSignalSpy removed(t.get(), &DataSet::rowRemoved);
        QSignalSpy changed(t.get(), &DataSet::rowChanged);
        t->open();
        QCOMPARE(reset.count(), 1);
        t->edit();
        t->setValue("customer_name", "x");
        t->post();
        QCOMPARE(changed.count(), 1);
        t->insert();
        t->setValue("customer_id", "N");
        t->post();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).toInt(), 3);
        t->deleteRecord();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(t->recordCount(), 3);
    }
};

QTEST_MAIN(TestDataSet)
#include "tst_dataset.moc"
