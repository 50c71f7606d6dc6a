// Start-up: the connection string, the database file beside the program, the
// settings, and the main window's first showing.

#include "app/database_location.h"
#include "app/main_window.h"
#include "data/app_settings.h"
#include "data/data_module.h"
#include "test_support.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::ScriptedMessages> m_messages;
    std::unique_ptr<TDtmd> m_module;

    std::unique_ptr<TFMain> start(const QString& programFolder)
    {
        SetProgramFolderForTesting(programFolder);
        m_module = std::make_unique<TDtmd>();
        Dtmd = m_module.get();
        AppSettings = TAppSettings();
        return std::make_unique<TFMain>();
    }

    static QByteArray digest(const QString& path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

private slots:
    void init() { m_messages = std::make_unique<testing::ScriptedMessages>(); }
    void cleanup()
    {
        m_module.reset();
        m_messages.reset();
    }

    void theConnectionStringKeepsItsOriginalShape()
    {
        QCOMPARE(
            BuildConnectionString("/opt/brimvale/database/dbinvoice.mdb"),
            QString(
                "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=/opt/brimvale/database/"
                "dbinvoice.mdb;Mode=Share Deny None;Extended Properties=\"\";Jet OLEDB:System database=\"\";"
                "Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;"
                "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
                "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";"
                "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
                "Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;"
                "Jet OLEDB:SFP=False"));
        QCOMPARE(DatabasePath("/opt/brimvale"), QString("/opt/brimvale/database/dbinvoice.mdb"));
        QCOMPARE(DatabasePath("/opt/brimvale/"), QString("/opt/brimvale/database/dbinvoice.mdb"));
    }

    void aMissingDatabaseEndsTheProgramWithOneWarning()
    {
        QTemporaryDir dir;
        auto window = start(dir.path());
        const QString path = dir.path() + "/database/dbinvoice.mdb";
        QCOMPARE(m_messages->texts(),
                 QStringList{QString("Cannot load database '%1', Please restore program.").arg(path)});
        QCOMPARE(m_messages->shown.first().kind, QString("warning"));
        QVERIFY(!window->startupSucceeded());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(AppSettings.invoice_prefix, QString()); // not even the defaults are loaded
    }

    void aFileThatIsNotOurDatabaseIsRefusedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("random bytes") << QByteArray::fromHex("deadbeef").repeated(1000);
        QTest::newRow("an Access file")
            << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 19) + QByteArray(4000, 0);
        QTest::newRow("another program's SQLite file") << QByteArray("sqlite");
    }
    void aFileThatIsNotOurDatabaseIsRefusedAndLeftUntouched()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("database");
        const QString path = dir.path() + "/database/dbinvoice.mdb";
        if (content == "sqlite") {
            {
                QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
                other.setDatabaseName(path);
                QVERIFY(other.open());
                QSqlQuery(other).exec("CREATE TABLE tconfig (company_name TEXT)");
                other.close();
            }
            QSqlDatabase::removeDatabase("other");
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QByteArray before = digest(path);
        auto window = start(dir.path());
        QCOMPARE(m_messages->texts(),
                 QStringList{QString("Cannot load database '%1', Please restore program.").arg(path)});
        QVERIFY(!window->startupSucceeded());
        QVERIFY(!Dtmd->ADOConn->isOpen());
        window.reset();
        m_module.reset();
        QCOMPARE(digest(path), before);
    }

    void storedSettingsReplaceTheDefaults()
    {
        testing::TempDatabase db;
        db.exec({"INSERT INTO tconfig (company_name, vat_rate, invoice_prefix) VALUES ('Siam', 10, 'IV')"});
        auto window = start(db.folder());
        QVERIFY(window->startupSucceeded());
        QVERIFY(m_messages->shown.isEmpty());
        QCOMPARE(AppSettings.company_name, QString("Siam"));
        QCOMPARE(AppSettings.vat_rate, 10.0);
        QCOMPARE(AppSettings.invoice_prefix, QString("IV"));
        QCOMPARE(window->windowTitle(), QString("Brimvale"));
    }

    void aFirstRunShowsTheSettingsDialogBeforeTheMainWindow()
    {
        testing::TempDatabase db;
        QStringList modals;
        m_messages->onModal = [&](QDialog* dialog) {
            modals << dialog->metaObject()->className();
            return int(QDialog::Rejected);
        };
        auto window = start(db.folder());
        QVERIFY(window->startupSucceeded());
        QCOMPARE(modals, QStringList{"TFConfig"});
        QVERIFY(!window->isVisible());
        // Cancel keeps the built-in defaults.
        QCOMPARE(AppSettings.invoice_prefix, QString("INV-"));
        QCOMPARE(AppSettings.vat_rate, 7.0);
    }

    void theMainWindowIsMaximisedOnceAndOpensTheDatasets()
    {
        testing::TempDatabase db;
        db.exec({"INSERT INTO tconfig (company_name) VALUES ('Siam')"});
        auto window = start(db.folder());
        QCOMPARE(window->size(), QSize(902, 620));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->isMaximized());
        for (db::DataSet* set :
             {static_cast<db::DataSet*>(Dtmd->ADOTbInvoice),
              static_cast<db::DataSet*>(Dtmd->ADOTbInvoiceDetail),
              static_cast<db::DataSet*>(Dtmd->ADOTbCustomer), static_cast<db::DataSet*>(Dtmd->ADOTbProduct),
              static_cast<db::DataSet*>(Dtmd->ADOQrsum)})
            QVERIFY2(set->isOpen(), qPrintable(set->objectName()));
        window->showNormal();
        window->resize(700, 500);
        QTest::qWait(50);
        QVERIFY(!window->isMaximized());
    }

    void theMenusOpenTheListsAndTheSettingsModally()
    {
        testing::TempDatabase db;
        db.exec({"INSERT INTO tconfig (company_name) VALUES ('Siam')"});
        auto window = start(db.folder());
        window->show();
        QStringList modals;
        m_messages->onModal = [&](QDialog* dialog) {
            modals << QString("%1 \"%2\"").arg(dialog->metaObject()->className(), dialog->windowTitle());
            return int(QDialog::Rejected);
        };
        for (const char* item : {"N11", "N12", "N2"})
            window->findChild<QAction*>(item)->trigger();
        QCOMPARE(modals,
                 (QStringList{"TFCustomer \"Customer\"", "TFProduct \"Product\"", "TFConfig \"Settings\""}));
        QVERIFY(m_messages->texts("error").isEmpty());
    }

    void exitAsksFirstAndClosesOnlyOnYes()
    {
        testing::TempDatabase db;
        db.exec({"INSERT INTO tconfig (company_name) VALUES ('Siam')"});
        auto window = start(db.folder());
        window->show();
        m_messages->confirmAnswers = {false};
        window->N9Click();
        QVERIFY(window->isVisible());
        m_messages->confirmAnswers = {true};
        window->N9Click();
        QVERIFY(!window->isVisible());
        QCOMPARE(m_messages->texts("confirm"),
                 (QStringList{"Do you sure to exit program?", "Do you sure to exit program?"}));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
