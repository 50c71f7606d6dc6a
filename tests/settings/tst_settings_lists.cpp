// The shipping and payment lists of the settings dialog write their own rows,
// whatever button closes the dialog.

#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/navigator_bar.h"
#include "settings/settings_dialog.h"
#include "test_support.h"

#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

class TestSettingsLists : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::DataModuleFixture> m_fixture;

    QStringList column(const QString& sql)
    {
        QSqlQuery q(m_fixture->module->ADOConn->database());
        q.exec(sql);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

private slots:
    void init() { m_fixture = std::make_unique<testing::DataModuleFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void theListsShowTheirTablesWithTheirNavigators_data()
    {
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("hints");
        QTest::newRow("shipping") << "cxGrid1DBTableView1" << QStringList{"Shipping Name"}
                                  << QStringList{"New", "Delete", "Edit", "Save", "Cancel", "Refresh"};
        QTest::newRow("payment") << "cxGrid2DBTableView1" << QStringList{"Payment Name", "Day"}
                                 << QStringList{"Insert", "Delete", "Edit", "Save", "Cancel", "Refresh"};
    }
    void theListsShowTheirTablesWithTheirNavigators()
    {
        QFETCH(QString, gridName);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, hints);
        TFConfig dialog;
        auto* list = dialog.findChild<grid::DataGrid*>(gridName);
        QVERIFY(list);
        QStringList shown;
        for (const grid::GridColumn& c : list->columns())
            shown << c.caption;
        QCOMPARE(shown, captions);
        QVERIFY(list->isEditable());
        QStringList navigatorHints;
        for (int b = grid::NavigatorBar::Insert; b <= grid::NavigatorBar::Refresh; ++b)
            navigatorHints << list->navigator()->hint(grid::NavigatorBar::Button(b));
        QCOMPARE(navigatorHints, hints);
        QVERIFY(list->dataSet()->isOpen());
    }

    void aRowAddedInAListStaysAfterCancel()
    {
        TFConfig dialog;
        auto* list = dialog.findChild<grid::DataGrid*>("cxGrid1DBTableView1");
        list->navigator()->button(grid::NavigatorBar::Insert)->click();
        m_fixture->module->ADOTbShipping->setValue("shipping_name", "KERRY");
        list->navigator()->button(grid::NavigatorBar::Post)->click();
        dialog.findChild<QPushButton*>("btn_cancel")->click();
        QVERIFY(column("SELECT shipping_name FROM tshipping").contains("KERRY"));
    }

    void aListRowStillBeingEditedIsStoredWhenTheDialogCloses()
    {
        TFConfig dialog;
        auto* list = dialog.findChild<grid::DataGrid*>("cxGrid2DBTableView1");
        list->navigator()->button(grid::NavigatorBar::Insert)->click();
        m_fixture->module->ADOTbPayment->setValue("payment_name", "CREDIT 90");
        m_fixture->module->ADOTbPayment->setValue("payment_day", 90);
        dialog.findChild<QPushButton*>("btn_cancel")->click();
        QCOMPARE(m_fixture->module->ADOTbPayment->state(), db::DataSetState::Browse);
        QCOMPARE(column("SELECT payment_day FROM tpayment WHERE payment_name = 'CREDIT 90'"),
                 QStringList{"90"});
    }

    void theNavigatorDeletesWithoutAsking()
    {
        TFConfig dialog;
        auto* list = dialog.findChild<grid::DataGrid*>("cxGrid1DBTableView1");
        QCOMPARE(list->dataSet()->recordCount(), 1);
        list->navigator()->button(grid::NavigatorBar::Delete)->click();
        QVERIFY(m_fixture->messages.shown.isEmpty());
        QVERIFY(column("SELECT shipping_name FROM tshipping").isEmpty());
    }
};

QTEST_MAIN(TestSettingsLists)
#include "tst_settings_lists.moc"
