#include "masterdata/customer_dialog.h"

#include "data/data_module.h"
#include "platform/editors/db_lookup_combo_box.h"
#include "platform/ui/message_service.h"
#include "platform/ui/window_placement.h"
#include "ui_customer_dialog.h"

using editors::bindEditor;

TFNewCustomer::TFNewCustomer(QWidget* parent) : QDialog(parent), ui(new Ui::TFNewCustomer)
{
    ui->setupUi(this);
    ui::centreOnFirstShow(this);
    QPalette white = ui->pnl_customer->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui->pnl_customer->setPalette(white);

    db::DataSource* customer = Dtmd->DtsCustomer;
    bindEditor(this, "dbedcustomer_id", customer, "customer_id")->setFieldReadOnly(true);
    bindEditor(this, "dbedcustomer_name", customer, "customer_name");
    bindEditor(this, "dbmmcustomer_address", customer, "customer_address1");
    bindEditor(this, "dbedcustomer_contact", customer, "customer_person");
    bindEditor(this, "dbedcustomer_taxID", customer, "customer_tax_id");
    bindEditor(this, "dbedcustomer_email", customer, "customer_email");
    bindEditor(this, "dbedcustomer_phone", customer, "customer_phone");
    bindEditor(this, "dbedcustomer_fax", customer, "customer_fax");
    bindEditor(this, "dbedcustomer_discount", customer, "customer_discount");
    bindEditor<editors::DBLookupComboBox>(this, "dbedcustomer_Payment", customer, "customer_payment")
        ->setLookup(Dtmd->DtsPayment, "payment_name", "payment_name",
                    {{"Payment Term", "payment_name", 156}});

    connect(ui->btn_save, &QPushButton::clicked, this, [this] { btn_saveClick(); });
    connect(ui->btn_cancel, &QPushButton::clicked, this, [this] { btn_cancelClick(); });
    ui::runCommand([this] { FormCreate(); });
}

TFNewCustomer::~TFNewCustomer()
{
    delete ui;
}

void TFNewCustomer::FormCreate()
{
    // The payment terms may have changed in the settings since the table was opened,
    // and the invoice editor opens this dialog without the customer list.
    if (Dtmd->ADOTbPayment->isOpen())
        Dtmd->ADOTbPayment->close();
    Dtmd->ADOTbPayment->open();
}

void TFNewCustomer::btn_saveClick()
{
    ui::runCommand([this] {
        // A value typed just before a shortcut key is written first; a refused one stops the save.
        if (!editors::commitEditors(this))
            return;
        if (Dtmd->ADOTbCustomer->isEditing())
            Dtmd->ADOTbCustomer->post();
        accept();
    });
}

void TFNewCustomer::btn_cancelClick()
{
    ui::runCommand([this] {
        if (Dtmd->ADOTbCustomer->isEditing())
            Dtmd->ADOTbCustomer->cancel();
        reject();
    });
}

void TFNewCustomer::done(int result)
{
    // The close box and Escape save nothing, as "Cancel" does; a row left in editing
    // in the shared dataset would be stored by whatever moved it next.
    if (result != QDialog::Accepted && Dtmd->ADOTbCustomer->isEditing())
        ui::runCommand([] { Dtmd->ADOTbCustomer->cancel(); });
    QDialog::done(result);
}
