#include "settings/settings_dialog.h"

#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/db/display_format.h"
#include "platform/db/errors.h"
#include "platform/editors/db_combo_box.h"
#include "platform/editors/db_edit.h"
#include "platform/ui/message_service.h"
#include "platform/ui/window_placement.h"
#include "settings/settings_lists.h"
#include "ui_settings_dialog.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

using editors::bindEditor;

TFConfig::TFConfig(QWidget* parent) : QDialog(parent), ui(new Ui::TFConfig)
{
    ui->setupUi(this);
    ui::centreOnFirstShow(this);
    for (QWidget* page : {ui->tscompany, ui->tspreference, ui->tscustomize}) {
        page->setAutoFillBackground(true);
        QPalette white = page->palette();
        white.setColor(QPalette::Window, Qt::white);
        page->setPalette(white);
    }

    db::DataSource* config = Dtmd->DtsConfig;
    bindEditor(this, "dbedcompany_name", config, "company_name");
    bindEditor(this, "dbmmcompany_address", config, "address1");
    bindEditor(this, "dbedcompany_taxid", config, "tax_id");
    bindEditor(this, "dbedcompany_email", config, "email");
    auto* logo = bindEditor<editors::DBEdit>(this, "dbedcompany_logo", config, "invoice_logo");
    bindEditor(this, "dbeddefault_tax", config, "vat_rate");
    bindEditor(this, "dbeddefault_formatprice", config, "format_price");
    bindEditor(this, "dbeddefault_formatnumber", config, "format_qty");
    bindEditor(this, "dbeddefault_formatdate", config, "format_date");
    bindEditor(this, "dbedinvoice_prefix", config, "invoice_prefix");
    bindEditor(this, "dbedinvoiceno_begin", config, "startinvoice_no");
    bindEditor(this, "dbedproduct_prefix", config, "product_prefix");
    bindEditor(this, "dbedproductno_begin", config, "startproduct_no");
    bindEditor(this, "dbedcustomer_prefix", config, "customer_prefix");
    bindEditor(this, "dbedcustomerno_begin", config, "startcustomer_no");

    // A path typed by hand shows its picture as well, quietly, as at opening.
    connect(logo, &editors::DBEdit::committed, this,
            [this] { showLogoIfPresent(Dtmd->ADOTbConfig->asString("invoice_logo")); });
    settings::AddListGrid(ui->cxGrid1, Dtmd->DtsShipping,
                          {{QStringLiteral("Shipping Name"), "shipping_name", 200}},
                          {"New", "Delete", "Edit", "Save", "Cancel", "Refresh"});
    settings::AddListGrid(
        ui->cxGrid2, Dtmd->DtsPayment,
        {{QStringLiteral("Payment Name"), "payment_name", 150}, {QStringLiteral("Day"), "payment_day", 50}},
        {"Insert", "Delete", "Edit", "Save", "Cancel", "Refresh"});

    connect(ui->RzBitBtn6, &QPushButton::clicked, this, [this] { RzBitBtn6Click(); });
    connect(ui->btn_save, &QPushButton::clicked, this, [this] { btn_saveClick(); });
    connect(ui->btn_cancel, &QPushButton::clicked, this, [this] { btn_cancelClick(); });
    ui::runCommand([this] { FormCreate(); });
}

TFConfig::~TFConfig()
{
    delete ui;
}

QWidget* TFConfig::shippingGridContainer() const
{
    return ui->cxGrid1;
}

QWidget* TFConfig::paymentGridContainer() const
{
    return ui->cxGrid2;
}

void TFConfig::FormCreate()
{
    ui->pgc_config->setCurrentWidget(ui->tscompany);
    // Reopening drops whatever an earlier visit left unsaved; the dialog shows the tables.
    for (db::DataSet* set : {Dtmd->ADOTbConfig, Dtmd->ADOTbPayment, Dtmd->ADOTbShipping}) {
        if (set->isOpen())
            set->close();
        set->open();
    }
    showLogoIfPresent(AppSettings.invoice_logo);
    fillFormatExamples();
}

void TFConfig::done(int result)
{
    // A row the table refuses (a name already listed) keeps the dialog open on it:
    // the user has read why and can put it right or cancel it in its grid, and the
    // shared list is not left half edited behind a closed dialog.
    for (db::DataSet* list :
         {static_cast<db::DataSet*>(Dtmd->ADOTbShipping), static_cast<db::DataSet*>(Dtmd->ADOTbPayment)})
        if (list->isEditing() && !ui::runCommand([list] { list->post(); }))
            return;
    QDialog::done(result);
}

void TFConfig::fillFormatExamples()
{
    // The formats in force, not the ones chosen in the lists: the examples change
    // only when the dialog is opened again after a save.
    ui->lbpriceformat->setText(QStringLiteral("Ex:") + db::formatNumber(1000, AppSettings.format_price));
    ui->lbnumformat->setText(QStringLiteral("Ex:") + db::formatNumber(1000, AppSettings.format_qty));
    ui->lbdateformat->setText(QStringLiteral("Ex:") +
                              db::formatDate(QDate::currentDate(), AppSettings.format_date));
}

void TFConfig::showLogoIfPresent(const QString& fileName)
{
    // A missing or unreadable logo leaves the preview empty without a word: the
    // setting may name a file of another computer.
    ui->img_logo->clear();
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    const QImage picture = QImageReader(fileName).read();
    if (!picture.isNull())
        ui->img_logo->setPixmap(QPixmap::fromImage(picture));
}

void TFConfig::showLogo(const QString& fileName)
{
    ui->img_logo->clear();
    QImageReader reader(fileName);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw db::DbError(QStringLiteral("Cannot load the picture '%1': %2.")
                              .arg(QDir::toNativeSeparators(fileName), reader.errorString()));
    ui->img_logo->setPixmap(QPixmap::fromImage(picture));
}

void TFConfig::RzBitBtn6Click()
{
    ui::runCommand([this] {
        // What was typed in the other fields is written first: the row is then edited by code.
        if (!editors::commitEditors(this))
            return;
        const QString chosen = ui::messages().openFileName(this, QStringLiteral("Open"));
        if (chosen.isEmpty())
            return;
        if (!Dtmd->ADOTbConfig->isEditing())
            Dtmd->ADOTbConfig->edit();
        Dtmd->ADOTbConfig->setValue("invoice_logo", QFileInfo(chosen).absoluteFilePath());
        showLogo(chosen);
    });
}

void TFConfig::btn_saveClick()
{
    // When the row cannot be written the error box says why and the dialog stays
    // open with the row still being edited, so nothing typed is lost.
    ui::runCommand([this] {
        if (!editors::commitEditors(this))
            return;
        if (Dtmd->ADOTbConfig->isEditing())
            Dtmd->ADOTbConfig->post();
        LoadSettings();
        // Reopened, the invoice datasets take the new display formats.
        for (db::DataSet* set : {Dtmd->ADOTbInvoice, Dtmd->ADOTbInvoiceDetail}) {
            if (set->isOpen())
                set->close();
            set->open();
        }
        accept();
    });
}

void TFConfig::btn_cancelClick()
{
    ui::runCommand([this] {
        if (Dtmd->ADOTbConfig->isEditing())
            Dtmd->ADOTbConfig->cancel();
        reject();
    });
}
