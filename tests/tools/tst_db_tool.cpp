// brimvale-db check and backup, run as the user runs them.

#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

int runTool(const QStringList& args, QString* output = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(BRIMVALE_DB_PROGRAM), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode();
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestDbTool : public QObject
{
    Q_OBJECT

private slots:
    void checkTellsOursFromOthers_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a fresh database") << QByteArray() << 0;
        QTest::newRow("random bytes") << QByteArray(3000, 'x') << 1;
    }
    void checkTellsOursFromOthers()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, exitCode);
        testing::TempDatabase db;
        if (!content.isEmpty()) {
            QFile f(db.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        const QByteArray before = fileHash(db.path());
        QCOMPARE(runTool({"check", db.path()}), exitCode);
        QCOMPARE(fileHash(db.path()), before);
    }

    void backupMakesAnOpenableCopyAndNeverOverwrites()
    {
        testing::TempDatabase db;
        db.exec({"INSERT INTO tcustomer (customer_id, customer_name) VALUES ('CUS-0000001', 'สยาม')"});
        const QString copy = db.folder() + "/copy.mdb";
        QCOMPARE(runTool({"backup", db.path(), copy}), 0);
        QCOMPARE(runTool({"check", copy}), 0);
        {
            QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "copy");
            c.setDatabaseName(copy);
            QVERIFY(c.open());
            QSqlQuery q(c);
            QVERIFY(q.exec("SELECT customer_name FROM tcustomer") && q.next());
            QCOMPARE(q.value(0).toString(), QString("สยาม"));
        }
        QSqlDatabase::removeDatabase("copy");
        const QByteArray before = fileHash(copy);
        QString output;
        QCOMPARE(runTool({"backup", db.path(), copy}, &output), 1);
        QVERIFY2(output.contains("already exists"), qPrintable(output));
        QCOMPARE(fileHash(copy), before);
        QVERIFY(!QFile::exists(copy + ".partial"));
    }
};

QTEST_MAIN(TestDbTool)
#include "tst_db_tool.moc"
