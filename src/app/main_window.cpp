#include "app/main_window.h"

#include "app/database_location.h"
#include "data/app_settings.h"
#include "data/data_module.h"
#include "masterdata/customer_list.h"
#include "masterdata/product_list.h"
#include "platform/db/errors.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/grid_tree_view.h"
#include "platform/ui/message_service.h"
#include "platform/ui/window_placement.h"
#include "settings/first_run_settings.h"
#include "settings/settings_dialog.h"
#include "ui_main_window.h"

#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QStyle>

TFMain* FMain = nullptr;

namespace {

// The five sums of the browser, in the order in which their masks are given.
enum SummaryIndex
{
    SumQty,
    SumExtended,
    SumShipping,
    SumVat,
    SumTotal
};

QList<grid::SummaryItem> invoiceSummaries()
{
    return {
        {"item_qty", grid::SummaryKind::Sum},      {"item_extended", grid::SummaryKind::Sum},
        {"item_shipping", grid::SummaryKind::Sum}, {"item_vatamt", grid::SummaryKind::Sum},
        {"item_total", grid::SummaryKind::Sum},
    };
}

// An invoice number as an SQL string literal: in single quotes, every single
// quote inside doubled.
QString sqlStringLiteral(const QString& text)
{
    QString doubled = text;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + u'\'';
}

// Moves the invoice table to the invoice with this number. The record-finding
// rule comes first; since it matches by prefix it may stop on another invoice
// whose number merely begins with this one (INV-10 for INV-1), and deleting that
// one would lose the wrong invoice, so the exact number is then looked for.
// Returns false when no invoice row has the number.
bool locateInvoice(db::DataSet* invoices, const QString& number)
{
    if (invoices->locate(QStringLiteral("invoice_id"), number) && invoices->asString("invoice_id") == number)
        return true;
    const int field = invoices->checkedFieldIndex(QStringLiteral("invoice_id"));
    for (int row = 0; row < invoices->recordCount(); ++row)
        if (invoices->storedValue(row, field).toString() == number) {
            invoices->setCurrentRow(row);
            return true;
        }
    return false;
}

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

} // namespace

TFMain::TFMain(QWidget* parent) : QMainWindow(parent), ui(new Ui::TFMain)
{
    UseIconTheme(); // before any icon is looked up: misses are remembered
    ui->setupUi(this);
    ui::centreOnFirstShow(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    SetUpInvoiceGrid();
    SetUpPopupMenu();
    SetUpMenuIcons();
    ConnectCommands();
    FormCreate();
}

TFMain::~TFMain()
{
    if (FMain == this)
        FMain = nullptr;
    delete ui;
}

grid::DataGrid* TFMain::invoiceGrid() const
{
    return ui->GrInvoice;
}

// --- the invoice grid -----------------------------------------------------------

void TFMain::SetUpInvoiceGrid()
{
    grid::DataGrid* grid = ui->GrInvoice;
    grid->view()->setObjectName(QStringLiteral("GrInvoiceDBTableView1"));
    grid->setColumns({
        {"Invoice No.", "invoice_id", 96, false},
        {"Issue Date", "issue_date", 67},
        {"Due Date", "due_date", 70},
        {"Customer ID", "customer", 165},
        {"Product ID", "product", 134},
        {"Price", "item_price", 77},
        {"Qty", "item_qty", 45},
        {"Extened", "item_extended", 79},
        {"Shipping", "item_shipping", 67},
        {"Vat amt", "item_vatamt", 69},
        {"Total Sale", "item_total", 67},
    });
    grid->setColumnsStretched(true);
    grid->setRowHeight(20);
    grid->setGroupColumn(QStringLiteral("invoice_id"));
    // The second sort key: the same for all lines of an invoice, so the lines
    // keep the query's order within their group.
    grid->setSortColumn(QStringLiteral("customer"), Qt::AscendingOrder);
    // The masks come in FormShow, once the settings are loaded.
    grid->setSummaries(grid::SummaryPlace::Footer, invoiceSummaries());
    grid->setSummaries(grid::SummaryPlace::GroupFooter, invoiceSummaries());
    grid->setDataSource(Dtmd->DtsQrSum);
}

void TFMain::ApplySummaryFormats()
{
    const QString masks[] = {AppSettings.format_qty, AppSettings.format_price, AppSettings.format_price,
                             AppSettings.format_price, AppSettings.format_price};
    for (int item = SumQty; item <= SumTotal; ++item) {
        ui->GrInvoice->setSummaryDisplayFormat(grid::SummaryPlace::Footer, item, masks[item]);
        ui->GrInvoice->setSummaryDisplayFormat(grid::SummaryPlace::GroupFooter, item, masks[item]);
    }
}

void TFMain::RefreshInvoiceGrid()
{
    db::DataSet* summary = Dtmd->ADOQrsum;
    if (summary->isOpen())
        summary->close();
    summary->open();
}

void TFMain::SetUpPopupMenu()
{
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenuInvoice"));
    m_popupMenu->addAction(ui->ExpandAllInvoice1);
    m_popupMenu->addAction(ui->HideAll1);
    m_popupMenu->addSeparator();
    m_popupMenu->addAction(ui->NewInvoice1);
    m_popupMenu->addAction(ui->EditInvoice1);
    m_popupMenu->addAction(ui->DeleteInvoice2);
    m_popupMenu->addSeparator();
    m_popupMenu->addAction(ui->PrintInvoice1);
    auto* printReport = new QMenu(m_popupMenu);
    printReport->setObjectName(QStringLiteral("PrintReportMenu"));
    printReport->addAction(ui->ShowDetails1);
    printReport->addAction(ui->NotShowdetails1);
    ui->PrintReport1->setMenu(printReport);
    m_popupMenu->addAction(ui->PrintReport1);
    ui->GrInvoice->setPopupMenu(m_popupMenu);
}

void TFMain::UseIconTheme()
{
    // A desktop without an icon theme of its own still gets one coherent set where
    // the system has it; the style's icons stand in for what is missing.
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

void TFMain::SetUpMenuIcons()
{
    const QStyle* s = style();
    ui->N9->setIcon(themeIcon("application-exit", QStyle::SP_DialogCloseButton, s));
    ui->N11->setIcon(themeIcon("system-users", QStyle::SP_DirHomeIcon, s));
    ui->N12->setIcon(themeIcon("emblem-package", QStyle::SP_DriveFDIcon, s));
    ui->N2->setIcon(themeIcon("preferences-system", QStyle::SP_ComputerIcon, s));
    ui->otalSalesGroupbyCustomer1->setIcon(themeIcon("help-about", QStyle::SP_MessageBoxInformation, s));
    const QIcon newInvoice = themeIcon("document-new", QStyle::SP_FileIcon, s);
    const QIcon editInvoice = themeIcon("document-properties", QStyle::SP_FileDialogDetailedView, s);
    const QIcon deleteInvoice = themeIcon("edit-delete", QStyle::SP_TrashIcon, s);
    const QIcon printInvoice = themeIcon("document-print", QStyle::SP_DialogSaveButton, s);
    for (QAction* a : {ui->mnu_newInvoice, ui->NewInvoice1})
        a->setIcon(newInvoice);
    for (QAction* a : {ui->mnu_editInvoice, ui->EditInvoice1})
        a->setIcon(editInvoice);
    for (QAction* a : {ui->mnu_deleteInvoice, ui->DeleteInvoice2})
        a->setIcon(deleteInvoice);
    for (QAction* a : {ui->mnu_printInvoice, ui->PrintInvoice1})
        a->setIcon(printInvoice);
    ui->ExpandAllInvoice1->setIcon(themeIcon("go-down", QStyle::SP_ArrowDown, s));
    ui->HideAll1->setIcon(themeIcon("go-up", QStyle::SP_ArrowUp, s));
    ui->PrintReport1->setIcon(themeIcon("document-print-preview", QStyle::SP_FileDialogContentsView, s));
    ui->ShowDetails1->setIcon(themeIcon("format-justify-fill", QStyle::SP_FileDialogDetailedView, s));
    ui->NotShowdetails1->setIcon(themeIcon("format-justify-left", QStyle::SP_FileDialogListView, s));
}

void TFMain::ConnectCommands()
{
    auto bind = [this](QAction* action, void (TFMain::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { ui::runCommand([this, handler] { (this->*handler)(); }); });
    };
    bind(ui->N9, &TFMain::N9Click);
    bind(ui->N11, &TFMain::N11Click);
    bind(ui->N12, &TFMain::N12Click);
    bind(ui->mnu_newInvoice, &TFMain::mnu_newInvoiceClick);
    bind(ui->NewInvoice1, &TFMain::mnu_newInvoiceClick);
    bind(ui->mnu_editInvoice, &TFMain::mnu_editInvoiceClick);
    bind(ui->EditInvoice1, &TFMain::mnu_editInvoiceClick);
    bind(ui->mnu_deleteInvoice, &TFMain::mnu_deleteInvoiceClick);
    bind(ui->DeleteInvoice2, &TFMain::mnu_deleteInvoiceClick);
    bind(ui->mnu_printInvoice, &TFMain::mnu_printInvoiceClick);
    bind(ui->PrintInvoice1, &TFMain::mnu_printInvoiceClick);
    bind(ui->N2, &TFMain::N2Click);
    bind(ui->otalSalesGroupbyCustomer1, &TFMain::otalSalesGroupbyCustomer1Click);
    bind(ui->ExpandAllInvoice1, &TFMain::ExpandAllInvoice1Click);
    bind(ui->HideAll1, &TFMain::HideAll1Click);
    bind(ui->ShowDetails1, &TFMain::ShowDetails1Click);
    bind(ui->NotShowdetails1, &TFMain::NotShowdetails1Click);
    // "Print Report" only opens its sub-menu.
    connect(ui->GrInvoice, &grid::DataGrid::rowDoubleClicked, this,
            [this] { ui::runCommand([this] { mnu_editInvoiceClick(); }); });
}

// --- start-up ---------------------------------------------------------------------

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
    // No settings row yet: the settings dialog comes before the main window.
    ui::runCommand([] { RunFirstRunSettings(); });
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
    for (db::DataSet* set :
         std::initializer_list<db::DataSet*>{Dtmd->ADOTbInvoice, Dtmd->ADOTbInvoiceDetail,
                                             Dtmd->ADOTbCustomer, Dtmd->ADOTbProduct, Dtmd->ADOQrsum}) {
        if (set->isOpen())
            set->close();
        set->open();
    }
    ApplySummaryFormats();
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

// --- commands of the browser ------------------------------------------------------

void TFMain::N9Click()
{
    if (ui::messages().confirm(QStringLiteral("Do you sure to exit program?")))
        close();
}

void TFMain::mnu_deleteInvoiceClick()
{
    db::DataSet* lines = Dtmd->ADOQrsum;
    db::DataSet* invoices = Dtmd->ADOTbInvoice;
    // With no focused line there is no invoice to name; the command then does
    // nothing rather than offer whichever invoice row happens to be current.
    if (!lines->isOpen() || lines->currentRow() < 0)
        return;
    const QString number = lines->asString("invoice_id");
    // A line whose invoice row is missing still names its invoice: its lines go.
    const bool hasInvoiceRow = locateInvoice(invoices, number);
    if (!ui::messages().confirm(
            QStringLiteral("This invoice will be permanent delete,Do you want to delete invoice : %1?")
                .arg(number)))
        return;

    // The invoice row and its lines go together or not at all.
    bool invoiceRowDropped = false;
    try {
        db::Transaction transaction(*Dtmd->ADOConn);
        if (hasInvoiceRow) {
            invoices->deleteRecord();
            invoiceRowDropped = true;
        }
        DeleteInvoiceLines(number);
    } catch (...) {
        // The rollback brought the invoice row back in the file; the table
        // dataset had already dropped it from its rows, so it reads them again.
        if (invoiceRowDropped) {
            try {
                invoices->refresh();
            } catch (const db::DbError&) {
                // The first error is the one the user needs to read.
            }
        }
        throw;
    }
    RefreshInvoiceGrid();
}

void TFMain::DeleteInvoiceLines(const QString& invoiceNumber)
{
    db::QueryDataSet* query = Dtmd->ADOQr;
    if (query->isOpen())
        query->close();
    query->sql().clear();
    query->sql().append(QStringLiteral("DELETE FROM TINVOICE_DETAIL WHERE INVOICE_ID = ") +
                        sqlStringLiteral(invoiceNumber));
    query->execSql();
}

void TFMain::ExpandAllInvoice1Click()
{
    ui->GrInvoice->setAlwaysExpanded(true);
}

void TFMain::HideAll1Click()
{
    ui->GrInvoice->setAlwaysExpanded(false);
    ui->GrInvoice->collapseAll();
}

// --- commands whose windows come later ---------------------------------------------

void TFMain::N11Click()
{
    TFCustomer list(this);
    ui::messages().execModal(&list);
}

void TFMain::N12Click()
{
    TFProduct list(this);
    ui::messages().execModal(&list);
}

void TFMain::mnu_newInvoiceClick()
{
    // Opens the invoice editor on a new invoice; comes with the invoice editor.
}

void TFMain::mnu_editInvoiceClick()
{
    // Opens the invoice editor on the focused line's invoice; comes with the invoice editor.
}

void TFMain::mnu_printInvoiceClick()
{
    // Prints the focused line's invoice; comes with the invoice printout.
}

void TFMain::N2Click()
{
    TFConfig dialog(this);
    ui::messages().execModal(&dialog);
}

void TFMain::otalSalesGroupbyCustomer1Click()
{
    // Opens the about window; comes with the about window.
}

void TFMain::ShowDetails1Click()
{
    // Prints the invoice summary with its lines; comes with the list reports.
}

void TFMain::NotShowdetails1Click()
{
    // Prints the invoice summary without its lines; comes with the list reports.
}
