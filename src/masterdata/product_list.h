#pragma once

#include "masterdata/master_list_window.h"

// The product list: every product of the shared product dataset in the table's
// order, with new, edit, delete, refresh, filter and print.
class TFProduct : public MasterListWindow
{
    Q_OBJECT
public:
    explicit TFProduct(QWidget* parent = nullptr);

    void FormCreate();
    void btnAddClick();
    void btnEditClick();
    void GrProductDBTableView1CellDblClick();
    void btnDeleteClick();
    void btnRefreshClick();
    void btnSearchClick();
    void Btn_printInvoiceClick();

private:
    void ShowProductDialog();
};
