// brimvale-db demo, run as a user runs it: the file it fills must hold invoices
// whose lines and totals agree with each other, and a file that already holds
// invoices must be refused and left as it was.

#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(BRIMVALE_DB_PROGRAM), args);
    Run run;
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Read-only SQL on a database file; every query answers with one row of values.
class Sql
{
public:
    explicit Sql(const QString& path) : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
    }
    ~Sql() { QSqlDatabase::removeDatabase(m_name); }

    QVariant value(const QString& statement) const
    {
        const QVariantList row = this->row(statement);
        return row.isEmpty() ? QVariant() : row.first();
    }
    QVariantList row(const QString& statement) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        if (!q.exec(statement)) {
            qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
            return {};
        }
        QVariantList values;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i);
        return values;
    }
    QStringList rows(const QString& statement) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        QStringList out;
        if (!q.exec(statement))
            return out;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            out << cells.join(u'|');
        }
        return out;
    }

private:
    QString m_name;
};

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void theDemoFileHoldsConsistentInvoices_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("invoices");
        QTest::addColumn<int>("linesEach"); // 0: 1 to 8
        QTest::newRow("20 invoices") << QStringList{"--invoices", "20"} << 20 << 0;
        QTest::newRow("fixed lines") << QStringList{"--invoices", "3", "--lines-per-invoice", "10"} << 3
                                     << 10;
    }
    void theDemoFileHoldsConsistentInvoices()
    {
        QFETCH(QStringList, options);
        QFETCH(int, invoices);
        QFETCH(int, linesEach);
        const QString path = m_dir.filePath(QString("%1/demo.mdb").arg(QTest::currentDataTag()));
        const Run run = runTool(QStringList{"demo"} + options + QStringList{path});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.isEmpty());

        const Sql sql(path);
        QCOMPARE(sql.value("SELECT COUNT(*) FROM tinvoice_master").toInt(), invoices);
        QCOMPARE(sql.row("SELECT MIN(invoice_id), MAX(invoice_id) FROM tinvoice_master"),
                 (QVariantList{"INV-0000001", QString("INV-%1").arg(invoices, 7, 10, QChar('0'))}));
        QCOMPARE(sql.row("SELECT COUNT(*), vat_rate, format_price, invoice_prefix FROM tconfig"),
                 (QVariantList{1, 7.0, "#,##0.00", "INV-"}));
        QVERIFY(sql.value("SELECT COUNT(*) FROM tcustomer").toInt() >= 24);
        QVERIFY(sql.value("SELECT COUNT(*) FROM tproduct").toInt() >= 24);

        const QVariantList lineCounts =
            sql.row("SELECT MIN(n), MAX(n), SUM(n) FROM (SELECT COUNT(d.invoice_id) AS n "
                    "FROM tinvoice_master m LEFT JOIN tinvoice_detail d "
                    "ON d.invoice_id = m.invoice_id GROUP BY m.invoice_id)");
        if (linesEach > 0) {
            QCOMPARE(lineCounts, (QVariantList{linesEach, linesEach, linesEach * invoices}));
        } else {
            QVERIFY(lineCounts.value(0).toInt() >= 1);
            QVERIFY(lineCounts.value(1).toInt() <= 8);
        }
        QCOMPARE(sql.value("SELECT COUNT(*) FROM tinvoice_detail").toInt(), lineCounts.value(2).toInt());

        // Every invoice belongs to a stored customer and carries a payment term of the file.
        QCOMPARE(sql.value("SELECT COUNT(*) FROM tinvoice_master m WHERE NOT EXISTS "
                           "(SELECT 1 FROM tcustomer c WHERE c.customer_id = m.customer_id) OR NOT EXISTS "
                           "(SELECT 1 FROM tpayment p WHERE p.payment_name = m.method_payment)")
                     .toInt(),
                 0);
        // Each line's values agree as the line rules compute them.
        QCOMPARE(sql.value("SELECT COUNT(*) FROM tinvoice_detail WHERE item_total IS NULL "
                           "OR item_total <> item_extended + item_vatamt")
                     .toInt(),
                 0);
        QCOMPARE(
            sql.value("SELECT COUNT(*) FROM tinvoice_detail WHERE "
                      "ABS(item_netprice - (item_price - item_discountperunit)) > 1e-9 "
                      "OR ABS(item_extended - item_netprice * item_qty) > 1e-6 "
                      "OR ABS(item_vatamt - CASE WHEN item_vat THEN 0.07 * item_extended ELSE 0 END) > 1e-6")
                .toInt(),
            0);
        // Each invoice's total is its lines' amounts plus their shipping.
        QCOMPARE(sql.value("SELECT COUNT(*) FROM tinvoice_master m WHERE m.total_invoice IS NULL OR "
                           "ABS(m.total_invoice - "
                           "(SELECT SUM(item_total) + SUM(item_shipping) FROM tinvoice_detail d "
                           "WHERE d.invoice_id = m.invoice_id)) > 1e-6")
                     .toInt(),
                 0);
        QCOMPARE(
            sql.value("SELECT COUNT(*) FROM tinvoice_master m WHERE ABS(m.total_after_discount - "
                      "(SELECT SUM(item_extended) FROM tinvoice_detail d WHERE d.invoice_id = m.invoice_id)) "
                      "> 1e-6")
                .toInt(),
            0);
    }

    void theSameOptionsGiveTheSameData()
    {
        const QString first = m_dir.filePath("same/a.mdb");
        const QString second = m_dir.filePath("same/b.mdb");
        QCOMPARE(runTool({"demo", "--invoices", "15", first}).exitCode, 0);
        QCOMPARE(runTool({"demo", "--invoices", "15", second}).exitCode, 0);
        const QString lines = "SELECT * FROM tinvoice_detail ORDER BY invoice_id, item_id";
        const QString invoices = "SELECT * FROM tinvoice_master ORDER BY invoice_id";
        const Sql a(first);
        const Sql b(second);
        QCOMPARE(a.rows(lines), b.rows(lines));
        QCOMPARE(a.rows(invoices), b.rows(invoices));
        // Some lines use the discount rules and some invoices carry shipping.
        QVERIFY(a.value("SELECT COUNT(*) FROM tinvoice_detail WHERE item_discountpercent > 0").toInt() > 0);
        QVERIFY(a.value("SELECT COUNT(*) FROM tinvoice_master WHERE total_shipping > 0").toInt() > 0);
    }

    void aFileWithInvoicesIsRefusedAndLeftAsItWas()
    {
        const QString filled = m_dir.filePath("refuse/filled.mdb");
        QCOMPARE(runTool({"demo", "--invoices", "2", filled}).exitCode, 0);

        testing::TempDatabase oneInvoice;
        oneInvoice.exec({"INSERT INTO tinvoice_master (invoice_id) VALUES ('INV-0000001')"});

        for (const QString& path : {filled, oneInvoice.path()}) {
            const QByteArray before = fileHash(path);
            const Run run = runTool({"demo", "--invoices", "5", path});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains("already holds invoices"), qPrintable(run.err));
            QCOMPARE(fileHash(path), before);
        }
    }

    void aSettingsRowAlreadyThereIsKept()
    {
        testing::TempDatabase file;
        file.exec(
            {"INSERT INTO tconfig (company_name, vat_rate, invoice_prefix, startinvoice_no, customer_prefix, "
             "startcustomer_no, product_prefix, startproduct_no) "
             "VALUES ('Own Company', 7, 'IV', '001', 'C', '001', 'P', '001')"});
        const Run run = runTool({"demo", "--invoices", "2", file.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const Sql sql(file.path());
        QCOMPARE(sql.row("SELECT COUNT(*), company_name FROM tconfig"), (QVariantList{1, "Own Company"}));
        QCOMPARE(sql.rows("SELECT invoice_id FROM tinvoice_master ORDER BY invoice_id"),
                 (QStringList{"IV001", "IV002"}));
        QCOMPARE(sql.value("SELECT MIN(customer_id) FROM tcustomer").toString(), QString("C001"));
    }

    void badOptionsAreRefusedWithoutMakingAFile_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("no number") << QStringList{"--invoices", "many"};
        QTest::newRow("negative") << QStringList{"--invoices", "-1"};
        QTest::newRow("no lines") << QStringList{"--lines-per-invoice", "0"};
        QTest::newRow("more lines than products") << QStringList{"--lines-per-invoice", "999"};
        QTest::newRow("unknown option") << QStringList{"--colour", "red"};
    }
    void badOptionsAreRefusedWithoutMakingAFile()
    {
        QFETCH(QStringList, options);
        const QString path = m_dir.filePath(QString("bad/%1.mdb").arg(QTest::currentDataTag()));
        const Run run = runTool(QStringList{"demo"} + options + QStringList{path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
