#include "data/data_module.h"

#include "data/app_settings.h"
#include "data/database_file.h"
#include "data/document_number.h"
#include "platform/db/errors.h"
#include "platform/ui/message_service.h"

#include <QDate>
#include <QSqlQuery>

TDtmd* Dtmd = nullptr;

namespace {

using db::FieldDef;
using db::FieldType;

db::FieldDefs productFields()
{
    return {
        {"product_id", FieldType::Text, 20},     {"product_name", FieldType::Text, 50},
        {"product_desc", FieldType::Text, 255},  {"product_cost", FieldType::Integer},
        {"product_price", FieldType::Integer},   {"product_uom", FieldType::Text, 50},
        {"product_taxable", FieldType::Boolean},
    };
}

db::FieldDefs invoiceFields()
{
    return {
        {"invoice_id", FieldType::Text, 20},
        {"issue_date", FieldType::Date},
        {"due_date", FieldType::Date},
        {"customer_id", FieldType::Text, 20},
        {"customer_order_no", FieldType::Text, 50},
        {"method_shipping", FieldType::Text, 20},
        {"method_payment", FieldType::Text, 20},
        {"total_before_discount", FieldType::Double},
        {"total_discount", FieldType::Double},
        {"total_after_discount", FieldType::Double},
        {"total_shipping", FieldType::Double},
        {"total_tax", FieldType::Double},
        {"total_invoice", FieldType::Double},
        {"contact_name", FieldType::Text, 50},
    };
}

db::FieldDefs invoiceDetailFields()
{
    return {
        {"item_id", FieldType::Text, 20},     {"invoice_id", FieldType::Text, 50},
        {"item_name", FieldType::Text, 50},   {"item_qty", FieldType::Integer},
        {"item_price", FieldType::Double},    {"item_discountperunit", FieldType::Double},
        {"item_netprice", FieldType::Double}, {"item_extended", FieldType::Double},
        {"item_shipping", FieldType::Double}, {"item_vat", FieldType::Boolean},
        {"item_vatamt", FieldType::Double},   {"item_uom", FieldType::Text, 10},
        {"item_total", FieldType::Double},    {"item_discountpercent", FieldType::Double},
    };
}

db::FieldDefs summaryFields()
{
    return {
        {"invoice_id", FieldType::Text, 50, true},     {"issue_date", FieldType::Date, 0, true},
        {"due_date", FieldType::Date, 0, true},        {"customer", FieldType::Text, 255, true},
        {"product", FieldType::Text, 255, true},       {"item_qty", FieldType::Integer, 0, true},
        {"item_extended", FieldType::Double, 0, true}, {"item_price", FieldType::Double, 0, true},
        {"item_shipping", FieldType::Double, 0, true}, {"item_total", FieldType::Double, 0, true},
        {"item_vatamt", FieldType::Double, 0, true},   {"total_invoice", FieldType::Double, 0, true},
    };
}

} // namespace

TDtmd::TDtmd(QObject* parent) : QObject(parent)
{
    ADOConn = new db::Connection(this);
    ADOConn->setExpectedApplicationId(data::kApplicationId);
    ADOConn->setSupportedSchemaVersion(data::kSchemaVersion);

    auto table = [this](const char* name, const QString& tableName) {
        auto* t = new db::TableDataSet(ADOConn, tableName, this);
        t->setObjectName(QString::fromLatin1(name));
        return t;
    };
    auto source = [this](const char* name, db::DataSet* set) {
        auto* s = new db::DataSource(set, this);
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };

    ADOTbCustomer = table("ADOTbCustomer", "tcustomer");
    ADOTbContact = table("ADOTbContact", "tcontact");
    DtsCustomer = source("DtsCustomer", ADOTbCustomer);
    DtsContact = source("DtsContact", ADOTbContact);
    ADOTbContact->setMasterLink(ADOTbCustomer, "customer_id", "customer_id");

    ADOTbProduct = table("ADOTbProduct", "tproduct");
    ADOTbProduct->setFieldDefs(productFields());
    DtsProduct = source("DtsProduct", ADOTbProduct);

    ADOTbInvoice = table("ADOTbInvoice", "tinvoice_master");
    ADOTbInvoice->setFieldDefs(invoiceFields());
    DtsInvoice = source("DtsInvoice", ADOTbInvoice);

    ADOTbInvoiceDetail = table("ADOTbInvoiceDetail", "tinvoice_detail");
    ADOTbInvoiceDetail->setFieldDefs(invoiceDetailFields());
    ADOTbInvoiceDetail->setMasterLink(ADOTbInvoice, "invoice_id", "invoice_id");
    DtsInvoiceDetail = source("DtsInvoiceDetail", ADOTbInvoiceDetail);
    // Lines are put into editing by code, never by a bound control.
    DtsInvoiceDetail->setAutoEdit(false);

    ADOTbConfig = table("ADOTbConfig", "tconfig");
    DtsConfig = source("DtsConfig", ADOTbConfig);
    ADOTb = table("ADOTb", QString());
    ADOTbPayment = table("ADOTbPayment", "tpayment");
    ADOTbShipping = table("ADOTbShipping", "tshipping");
    DtsPayment = source("DtsPayment", ADOTbPayment);
    DtsShipping = source("DtsShipping", ADOTbShipping);

    ADOQr = new db::QueryDataSet(ADOConn, this);
    ADOQr->setObjectName("ADOQr");
    ADOStPr = new db::StoredProcDataSet(ADOConn, "gettotalinvoice", this);
    ADOStPr->setObjectName("ADOStPr");
    ADOStPrItemInvoice = new db::StoredProcDataSet(ADOConn, "gethaveitemalready", this);
    ADOStPrItemInvoice->setObjectName("ADOStPrItemInvoice");
    DtsItemInvoice = source("DtsItemInvoice", ADOStPrItemInvoice);

    ADOQrsum = new db::QueryDataSet(ADOConn, this);
    ADOQrsum->setObjectName("ADOQrsum");
    ADOQrsum->setSql(SummaryStatement().join(u'\n'));
    ADOQrsum->setFieldDefs(summaryFields());
    DtsQrSum = source("DtsQrSum", ADOQrsum);

    ADOTbCustomer->afterInsertHandler = [this] { ADOTbCustomerAfterInsert(); };
    ADOTbProduct->afterInsertHandler = [this] { ADOTbProductAfterInsert(); };
    ADOTbInvoice->afterInsertHandler = [this] { ADOTbInvoiceAfterInsert(); };
    ADOTbProduct->beforeOpenHandler = [this] { ADOTbProductBeforeOpen(); };
    ADOTbInvoice->beforeOpenHandler = [this] { ADOTbInvoiceBeforeOpen(); };
    ADOTbInvoiceDetail->beforeOpenHandler = [this] { ADOTbInvoiceDetailBeforeOpen(); };
    ADOQrsum->beforeOpenHandler = [this] { ADOQrsumBeforeOpen(); };

    DataModuleCreate();
}

TDtmd::~TDtmd()
{
    if (Dtmd == this)
        Dtmd = nullptr;
}

void TDtmd::DataModuleCreate()
{
    if (ADOConn->isOpen())
        ADOConn->close();
    ADOConn->setConnectionString(QString());
}

QStringList TDtmd::SummaryStatement()
{
    // Text is joined with || so that, as before, a missing part empties the whole value.
    return {
        QStringLiteral(
            "SELECT a.invoice_id, issue_date, due_date, (b.customer_id || ' - ' || c.customer_name) as "
            "customer , (a.item_id || ' - ' || a.item_name) as product, a.item_qty, item_extended, "
            "item_price,item_shipping, item_total, item_vatamt, total_invoice "),
        QStringLiteral(
            "FROM (tinvoice_detail AS a LEFT JOIN tinvoice_master AS b ON a.invoice_id = b.invoice_id) "
            "left join tcustomer c on (b.customer_id = c.customer_id)"),
    };
}

bool TDtmd::RunStoredQuery(const QString& name)
{
    if (ADOTb->isOpen())
        ADOTb->close();
    ADOTb->setTableName(name);
    try {
        ADOTb->open();
    } catch (const db::DbError&) {
        ui::messages().warning(QStringLiteral("Cannot load '%1'.").arg(name));
        return false;
    }
    return true;
}

QString TDtmd::nextNumber(const QString& storedQuery, const QString& resultColumn, const QString& prefix,
                          const QString& startTemplate, const QString& table, const QString& keyColumn)
{
    // The failure was reported by RunStoredQuery; the row that asked gets no number.
    if (!RunStoredQuery(storedQuery))
        throw db::DbError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(ADOTb->objectName()));
    const QString highest = ADOTb->isEmpty() ? QString() : ADOTb->asString(resultColumn);
    const QSqlDatabase database = ADOConn->database();
    auto isTaken = [&](const QString& candidate) {
        QSqlQuery q(database);
        q.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(table, keyColumn));
        q.addBindValue(candidate);
        return q.exec() && q.next();
    };
    const QString number =
        NextDocumentNumber(highest, prefix, startTemplate, [](const QString&) { return false; });
    if (!isTaken(number))
        return number;
    // The rules gave a number in use: the highest id in text order was not the
    // series' own (another prefix, an empty one, or numbers grown past the
    // template's width). Go on from the series' highest id, longest first, so no
    // stored number is walked through one by one; step past any still taken.
    QString seriesHighest = highest;
    if (!prefix.isEmpty()) {
        QSqlQuery q(database);
        q.prepare(QStringLiteral("SELECT %2 FROM %1 WHERE substr(%2, 1, length(?1)) = ?1 "
                                 "ORDER BY length(%2) DESC, %2 DESC LIMIT 1")
                      .arg(table, keyColumn));
        q.addBindValue(prefix);
        if (q.exec() && q.next())
            seriesHighest = q.value(0).toString();
    }
    return NextDocumentNumber(seriesHighest, prefix, startTemplate, isTaken);
}

QString TDtmd::NextCustomerId()
{
    return nextNumber("getmaxcustomer", "maxcust", AppSettings.customer_prefix, AppSettings.startcustomer_no,
                      "tcustomer", "customer_id");
}

QString TDtmd::NextProductId()
{
    return nextNumber("getmaxproduct", "maxprod", AppSettings.product_prefix, AppSettings.startproduct_no,
                      "tproduct", "product_id");
}

QString TDtmd::NextInvoiceId()
{
    return nextNumber("getmaxinvoice", "maxinv", AppSettings.invoice_prefix, AppSettings.startinvoice_no,
                      "tinvoice_master", "invoice_id");
}

bool TDtmd::RecalcInvoiceTotals(const QString& invoiceId, InvoiceTotals& totals)
{
    try {
        if (ADOStPr->isOpen())
            ADOStPr->close();
        ADOStPr->setParameters({invoiceId});
        ADOStPr->open();
        totals.beforeDiscount = ADOStPr->asDouble("total_before_discount");
        totals.discount = ADOStPr->asDouble("total_discount");
        totals.afterDiscount = ADOStPr->asDouble("total_after_discount");
        totals.shipping = ADOStPr->asDouble("total_shipping");
        totals.vat = ADOStPr->asDouble("total_vat");
        totals.invoiceTotal = ADOStPr->asDouble("total_invoice") + totals.shipping;
        return true;
    } catch (const db::DbError&) {
        return false;
    }
}

int TDtmd::ProductAlreadyOnInvoice(const QString& invoiceId, const QString& productId)
{
    try {
        if (ADOStPrItemInvoice->isOpen())
            ADOStPrItemInvoice->close();
        ADOStPrItemInvoice->setParameters({invoiceId, productId});
        ADOStPrItemInvoice->open();
        return ADOStPrItemInvoice->asInteger("countitem");
    } catch (const db::DbError&) {
        return 0;
    }
}

void TDtmd::ADOTbCustomerAfterInsert()
{
    ADOTbCustomer->setValue("customer_id", NextCustomerId());
}

void TDtmd::ADOTbProductAfterInsert()
{
    ADOTbProduct->setValue("product_id", NextProductId());
}

void TDtmd::ADOTbInvoiceAfterInsert()
{
    ADOTbInvoice->setValue("invoice_id", NextInvoiceId());
    ADOTbInvoice->setValue("method_shipping", AppSettings.default_method_shipping);
    ADOTbInvoice->setValue("method_payment", AppSettings.default_method_payment);
    ADOTbInvoice->setValue("issue_date", QDate::currentDate());
    ADOTbInvoice->setValue("due_date", QDate::currentDate());
}

void TDtmd::ADOTbProductBeforeOpen()
{
    for (const char* f : {"product_price", "product_cost"})
        ADOTbProduct->setDisplayFormat(f, AppSettings.format_price);
}

void TDtmd::ADOTbInvoiceBeforeOpen()
{
    for (const char* f : {"issue_date", "due_date"})
        ADOTbInvoice->setDisplayFormat(f, AppSettings.format_date);
    for (const char* f : {"total_before_discount", "total_discount", "total_after_discount", "total_shipping",
                          "total_tax", "total_invoice"})
        ADOTbInvoice->setDisplayFormat(f, AppSettings.format_price);
}

void TDtmd::ADOTbInvoiceDetailBeforeOpen()
{
    ADOTbInvoiceDetail->setDisplayFormat("item_qty", AppSettings.format_qty);
    for (const char* f : {"item_price", "item_discountperunit", "item_discountpercent", "item_netprice",
                          "item_extended", "item_shipping", "item_vatamt", "item_total"})
        ADOTbInvoiceDetail->setDisplayFormat(f, AppSettings.format_price);
}

void TDtmd::ADOQrsumBeforeOpen()
{
    for (const char* f : {"issue_date", "due_date"})
        ADOQrsum->setDisplayFormat(f, AppSettings.format_date);
    ADOQrsum->setDisplayFormat("item_qty", AppSettings.format_qty);
    for (const char* f :
         {"item_extended", "item_shipping", "item_total", "item_vatamt", "total_invoice", "item_price"})
        ADOQrsum->setDisplayFormat(f, AppSettings.format_price);
}
