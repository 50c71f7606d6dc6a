// The settings dialog on the real settings table: the first value typed creates
// the settings row, "Save Config" stores it, reloads the settings in force and
// reopens the invoice datasets; what the dialog has no editor for is kept.
#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/editors/db_combo_box.h"
#include "platform/editors/db_edit.h"
#include "settings/first_run_settings.h"
#include "settings/settings_dialog.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTest>

using testing::retype;
using testing::rowsOf;
using testing::typeText;

namespace {

void retype(QDialog* dialog, const char* editorName, const QString& text)
{
    auto* editor = dialog->findChild<QLineEdit*>(editorName);
    QVERIFY2(editor, editorName);
    editor->setFocus();
    editor->selectAll();
    typeText(editor, text);
}

void choose(QDialog* dialog, const char* listName, const QString& item)
{
    auto* list = dialog->findChild<editors::DBComboBox*>(listName);
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void click(QDialog* dialog, const char* buttonName)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(buttonName), Qt::LeftButton);
}

QString label(QDialog* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(name)->text();
}

// The columns the dialog has no editor for.
const QString kColumnsWithoutEditor =
    "ad_info, vat_name, font_name, font_size, font_bold, uses_tax_all, default_discount, invoice_header, "
    "invoice_template1, invoice_template2, email_sender, email_default, email_subject, email_port, "
    "email_host, "
    "email_authen, email_user, email_pasword";

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dialogHasItsTabsEditorsAndCaptions();
    void emptySettingsTableFirstValueCreatesRowAndSaveStoresIt();
    void saveWithoutChangeReloadsSettingsAndReopensInvoices();
    void openThenCancelKeepsOldLogo();
    void openFileThatIsNoPictureReportsLoaderError();
    void savedFormatReachesReopenedDatasetsButExampleWaitsForReopen();
    void columnsWithoutEditorsKeepTheirValuesThroughSaves();
    void failedWriteKeepsDialogOpenWithTheEdit();
    void listRowThatCannotBeStoredKeepsDialogOpen_data();
    void listRowThatCannotBeStoredKeepsDialogOpen();
    void openedTwiceThenDatasetsChangeSafely();
    void openLogoFromThaiNamedFolder();
    void firstRunCancelKeepsDefaults();
    void firstRunSaveLoadsTheRow();

private:
    void addSettingsRow();
    std::unique_ptr<testing::DataModuleFixture> m_fixture;
};

void TestSettingsDialog::init()
{
    m_fixture = std::make_unique<testing::DataModuleFixture>();
}

void TestSettingsDialog::cleanup()
{
    m_fixture.reset();
}

void TestSettingsDialog::addSettingsRow()
{
    m_fixture->db.exec(
        {QString("INSERT INTO tconfig (company_name, address1, tax_id, email, invoice_logo, format_price, "
                 "format_qty, format_date, invoice_prefix, customer_prefix, product_prefix, startinvoice_no, "
                 "startcustomer_no, startproduct_no, vat_rate, %1) VALUES ('บริษัท บริมเวล จำกัด', "
                 "'99/1 ถนนพระราม 9', '0105559876543', 'info@brimvale.example', '/nowhere/old-logo.png', "
                 "'#,##0.00', '#,##0', 'DD/MM/YYYY', 'IV', 'CU', 'PR', '0001', '00001', '000001', 7, "
                 "'Best prices', 'VAT', 'Garuda', 14, 1, 1, 2.5, 'Tax Invoice', 'a.tpl', 'b.tpl', "
                 "'sales@brimvale.example', 'x@y', 'Your invoice', '587', 'smtp.example', 1, 'user', "
                 "'secret')")
             .arg(kColumnsWithoutEditor)});
    QVERIFY(LoadSettings());
}

void TestSettingsDialog::dialogHasItsTabsEditorsAndCaptions()
{
    TFConfig dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(dialog.size(), QSize(579, 418));
    auto* tabs = dialog.findChild<QTabWidget*>("pgc_config");
    QCOMPARE(tabs->count(), 3);
    const QStringList names = {"tscompany", "tspreference", "tscustomize"};
    const QStringList titles = {"Company", "Configuration", "Shipping/Payment"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), names[i]);
        QCOMPARE(tabs->tabText(i), titles[i]);
    }
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tscompany"));

    QStringList captions;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        captions << l->text();
    for (const char* c : {"Company Name", "Address", "TAX ID", "E-mail", "Company Logo", "VAT (%)",
                          "Format Price", "Format Numeric", "Format Date", "Prefix Invoice",
                          "Beginning Invoice No.", "Prefix Product", "Beginning Product No.",
                          "Prefix Customer", "Beginning Customer No.", "Shipping Method", "Payment Term"})
        QVERIFY2(captions.contains(c), c);

    const QStringList numberMasks = {"#,##0.00", "#,###.##", "#,##0", "#0"};
    const QStringList dateMasks = {"MM/DD/YYYY", "DD/MM/YYYY", "MM/DD/YY", "DD/MM/YY"};
    auto itemsOf = [&](const char* name) {
        auto* list = dialog.findChild<QComboBox*>(name);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    };
    QCOMPARE(itemsOf("dbeddefault_formatprice"), numberMasks);
    QCOMPARE(itemsOf("dbeddefault_formatnumber"), numberMasks);
    QCOMPARE(itemsOf("dbeddefault_formatdate"), dateMasks);
    QCOMPARE(dialog.findChild<QPlainTextEdit*>("dbmmcompany_address")->size(), QSize(248, 63));
    QCOMPARE(dialog.findChild<QWidget*>("pn_logo")->size(), QSize(120, 105));
    QCOMPARE(dialog.findChild<QPushButton*>("RzBitBtn6")->text(), QStringLiteral("Open"));
    QCOMPARE(dialog.findChild<QPushButton*>("btn_save")->text(), QStringLiteral("Save Config"));
    QCOMPARE(dialog.findChild<QPushButton*>("btn_cancel")->text(), QStringLiteral("Cancel"));
    // The lists' grids go into these, each with its navigator bar.
    QCOMPARE(dialog.shippingGridContainer()->objectName(), QStringLiteral("cxGrid1"));
    QCOMPARE(dialog.paymentGridContainer()->objectName(), QStringLiteral("cxGrid2"));
    QVERIFY(dialog.shippingGridContainer()->layout());
    QVERIFY(dialog.paymentGridContainer()->layout());
}

void TestSettingsDialog::emptySettingsTableFirstValueCreatesRowAndSaveStoresIt()
{
    TFConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (auto* editor : dialog.findChildren<editors::DBEdit*>())
        QVERIFY2(editor->text().isEmpty(), qPrintable(editor->objectName()));
    for (auto* list : dialog.findChildren<editors::DBComboBox*>())
        QCOMPARE(list->currentIndex(), -1);
    // Examples in the formats in force: the built-in defaults.
    QCOMPARE(label(&dialog, "lbpriceformat"), QStringLiteral("Ex:1,000.00"));
    QCOMPARE(label(&dialog, "lbnumformat"), QStringLiteral("Ex:1,000"));
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Browse);

    retype(&dialog, "dbedcompany_name", QStringLiteral("บริษัท บริมเวล จำกัด"));
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Insert);
    retype(&dialog, "dbeddefault_tax", "7");
    choose(&dialog, "dbeddefault_formatprice", "#,##0.00");
    retype(&dialog, "dbedinvoice_prefix", "IV-");
    click(&dialog, "btn_save");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rowsOf("SELECT company_name, vat_rate, format_price, invoice_prefix FROM tconfig"),
             QStringList{"บริษัท บริมเวล จำกัด|7|#,##0.00|IV-"});
    QCOMPARE(AppSettings.company_name, QStringLiteral("บริษัท บริมเวล จำกัด"));
    QCOMPARE(AppSettings.invoice_prefix, QStringLiteral("IV-"));
    QVERIFY(m_fixture->messages.shown.isEmpty());
}

void TestSettingsDialog::saveWithoutChangeReloadsSettingsAndReopensInvoices()
{
    addSettingsRow();
    AppSettings.company_name = "stale";
    Dtmd->ADOTbInvoice->open();
    QSignalSpy invoiceOpened(Dtmd->ADOTbInvoice, &db::DataSet::opened);
    QSignalSpy invoiceClosed(Dtmd->ADOTbInvoice, &db::DataSet::closed);
    QSignalSpy linesOpened(Dtmd->ADOTbInvoiceDetail, &db::DataSet::opened);

    m_fixture->messages.onModal = [](QDialog* dialog) {
        dialog->findChild<QPushButton*>("btn_save")->click();
        return dialog->result();
    };
    TFConfig dialog;
    QCOMPARE(ui::messages().execModal(&dialog), int(QDialog::Accepted));
    QCOMPARE(AppSettings.company_name, QStringLiteral("บริษัท บริมเวล จำกัด"));
    QCOMPARE(invoiceClosed.count(), 1);
    QCOMPARE(invoiceOpened.count(), 1);
    QCOMPARE(linesOpened.count(), 1); // opened even though it was closed
    QVERIFY(Dtmd->ADOTbInvoiceDetail->isOpen());
    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tconfig"), QStringList{"1"});
}

void TestSettingsDialog::openThenCancelKeepsOldLogo()
{
    addSettingsRow();
    const QString picture = m_fixture->db.folder() + "/new-logo.png";
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    QVERIFY(logo.save(picture));

    TFConfig dialog;
    auto* preview = dialog.findChild<QLabel*>("img_logo");
    QVERIFY(preview->pixmap().isNull()); // the stored logo names no file: no picture, no message

    // A chooser left with Cancel changes nothing.
    dialog.findChild<QPushButton*>("RzBitBtn6")->click();
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Browse);

    m_fixture->messages.fileNames << picture;
    dialog.findChild<QPushButton*>("RzBitBtn6")->click();
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Edit);
    QCOMPARE(dialog.findChild<QLineEdit*>("dbedcompany_logo")->text(), picture);
    QVERIFY(!preview->pixmap().isNull());

    dialog.findChild<QPushButton*>("btn_cancel")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(rowsOf("SELECT invoice_logo FROM tconfig"), QStringList{"/nowhere/old-logo.png"});
    QCOMPARE(Dtmd->ADOTbConfig->asString("invoice_logo"), QStringLiteral("/nowhere/old-logo.png"));
    QVERIFY(m_fixture->messages.shown.isEmpty());

    // Saved, the new logo shows the next time the dialog opens.
    TFConfig again;
    m_fixture->messages.fileNames << picture;
    again.findChild<QPushButton*>("RzBitBtn6")->click();
    again.findChild<QPushButton*>("btn_save")->click();
    QCOMPARE(AppSettings.invoice_logo, picture);
    TFConfig third;
    QVERIFY(!third.findChild<QLabel*>("img_logo")->pixmap().isNull());
}

void TestSettingsDialog::openFileThatIsNoPictureReportsLoaderError()
{
    addSettingsRow();
    const QString notAPicture = m_fixture->db.folder() + "/notes.png";
    QFile file(notAPicture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just some text");
    file.close();

    TFConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(&dialog, "dbedcompany_email", "new@brimvale.example");
    m_fixture->messages.fileNames << notAPicture;
    dialog.findChild<QPushButton*>("RzBitBtn6")->click();

    const QStringList errors = m_fixture->messages.texts("error");
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith("Cannot load the picture '" + notAPicture + "': "),
             qPrintable(errors.first()));
    // The path was taken before the picture failed, and nothing typed is lost.
    QCOMPARE(Dtmd->ADOTbConfig->asString("invoice_logo"), notAPicture);
    QCOMPARE(Dtmd->ADOTbConfig->asString("email"), QStringLiteral("new@brimvale.example"));
    QVERIFY(dialog.findChild<QLabel*>("img_logo")->pixmap().isNull());
    QVERIFY(dialog.isVisible());
}

void TestSettingsDialog::savedFormatReachesReopenedDatasetsButExampleWaitsForReopen()
{
    addSettingsRow();
    m_fixture->db.exec({"INSERT INTO tinvoice_master (invoice_id, issue_date, total_invoice) "
                        "VALUES ('IV0001', '2024-03-01', 1234.5)",
                        "INSERT INTO tinvoice_detail (invoice_id, item_id, item_qty, item_price) "
                        "VALUES ('IV0001', 'PR000001', 1200, 1234.5)"});
    Dtmd->ADOTbInvoice->open();
    Dtmd->ADOTbInvoiceDetail->open();
    QCOMPARE(Dtmd->ADOTbInvoice->displayText("total_invoice"), QStringLiteral("1,234.50"));

    TFConfig dialog;
    QCOMPARE(label(&dialog, "lbpriceformat"), QStringLiteral("Ex:1,000.00"));
    QCOMPARE(label(&dialog, "lbnumformat"), QStringLiteral("Ex:1,000"));
    QCOMPARE(label(&dialog, "lbdateformat"),
             QStringLiteral("Ex:") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    choose(&dialog, "dbeddefault_formatprice", "#0");
    choose(&dialog, "dbeddefault_formatnumber", "#0");
    choose(&dialog, "dbeddefault_formatdate", "MM/DD/YY");
    QCOMPARE(label(&dialog, "lbpriceformat"), QStringLiteral("Ex:1,000.00")); // choosing does not change it
    dialog.findChild<QPushButton*>("btn_save")->click();
    QCOMPARE(label(&dialog, "lbpriceformat"), QStringLiteral("Ex:1,000.00"));

    QCOMPARE(Dtmd->ADOTbInvoice->displayText("total_invoice"), QStringLiteral("1235"));
    QCOMPARE(Dtmd->ADOTbInvoice->displayText("issue_date"), QStringLiteral("03/01/24"));
    QCOMPARE(Dtmd->ADOTbInvoiceDetail->displayText("item_qty"), QStringLiteral("1200"));
    QCOMPARE(Dtmd->ADOTbInvoiceDetail->displayText("item_price"), QStringLiteral("1235"));

    TFConfig reopened;
    QCOMPARE(label(&reopened, "lbpriceformat"), QStringLiteral("Ex:1000"));
    QCOMPARE(label(&reopened, "lbnumformat"), QStringLiteral("Ex:1000"));
    QCOMPARE(label(&reopened, "lbdateformat"),
             QStringLiteral("Ex:") + QDate::currentDate().toString(QStringLiteral("MM/dd/yy")));
}

void TestSettingsDialog::columnsWithoutEditorsKeepTheirValuesThroughSaves()
{
    addSettingsRow();
    QStringList before;
    for (const char* field : {"dbedcompany_name", "dbedcompany_email"}) {
        TFConfig dialog;
        // Changed behind the open dialog: a save that wrote the columns it did not
        // edit would put back what it read.
        m_fixture->db.exec({"UPDATE tconfig SET ad_info = ad_info || '+', font_size = font_size + 1"});
        before = rowsOf("SELECT " + kColumnsWithoutEditor + " FROM tconfig");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        retype(&dialog, field, "changed");
        click(&dialog, "btn_save");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(rowsOf("SELECT company_name, email FROM tconfig"), QStringList{"changed|changed"});
    QCOMPARE(rowsOf("SELECT " + kColumnsWithoutEditor + " FROM tconfig"), before);
    QCOMPARE(AppSettings.ad_info, QStringLiteral("Best prices++"));
    QCOMPARE(AppSettings.font_size, 16);
}

void TestSettingsDialog::failedWriteKeepsDialogOpenWithTheEdit()
{
    addSettingsRow();
    TFConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    retype(&dialog, "dbedcompany_name", "Unsaved Co");
    // The table is gone from under the dialog: writing the row fails.
    m_fixture->db.exec({"DROP VIEW loadconfig", "ALTER TABLE tconfig RENAME TO tconfig_moved"});
    click(&dialog, "btn_save");
    QCOMPARE(m_fixture->messages.texts("error").size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Dtmd->ADOTbConfig->state(), db::DataSetState::Edit);
    QCOMPARE(Dtmd->ADOTbConfig->asString("company_name"), QStringLiteral("Unsaved Co"));
    QCOMPARE(AppSettings.company_name, QStringLiteral("บริษัท บริมเวล จำกัด"));
}

void TestSettingsDialog::listRowThatCannotBeStoredKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("Cancel") << "btn_cancel";
    QTest::newRow("Save Config") << "btn_save";
    QTest::newRow("close box") << "";
}

void TestSettingsDialog::listRowThatCannotBeStoredKeepsDialogOpen()
{
    // A shipping method still being entered in its grid is stored when the dialog
    // closes. When the table refuses it (a name already listed), the user reads why
    // and the dialog stays open on it, rather than closing with the shared list
    // left half edited for the next window to trip over.
    addSettingsRow();
    TFConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Dtmd->ADOTbShipping->insert();
    Dtmd->ADOTbShipping->setValue("shipping_name", "TRUCK");
    QFETCH(QString, closedBy);
    if (closedBy.isEmpty())
        dialog.close();
    else
        click(&dialog, qPrintable(closedBy));
    QCOMPARE(m_fixture->messages.texts("error").size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Dtmd->ADOTbShipping->state(), db::DataSetState::Insert);
    QCOMPARE(Dtmd->ADOTbShipping->asString("shipping_name"), QStringLiteral("TRUCK"));

    // Once the entry is put right the dialog closes.
    Dtmd->ADOTbShipping->setValue("shipping_name", "SHIP");
    if (closedBy.isEmpty())
        dialog.close();
    else
        click(&dialog, qPrintable(closedBy));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rowsOf("SELECT shipping_name FROM tshipping ORDER BY rowid"), QStringList({"TRUCK", "SHIP"}));
    QCOMPARE(m_fixture->messages.texts("error").size(), 1);
}

void TestSettingsDialog::openedTwiceThenDatasetsChangeSafely()
{
    // The datasets outlive the dialog: after it has gone, twice, their changes
    // reach nothing of it.
    addSettingsRow();
    for (int i = 0; i < 2; ++i) {
        TFConfig dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        retype(&dialog, "dbedcompany_name", "Closed by its box");
        dialog.findChild<QTabWidget*>("pgc_config")->setCurrentIndex(2);
        dialog.close();
    }
    for (db::DataSet* set :
         {static_cast<db::DataSet*>(Dtmd->ADOTbShipping), static_cast<db::DataSet*>(Dtmd->ADOTbPayment)}) {
        const QString field = set == Dtmd->ADOTbShipping ? "shipping_name" : "payment_name";
        set->insert();
        set->setValue(field, "NEW ENTRY");
        set->post();
        set->first();
        set->deleteRecord();
        set->refresh();
        set->close();
        set->open();
    }
    Dtmd->ADOTbConfig->cancel();
    Dtmd->ADOTbConfig->edit();
    Dtmd->ADOTbConfig->setValue("company_name", "Changed later");
    Dtmd->ADOTbConfig->post();
    Dtmd->ADOTbConfig->close();
    Dtmd->ADOTbConfig->open();
    QCOMPARE(m_fixture->messages.texts("error"), QStringList{});
}

void TestSettingsDialog::openLogoFromThaiNamedFolder()
{
    addSettingsRow();
    const QString folder = m_fixture->db.folder() + QStringLiteral("/โลโก้ บริษัท");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/ตราสินค้า.png");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path, "PNG"));
    TFConfig dialog;
    m_fixture->messages.fileNames = {path};
    click(&dialog, "RzBitBtn6");
    click(&dialog, "btn_save");
    QCOMPARE(m_fixture->messages.texts("error"), QStringList{});
    QCOMPARE(rowsOf("SELECT invoice_logo FROM tconfig"), QStringList{path});
    QCOMPARE(AppSettings.invoice_logo, path);
    TFConfig again; // the saved logo shows when the dialog opens
    QVERIFY(!again.findChild<QLabel*>("img_logo")->pixmap().isNull());
}

void TestSettingsDialog::firstRunCancelKeepsDefaults()
{
    m_fixture->messages.onModal = [](QDialog* dialog) {
        dialog->show();
        if (QTest::qWaitForWindowActive(dialog)) {
            retype(dialog, "dbedcompany_name", "Not kept");
            click(dialog, "btn_cancel");
        }
        return dialog->result();
    };
    QVERIFY(!RunFirstRunSettings());
    QCOMPARE(AppSettings.company_name, QStringLiteral("Your Company Name"));
    QCOMPARE(AppSettings.invoice_prefix, QStringLiteral("INV-"));
    QCOMPARE(AppSettings.vat_rate, 7.0);
    QCOMPARE(rowsOf("SELECT COUNT(*) FROM tconfig"), QStringList{"0"});
}

void TestSettingsDialog::firstRunSaveLoadsTheRow()
{
    int shown = 0;
    m_fixture->messages.onModal = [&](QDialog* dialog) {
        ++shown;
        dialog->show();
        if (QTest::qWaitForWindowActive(dialog)) {
            retype(dialog, "dbedcompany_name", QStringLiteral("ร้านแรก"));
            retype(dialog, "dbeddefault_tax", "10");
            choose(dialog, "dbeddefault_formatprice", "#,##0.00");
            choose(dialog, "dbeddefault_formatnumber", "#,##0");
            choose(dialog, "dbeddefault_formatdate", "DD/MM/YYYY");
            retype(dialog, "dbedinvoice_prefix", "INV-");
            retype(dialog, "dbedinvoiceno_begin", "0001");
            click(dialog, "btn_save");
        }
        return dialog->result();
    };
    QVERIFY(RunFirstRunSettings());
    QCOMPARE(shown, 1);
    QCOMPARE(AppSettings.company_name, QStringLiteral("ร้านแรก"));
    QCOMPARE(AppSettings.vat_rate, 10.0);
    QCOMPARE(AppSettings.startinvoice_no, QStringLiteral("0001"));
    // What the first run left empty reads as empty from the row, as any loaded setting.
    QCOMPARE(AppSettings.customer_prefix, QString());
    QCOMPARE(Dtmd->NextInvoiceId(), QStringLiteral("INV-0001"));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settings_dialog.moc"
