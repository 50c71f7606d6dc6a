#pragma once

#include <QString>

#include <optional>

// The arithmetic of one invoice line: the derived values (net price, extended amount, VAT amount,
// line amount), the two forms of the discount kept in step, and a line filled from a product.
// Plain functions over plain values; the caller reads the current line, calls a rule and writes
// the line back. No step rounds: every result is kept as computed; only display formats round.

// The values of one tinvoice_detail row. An empty column is std::nullopt and reads as 0 (false
// for item_vat) in every rule; the derived columns are always written as numbers.
struct InvoiceLine
{
    QString invoice_id;
    QString item_id;
    QString item_name;
    QString item_uom;
    std::optional<int> item_qty;
    std::optional<double> item_price;
    std::optional<double> item_discountperunit;
    std::optional<double> item_netprice;
    std::optional<double> item_extended;
    std::optional<double> item_shipping;
    std::optional<bool> item_vat;
    std::optional<double> item_vatamt;
    std::optional<double> item_total;
    std::optional<double> item_discountpercent;
};

// The product columns a line copies when its product is chosen.
struct ProductRecord
{
    QString product_id;
    QString product_name;
    QString product_uom;
    std::optional<int> product_price;
    std::optional<bool> product_taxable;
};

// Computes item_netprice, item_extended, item_vatamt and item_total, in that order, from the price,
// the per-unit discount, the quantity and vatFlag (the VAT check box the user sees, which shows
// item_vat). vatRate is in percent (7 means 7 %). Shipping and the percent take no part.
// Throws db::DbError, leaving the line as it was, when the amounts are too large for a double.
void RecalcLine(InvoiceLine& line, double vatRate, bool vatFlag);

// The user changed the discount percent; percentFieldText is the text left in the percent field.
// An emptied field is set to "0". The percent column takes the typed value; a positive percent
// sets the per-unit discount from the price, any other sets it to 0. Then RecalcLine.
// Throws db::ConversionError, changing neither the line nor the field, when the text is no number.
void ApplyDiscountPercent(InvoiceLine& line, QString& percentFieldText, double vatRate, bool vatFlag);

// The user changed the discount per unit; perUnitFieldText is the text left in the per-unit field.
// An emptied field is set to "0". The per-unit column takes the typed value (a negative one stays
// and raises the net price); a positive one sets the percent from the price, any other sets it
// to 0. With a price of 0 there is no percent to give, and the percent becomes 0. Then RecalcLine.
// Throws db::ConversionError, changing neither the line nor the field, when the text is no number.
void ApplyDiscountPerUnit(InvoiceLine& line, QString& perUnitFieldText, double vatRate, bool vatFlag);

// A product was chosen for the line: copies id, name, price, unit and VAT flag from the product,
// sets the quantity to 1, the percent to the customer discount (a whole percent) and the per-unit
// discount from it, clears shipping, then RecalcLine with the product's VAT flag. Whatever the
// user had entered on the line before is replaced.
void ApplyProductToLine(InvoiceLine& line, const ProductRecord& product, int customerDiscount,
                        double vatRate);
