#include "invoice/line_arithmetic.h"

#include "platform/db/errors.h"

#include <QLocale>

#include <cmath>

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// A discount field's text as a number, "." as the decimal point whatever the desktop locale,
// blanks around it allowed, no thousands separators. Infinity and NaN are no amounts.
double discountValueOf(const QString& fieldText)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(fieldText.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw db::ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(fieldText));
    return value;
}

} // namespace

void RecalcLine(InvoiceLine& line, double vatRate, bool vatFlag)
{
    const double price = line.item_price.value_or(0.0);
    const double discountPerUnit = line.item_discountperunit.value_or(0.0);
    const int quantity = line.item_qty.value_or(0);

    // Each value is kept as a double before the next step uses it, and the rate is turned into
    // a fraction before it multiplies the extended amount: (7 / 100) * 950, not 7 * 950 / 100.
    const double netPrice = price - discountPerUnit;
    const double extended = netPrice * quantity;
    const double vatAmount = vatFlag ? (vatRate / 100.0) * extended : 0.0;
    const double total = extended + vatAmount;

    // An overflow would store infinity, which no total, display or printout can use.
    if (!std::isfinite(netPrice) || !std::isfinite(extended) || !std::isfinite(vatAmount) ||
        !std::isfinite(total))
        throw db::DbError(QStringLiteral("The amounts of this line are too large to compute."));

    line.item_netprice = netPrice;
    line.item_extended = extended;
    line.item_vatamt = vatAmount;
    line.item_total = total;
}

void ApplyDiscountPercent(InvoiceLine& line, QString& percentFieldText, double vatRate, bool vatFlag)
{
    const bool emptied = isBlank(percentFieldText);
    const double percent = emptied ? 0.0 : discountValueOf(percentFieldText);

    // Work on a copy so that a failing step leaves the line as the user last saw it.
    InvoiceLine changed = line;
    const double price = changed.item_price.value_or(0.0);
    changed.item_discountpercent = percent;
    changed.item_discountperunit = percent > 0 ? percent * (price / 100.0) : 0.0;
    RecalcLine(changed, vatRate, vatFlag);

    line = std::move(changed);
    if (emptied)
        percentFieldText = QStringLiteral("0");
}

void ApplyDiscountPerUnit(InvoiceLine& line, QString& perUnitFieldText, double vatRate, bool vatFlag)
{
    const bool emptied = isBlank(perUnitFieldText);
    const double perUnit = emptied ? 0.0 : discountValueOf(perUnitFieldText);

    InvoiceLine changed = line;
    const double price = changed.item_price.value_or(0.0);
    changed.item_discountperunit = perUnit;
    double percent = 0.0;
    if (perUnit > 0 && price != 0.0) {
        percent = perUnit / price * 100.0;
        // A price so small that the quotient overflows has no meaningful percent either.
        if (!std::isfinite(percent))
            percent = 0.0;
    }
    changed.item_discountpercent = percent;
    RecalcLine(changed, vatRate, vatFlag);

    line = std::move(changed);
    if (emptied)
        perUnitFieldText = QStringLiteral("0");
}

void ApplyProductToLine(InvoiceLine& line, const ProductRecord& product, int customerDiscount, double vatRate)
{
    InvoiceLine changed = line;
    changed.item_id = product.product_id;
    changed.item_name = product.product_name;
    changed.item_price =
        product.product_price ? std::optional<double>(*product.product_price) : std::optional<double>();
    changed.item_uom = product.product_uom;
    changed.item_vat = product.product_taxable;

    changed.item_qty = 1;
    changed.item_discountpercent = customerDiscount;
    const double price = changed.item_price.value_or(0.0);
    changed.item_discountperunit =
        customerDiscount > 0 ? (*changed.item_discountpercent / 100.0) * price : 0.0;

    changed.item_shipping = 0.0;
    changed.item_extended = 0.0;
    changed.item_netprice = 0.0;
    changed.item_vatamt = 0.0;
    changed.item_total = 0.0;
    RecalcLine(changed, vatRate, changed.item_vat.value_or(false));

    line = std::move(changed);
}
