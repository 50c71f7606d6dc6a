#pragma once

#include <QString>

// The settings in force: one field per tconfig column, under the column's name,
// plus the two defaults of a new invoice that have no column. Filled only by
// LoadDefaultSettings and LoadSettings; everybody else reads it at the moment of use.
struct TAppSettings
{
    QString company_name;
    QString address1;
    QString tax_id;
    QString email;
    QString invoice_logo;
    QString ad_info;
    QString vat_name;
    QString format_price;
    QString format_qty;
    QString format_date;
    QString font_name;
    QString invoice_prefix;
    QString customer_prefix;
    QString product_prefix;
    QString startinvoice_no;
    QString startcustomer_no;
    QString startproduct_no;
    QString invoice_header;
    QString invoice_template1;
    QString invoice_template2;
    QString default_method_shipping;
    QString default_method_payment;
    QString email_sender;
    QString email_subject;
    QString email_port;
    QString email_host;
    QString email_user;
    QString email_pasword;
    double vat_rate = 0.0;
    double default_discount = 0.0;
    int font_size = 0;
    bool uses_tax_all = false;
    bool font_bold = false;
};

extern TAppSettings AppSettings;

// Fills every field with its built-in default.
void LoadDefaultSettings();

// Fills the column-backed fields from the settings row (stored query loadconfig).
// Returns false, leaving AppSettings as it was, when there is no row or the query fails.
bool LoadSettings();
