#include "masterdata/customer_list.h"

#include "data/data_module.h"
#include "masterdata/customer_dialog.h"
#include "platform/grid/data_grid.h"
#include "platform/grid/grid_tree_view.h"
#include "platform/ui/message_service.h"

TFCustomer::TFCustomer(QWidget* parent)
    : MasterListWindow({QStringLiteral("Customer"), QStringLiteral("Customers"),
                        QStringLiteral("New Customer"), QStringLiteral("Edit Customer"),
                        QStringLiteral("Delete Customer"), QStringLiteral("Print Customer"),
                        QIcon::fromTheme(QStringLiteral("system-users"))},
                       parent)
{
    grid::DataGrid* g = grid();
    g->setObjectName(QStringLiteral("GrCustomer"));
    g->view()->setObjectName(QStringLiteral("GrCustomerDBTableView1"));
    g->setColumns({
        {QStringLiteral("Customer ID"), QStringLiteral("customer_id"), 123},
        {QStringLiteral("Customer name/Company "), QStringLiteral("customer_name"), 212},
        {QStringLiteral("Address"), QStringLiteral("customer_address1"), 244},
        {QStringLiteral("Contact Person"), QStringLiteral("customer_person"), 147},
        {QStringLiteral("Telephone"), QStringLiteral("customer_phone"), 121},
        {QStringLiteral("Fax"), QStringLiteral("customer_fax"), 106},
        {QStringLiteral("Payment Method"), QStringLiteral("customer_payment"), 108},
        {QStringLiteral("TAX ID"), QStringLiteral("customer_tax_id"), 92},
        {QStringLiteral("E-mail"), QStringLiteral("customer_email"), 103},
    });
    g->setColumnsStretched(true);
    g->setSortColumn(QStringLiteral("customer_phone"), Qt::DescendingOrder);
    showCountUnder(QStringLiteral("customer_id"));

    connectCommands([this] { btnAddClick(); }, [this] { btnEditClick(); }, [this] { btnDeleteClick(); },
                    [this] { btnRefreshClick(); }, [this] { btnSearchClick(); },
                    [this] { Btn_printInvoiceClick(); }, [this] { GrCustomerDBTableView1CellDblClick(); });
    ui::runCommand([this] { FormCreate(); });
    g->setDataSource(Dtmd->DtsCustomer);
}

void TFCustomer::FormCreate()
{
    for (db::DataSet* set :
         {static_cast<db::DataSet*>(Dtmd->ADOTbCustomer), static_cast<db::DataSet*>(Dtmd->ADOTbContact),
          static_cast<db::DataSet*>(Dtmd->ADOTbPayment)}) {
        if (set->isOpen())
            set->close();
        set->open();
    }
}

void TFCustomer::ShowCustomerDialog()
{
    TFNewCustomer dialog(this);
    ui::messages().execModal(&dialog);
}

void TFCustomer::btnAddClick()
{
    Dtmd->ADOTbCustomer->insert();
    ShowCustomerDialog();
}

void TFCustomer::btnEditClick()
{
    Dtmd->ADOTbCustomer->edit();
    ShowCustomerDialog();
}

void TFCustomer::GrCustomerDBTableView1CellDblClick()
{
    btnEditClick();
}

void TFCustomer::btnDeleteClick()
{
    const QString name = Dtmd->ADOTbCustomer->asString(QStringLiteral("customer_name"));
    if (ui::messages().confirm(QStringLiteral("Do you want to delete customer : %1?").arg(name)))
        Dtmd->ADOTbCustomer->deleteRecord();
}

void TFCustomer::btnRefreshClick()
{
    Dtmd->ADOTbCustomer->refresh();
}

void TFCustomer::btnSearchClick()
{
    grid()->showFilterDialog();
}

void TFCustomer::Btn_printInvoiceClick()
{
    // The printed customer list comes with the list reports.
}
