#include "masterdata/product_dialog.h"

#include "data/data_module.h"
#include "platform/editors/data_aware_editor.h"
#include "platform/ui/message_service.h"
#include "platform/ui/window_placement.h"
#include "ui_product_dialog.h"

using editors::bindEditor;

TFNewProduct::TFNewProduct(QWidget* parent) : QDialog(parent), ui(new Ui::TFNewProduct)
{
    ui->setupUi(this);
    ui::centreOnFirstShow(this);
    QPalette white = ui->pnl_product->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui->pnl_product->setPalette(white);

    db::DataSource* product = Dtmd->DtsProduct;
    bindEditor(this, "dbedproduct_id", product, "product_id")->setFieldReadOnly(true);
    bindEditor(this, "dbedproduct_name", product, "product_name");
    bindEditor(this, "dbmmproduct_desc", product, "product_desc");
    bindEditor(this, "dbedproduct_cost", product, "product_cost");
    bindEditor(this, "dbedproduct_price", product, "product_price");
    bindEditor(this, "cbvat", product, "product_taxable");
    bindEditor(this, "dbedproduct_uom", product, "product_uom");

    connect(ui->btn_save, &QPushButton::clicked, this, [this] { btn_saveClick(); });
    connect(ui->btn_cancel, &QPushButton::clicked, this, [this] { btn_cancelClick(); });
}

TFNewProduct::~TFNewProduct()
{
    delete ui;
}

void TFNewProduct::btn_saveClick()
{
    ui::runCommand([this] {
        // A value typed just before a shortcut key is written first; a refused one
        // (a cost of 12.5, say) stops the save with the row still being edited.
        if (!editors::commitEditors(this))
            return;
        if (Dtmd->ADOTbProduct->isEditing())
            Dtmd->ADOTbProduct->post();
        accept();
    });
}

void TFNewProduct::btn_cancelClick()
{
    ui::runCommand([this] {
        if (Dtmd->ADOTbProduct->isEditing())
            Dtmd->ADOTbProduct->cancel();
        reject();
    });
}

void TFNewProduct::done(int result)
{
    // The close box and Escape save nothing, as "Cancel" does; a row left in editing
    // in the shared dataset would be stored by whatever moved it next.
    if (result != QDialog::Accepted && Dtmd->ADOTbProduct->isEditing())
        ui::runCommand([] { Dtmd->ADOTbProduct->cancel(); });
    QDialog::done(result);
}
