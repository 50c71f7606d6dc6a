#include "invoice/line_rules.h"

#include "data/app_settings.h"
#include "data/data_module.h"
#include "platform/db/dataset.h"

namespace {

template <typename T> std::optional<T> optionalValue(const db::DataSet& set, const char* name)
{
    const QVariant v = set.value(QString::fromLatin1(name));
    if (v.isNull())
        return std::nullopt;
    return v.value<T>();
}

// A text column as read, empty staying null, so that copying it keeps it empty.
QString textValue(const db::DataSet& set, const char* name)
{
    const QVariant v = set.value(QString::fromLatin1(name));
    return v.isNull() ? QString() : v.toString();
}

template <typename T> QVariant toVariant(const std::optional<T>& v)
{
    return v ? QVariant::fromValue(*v) : QVariant();
}

// Writes the columns whose value the rule changed, in the columns' order, so
// that a rule leaves untouched columns (and their modified flags) alone.
void writeChanges(db::DataSet& detail, const InvoiceLine& before, const InvoiceLine& after)
{
    auto text = [&](const char* name, const QString& b, const QString& a) {
        if (a != b)
            detail.setValue(QString::fromLatin1(name), a.isNull() ? QVariant() : QVariant(a));
    };
    auto number = [&](const char* name, const auto& b, const auto& a) {
        if (a != b)
            detail.setValue(QString::fromLatin1(name), toVariant(a));
    };
    text("item_id", before.item_id, after.item_id);
    text("item_name", before.item_name, after.item_name);
    number("item_price", before.item_price, after.item_price);
    text("item_uom", before.item_uom, after.item_uom);
    number("item_vat", before.item_vat, after.item_vat);
    number("item_qty", before.item_qty, after.item_qty);
    number("item_discountpercent", before.item_discountpercent, after.item_discountpercent);
    number("item_discountperunit", before.item_discountperunit, after.item_discountperunit);
    number("item_shipping", before.item_shipping, after.item_shipping);
    number("item_netprice", before.item_netprice, after.item_netprice);
    number("item_extended", before.item_extended, after.item_extended);
    number("item_vatamt", before.item_vatamt, after.item_vatamt);
    number("item_total", before.item_total, after.item_total);
}

} // namespace

InvoiceLine ReadInvoiceLine(const db::DataSet& detail)
{
    InvoiceLine line;
    line.invoice_id = detail.asString("invoice_id");
    line.item_id = textValue(detail, "item_id");
    line.item_name = textValue(detail, "item_name");
    line.item_uom = textValue(detail, "item_uom");
    line.item_qty = optionalValue<int>(detail, "item_qty");
    line.item_price = optionalValue<double>(detail, "item_price");
    line.item_discountperunit = optionalValue<double>(detail, "item_discountperunit");
    line.item_netprice = optionalValue<double>(detail, "item_netprice");
    line.item_extended = optionalValue<double>(detail, "item_extended");
    line.item_shipping = optionalValue<double>(detail, "item_shipping");
    line.item_vat = optionalValue<bool>(detail, "item_vat");
    line.item_vatamt = optionalValue<double>(detail, "item_vatamt");
    line.item_total = optionalValue<double>(detail, "item_total");
    line.item_discountpercent = optionalValue<double>(detail, "item_discountpercent");
    return line;
}

ProductRecord ReadProductRecord(const db::DataSet& product)
{
    ProductRecord p;
    p.product_id = textValue(product, "product_id");
    p.product_name = textValue(product, "product_name");
    p.product_uom = textValue(product, "product_uom");
    p.product_price = optionalValue<int>(product, "product_price");
    p.product_taxable = optionalValue<bool>(product, "product_taxable");
    return p;
}

namespace {

// Runs a rule on a copy of the current line and writes back what it changed;
// a line that is not being edited is left alone.
template <typename Rule> void applyToCurrentLine(db::DataSet& detail, Rule rule)
{
    if (!detail.isEditing())
        return;
    const InvoiceLine before = ReadInvoiceLine(detail);
    InvoiceLine after = before;
    rule(after);
    writeChanges(detail, before, after);
}

} // namespace

void RecalcLine(db::DataSet& detail, bool vatFlag)
{
    applyToCurrentLine(detail, [&](InvoiceLine& line) { RecalcLine(line, AppSettings.vat_rate, vatFlag); });
}

void ApplyDiscountPercent(db::DataSet& detail, QString& percentFieldText, bool vatFlag)
{
    applyToCurrentLine(detail, [&](InvoiceLine& line) {
        ApplyDiscountPercent(line, percentFieldText, AppSettings.vat_rate, vatFlag);
    });
}

void ApplyDiscountPerUnit(db::DataSet& detail, QString& perUnitFieldText, bool vatFlag)
{
    applyToCurrentLine(detail, [&](InvoiceLine& line) {
        ApplyDiscountPerUnit(line, perUnitFieldText, AppSettings.vat_rate, vatFlag);
    });
}

void ApplyProductToLine(db::DataSet& detail, const db::DataSet& product, int customerDiscount)
{
    const ProductRecord chosen = ReadProductRecord(product);
    applyToCurrentLine(detail, [&](InvoiceLine& line) {
        ApplyProductToLine(line, chosen, customerDiscount, AppSettings.vat_rate);
    });
}

void StoreInvoiceTotals(db::DataSet& invoice)
{
    TDtmd::InvoiceTotals totals;
    // A failing totals query is not reported: what it did not deliver is written as 0.
    Dtmd->RecalcInvoiceTotals(invoice.asString("invoice_id"), totals);
    if (!invoice.isEditing())
        invoice.edit();
    invoice.setValue("total_before_discount", totals.beforeDiscount);
    invoice.setValue("total_discount", totals.discount);
    invoice.setValue("total_after_discount", totals.afterDiscount);
    invoice.setValue("total_shipping", totals.shipping);
    invoice.setValue("total_tax", totals.vat);
    invoice.setValue("total_invoice", totals.invoiceTotal);
    invoice.post();
}
