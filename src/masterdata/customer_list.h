#pragma once

#include "masterdata/master_list_window.h"

// The customer list: every customer of the shared customer dataset, newest
// telephone first, with new, edit, delete, refresh, filter and print.
class TFCustomer : public MasterListWindow
{
    Q_OBJECT
public:
    explicit TFCustomer(QWidget* parent = nullptr);

    void FormCreate();
    void btnAddClick();
    void btnEditClick();
    void GrCustomerDBTableView1CellDblClick();
    void btnDeleteClick();
    void btnRefreshClick();
    void btnSearchClick();
    void Btn_printInvoiceClick();

private:
    void ShowCustomerDialog();
};
