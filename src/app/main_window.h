#pragma once

#include <QMainWindow>

class QMenu;

namespace Ui {
class TFMain;
}

namespace grid {
class DataGrid;
}

// The main window: the invoice browser and the hub from which every other
// window is opened. It opens the database and loads the settings while it is
// created; when the database cannot be used it says so and the program ends.
//
// The browser is the grid GrInvoice over the summary query (one line per invoice
// line), grouped by invoice with sums per invoice and over everything.
class TFMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // False when start-up found no usable database: the program ends unshown.
    bool startupSucceeded() const { return m_startupSucceeded; }

    void FormCreate();
    void OpenDatabase();
    void FormShow();
    void FormResize();

    // Re-reads the summary query, so the grid shows the invoices as stored; for
    // the windows that change invoices.
    void RefreshInvoiceGrid();
    grid::DataGrid* invoiceGrid() const;

    // Commands of the main menu and of the grid's pop-up menu. The items of both
    // menus that share a caption run the same command.
    void N9Click();                        // Exit
    void N11Click();                       // Customers...
    void N12Click();                       // Products...
    void mnu_newInvoiceClick();            // New Invoice...
    void mnu_editInvoiceClick();           // Edit Invoice... (also a double click on a line)
    void mnu_deleteInvoiceClick();         // Delete Invoice
    void mnu_printInvoiceClick();          // Print Invoice...
    void N2Click();                        // Settings...
    void otalSalesGroupbyCustomer1Click(); // About...
    void ExpandAllInvoice1Click();         // Expand All...
    void HideAll1Click();                  // Collapse All....
    void ShowDetails1Click();              // Print Report > Show Details....
    void NotShowdetails1Click();           // Print Report > Not Show Details...

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowSplash();
    void FirstRunSettings();
    void SetUpInvoiceGrid();
    void SetUpPopupMenu();
    static void UseIconTheme();
    void SetUpMenuIcons();
    void ConnectCommands();
    void ApplySummaryFormats();
    void DeleteInvoiceLines(const QString& invoiceNumber);

    Ui::TFMain* ui;
    QMenu* m_popupMenu = nullptr;
    bool m_maximizeOnce = false;
    bool m_shown = false;
    bool m_startupSucceeded = false;
};

extern TFMain* FMain;
