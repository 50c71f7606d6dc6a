#include "masterdata/product_list.h"

#include "data/data_module.h"
#include "masterdata/product_dialog.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/grid_tree_view.h"
#include "platform/ui/message_service.h"

TFProduct::TFProduct(QWidget* parent)
    : MasterListWindow({QStringLiteral("Product"), QStringLiteral("Products"), QStringLiteral("New Product"),
                        QStringLiteral("Edit Product"), QStringLiteral("Delete Product"),
                        QStringLiteral("Print Product"),
                        QIcon::fromTheme(QStringLiteral("package-x-generic"))},
                       parent)
{
    grid::DataGrid* g = grid();
    g->setObjectName(QStringLiteral("GrProduct"));
    g->view()->setObjectName(QStringLiteral("GrProductDBTableView1"));
    g->setColumns({
        {QStringLiteral("Product ID"), QStringLiteral("product_id"), 101},
        {QStringLiteral("Name"), QStringLiteral("product_name"), 134},
        {QStringLiteral("Description"), QStringLiteral("product_desc"), 253},
        {QStringLiteral("Cost"), QStringLiteral("product_cost"), 79},
        {QStringLiteral("Price"), QStringLiteral("product_price"), 81},
        {QStringLiteral("UOM"), QStringLiteral("product_uom"), 60},
        {QStringLiteral("Tax"), QStringLiteral("product_taxable"), 42},
    });
    g->setColumnsStretched(false);
    showCountUnder(QStringLiteral("product_id"));

    connectCommands([this] { btnAddClick(); }, [this] { btnEditClick(); }, [this] { btnDeleteClick(); },
                    [this] { btnRefreshClick(); }, [this] { btnSearchClick(); },
                    [this] { Btn_printInvoiceClick(); }, [this] { GrProductDBTableView1CellDblClick(); });
    ui::runCommand([this] { FormCreate(); });
    g->setDataSource(Dtmd->DtsProduct);
}

void TFProduct::FormCreate()
{
    // Reopening applies the money format of the settings in force.
    if (Dtmd->ADOTbProduct->isOpen())
        Dtmd->ADOTbProduct->close();
    Dtmd->ADOTbProduct->open();
}

void TFProduct::ShowProductDialog()
{
    TFNewProduct dialog(this);
    ui::messages().execModal(&dialog);
}

void TFProduct::btnAddClick()
{
    Dtmd->ADOTbProduct->insert();
    ShowProductDialog();
}

void TFProduct::btnEditClick()
{
    Dtmd->ADOTbProduct->edit();
    ShowProductDialog();
}

void TFProduct::GrProductDBTableView1CellDblClick()
{
    btnEditClick();
}

void TFProduct::btnDeleteClick()
{
    const QString name = Dtmd->ADOTbProduct->asString(QStringLiteral("product_name"));
    if (ui::messages().confirm(QStringLiteral("Do you want to delete product : %1?").arg(name)))
        Dtmd->ADOTbProduct->deleteRecord();
}

void TFProduct::btnRefreshClick()
{
    Dtmd->ADOTbProduct->refresh();
}

void TFProduct::btnSearchClick()
{
    grid()->showFilterDialog();
}

void TFProduct::Btn_printInvoiceClick()
{
    // The printed product list comes with the list reports.
}
