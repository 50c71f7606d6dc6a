#include "app/main_window.h"

#include "app/database_location.h"
#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/db/errors.h"
#include "platform/ui/message_service.h"
#include "ui_main_window.h"

#include <QFileInfo>

TFMain* FMain = nullptr;

TFMain::TFMain(QWidget* parent) : QMainWindow(parent), ui(new Ui::TFMain)
{
    ui->setupUi(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    connect(ui->N9, &QAction::triggered, this, [this] { ui::runCommand([this] { N9Click(); }); });
    FormCreate();
}

TFMain::~TFMain()
{
    if (FMain == this)
        FMain = nullptr;
    delete ui;
}

void TFMain::FormCreate()
{
    setWindowTitle(QStringLiteral("Brimvale"));
    ShowSplash();
    OpenDatabase();
    m_maximizeOnce = true;
}

void TFMain::ShowSplash()
{
    // The about window serves as the start-up splash; it comes with the about window.
}

void TFMain::OpenDatabase()
{
    const QString path = DatabasePath(ProgramFolder());
    const QString warning = QStringLiteral("Cannot load database '%1', Please restore program.").arg(path);
    if (!QFileInfo::exists(path)) {
        ui::messages().warning(warning);
        return;
    }
    if (Dtmd->ADOConn->isOpen())
        Dtmd->ADOConn->close();
    Dtmd->ADOConn->setConnectionString(BuildConnectionString(path));
    try {
        Dtmd->ADOConn->open();
    } catch (const db::DbError&) {
        // A file that is not our database is never written to; the program ends
        // as it does for a missing file, since it could show no data.
        ui::messages().warning(warning);
        return;
    }
    m_startupSucceeded = true;
    LoadDefaultSettings();
    if (!LoadSettings())
        FirstRunSettings();
}

void TFMain::FirstRunSettings()
{
    // At a first run (no settings row) the settings dialog is shown here, before
    // the main window; it comes with the settings dialog.
}

void TFMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        ui::runCommand([this] { FormShow(); });
    }
}

void TFMain::FormShow()
{
    for (db::DataSet* set : std::initializer_list<db::DataSet*>{Dtmd->ADOTbInvoice, Dtmd->ADOTbInvoiceDetail,
                                                                Dtmd->ADOTbCustomer, Dtmd->ADOTbProduct,
                                                                Dtmd->ADOQrsum}) {
        if (set->isOpen())
            set->close();
        set->open();
    }
}

void TFMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFMain::FormResize()
{
    if (m_maximizeOnce && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        m_maximizeOnce = false;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TFMain::N9Click()
{
    if (ui::messages().confirm(QStringLiteral("Do you sure to exit program?")))
        close();
}
