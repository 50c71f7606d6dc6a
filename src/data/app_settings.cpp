#include "data/app_settings.h"

#include "data/data_module.h"
#include "platform/db/errors.h"

TAppSettings AppSettings;

void LoadDefaultSettings()
{
    TAppSettings s;
    s.company_name = QStringLiteral("Your Company Name");
    s.address1 = QStringLiteral("Your Company Address");
    s.tax_id = QStringLiteral("Your TAX ID");
    s.email = QStringLiteral("Your Company E-mail");
    s.invoice_logo.clear();
    s.ad_info = QStringLiteral("Your Company Advertise Info");
    s.vat_name = QStringLiteral("Vat Name");
    s.format_price = QStringLiteral("#,#00.00");
    s.format_qty = QStringLiteral("#,#00");
    s.format_date = QStringLiteral("dd/mm/yyyy");
    s.font_name = QStringLiteral("BrowalliaUPC");
    s.invoice_prefix = QStringLiteral("INV-");
    s.customer_prefix = QStringLiteral("CUS-");
    s.product_prefix = QStringLiteral("PRD-");
    s.startinvoice_no = QStringLiteral("0000001");
    s.startcustomer_no = QStringLiteral("0000001");
    s.startproduct_no = QStringLiteral("0000001");
    s.invoice_header = QStringLiteral("Invoice");
    s.default_method_shipping = QStringLiteral("TRUCK");
    s.default_method_payment = QStringLiteral("CASH");
    s.email_sender = QStringLiteral("sales@example.com");
    s.vat_rate = 7.0;
    s.default_discount = 0.0;
    s.font_size = 12;
    s.uses_tax_all = true;
    s.font_bold = false;
    AppSettings = s;
}

bool LoadSettings()
{
    const bool opened = Dtmd->RunStoredQuery(QStringLiteral("loadconfig"));
    db::DataSet* t = Dtmd->ADOTb;
    if (!t->isOpen() || t->isEmpty())
        return false;
    if (!opened)
        return false;
    // Read into a copy first: a row that lacks a column leaves the settings as they were.
    TAppSettings s = AppSettings;
    try {
        s.company_name = t->asString("company_name");
        s.address1 = t->asString("address1");
        s.tax_id = t->asString("tax_id");
        s.email = t->asString("email");
        s.invoice_logo = t->asString("invoice_logo");
        s.ad_info = t->asString("ad_info");
        s.vat_name = t->asString("vat_name");
        s.format_price = t->asString("format_price");
        s.format_qty = t->asString("format_qty");
        s.format_date = t->asString("format_date");
        s.font_name = t->asString("font_name");
        s.invoice_prefix = t->asString("invoice_prefix");
        s.customer_prefix = t->asString("customer_prefix");
        s.product_prefix = t->asString("product_prefix");
        s.startinvoice_no = t->asString("startinvoice_no");
        s.startcustomer_no = t->asString("startcustomer_no");
        s.startproduct_no = t->asString("startproduct_no");
        s.invoice_header = t->asString("invoice_header");
        s.invoice_template1 = t->asString("invoice_template1");
        s.invoice_template2 = t->asString("invoice_template2");
        s.email_sender = t->asString("email_sender");
        s.email_subject = t->asString("email_subject");
        s.email_port = t->asString("email_port");
        s.email_host = t->asString("email_host");
        s.email_user = t->asString("email_user");
        s.email_pasword = t->asString("email_pasword");
        s.vat_rate = t->asDouble("vat_rate");
        s.default_discount = t->asDouble("default_discount");
        s.font_size = t->asInteger("font_size");
        s.uses_tax_all = t->asBoolean("uses_tax_all");
        s.font_bold = t->asBoolean("font_bold");
    } catch (const db::DbError&) {
        return false;
    }
    AppSettings = s;
    return true;
}
