#include "invoice/line_arithmetic.h"
#include "platform/db/errors.h"

#include <QtTest>

#include <limits>

namespace {

const double vatRate = 7.0;

ProductRecord taxableProduct(std::optional<int> price)
{
    return ProductRecord{QStringLiteral("PRD-0000001"), QStringLiteral("Water pump"), QStringLiteral("PCS"),
                         price, true};
}

// A line as the user sees it after choosing a product priced `price` with no customer discount.
InvoiceLine lineWithPrice(double price, int quantity)
{
    InvoiceLine line;
    ApplyProductToLine(line, taxableProduct(0), 0, vatRate);
    line.item_price = price;
    line.item_qty = quantity;
    RecalcLine(line, vatRate, true);
    return line;
}

// Wrapped so that QCOMPARE compares the doubles exactly and prints all 17 digits on failure.
std::optional<double> exactly(double value)
{
    return value;
}

bool sameLine(const InvoiceLine& a, const InvoiceLine& b)
{
    return a.item_id == b.item_id && a.item_name == b.item_name && a.item_uom == b.item_uom &&
           a.item_qty == b.item_qty && a.item_price == b.item_price &&
           a.item_discountperunit == b.item_discountperunit && a.item_netprice == b.item_netprice &&
           a.item_extended == b.item_extended && a.item_shipping == b.item_shipping &&
           a.item_vat == b.item_vat && a.item_vatamt == b.item_vatamt && a.item_total == b.item_total &&
           a.item_discountpercent == b.item_discountpercent;
}

} // namespace

// Failure messages that show the exact double (17 digits) or "empty".
namespace QTest {
template <> char* toString(const std::optional<double>& value)
{
    return qstrdup(value ? QByteArray::number(*value, 'g', 17).constData() : "empty");
}
template <> char* toString(const std::optional<int>& value)
{
    return qstrdup(value ? QByteArray::number(*value).constData() : "empty");
}
template <> char* toString(const std::optional<bool>& value)
{
    return qstrdup(value ? (*value ? "true" : "false") : "empty");
}
} // namespace QTest

class TestLineArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void discountFormsAgree();
    void recalc_data();
    void recalc();
    void discountField_data();
    void discountField();
    void discountTextThatIsNoNumberChangesNothing_data();
    void discountTextThatIsNoNumberChangesNothing();
    void productChoice_data();
    void productChoice();
    void productChoiceReplacesEarlierEntries();
    void overflowIsRefusedAndChangesNothing();
};

// The worked example: vat_rate 7, customer discount 5, a taxable product priced 1000, then the
// user's changes one after another. The doubles are compared exactly. Whole numbers and halves
// such as 950 and 66.5 are exact doubles; the products land on them exactly too because the
// representation error of 0.05 and 0.07 (below 1e-17 relative), multiplied out, stays under half
// the spacing of doubles near the result. (7 / 100) * 1800 is the one exception: 0.07 lies
// 6.7e-18 above 7/100, so the product lies 1.2e-14 above 126 and rounds to the next double up,
// 126.00000000000001 (shown as 126.00). Nothing rounds it back, as the rules keep every value as
// computed; the line amount 1926 is exact again because that excess is far below the spacing of
// doubles near 1926.
void TestLineArithmetic::workedExample()
{
    InvoiceLine line;

    ApplyProductToLine(line, taxableProduct(1000), 5, vatRate);
    QCOMPARE(line.item_qty, 1);
    QCOMPARE(line.item_price, exactly(1000.0));
    QCOMPARE(line.item_discountperunit, exactly(50.0));
    QCOMPARE(line.item_discountpercent, exactly(5.0));
    QCOMPARE(line.item_netprice, exactly(950.0));
    QCOMPARE(line.item_extended, exactly(950.0));
    QCOMPARE(line.item_vatamt, exactly(66.5));
    QCOMPARE(line.item_total, exactly(1016.5));

    line.item_qty = 2;
    RecalcLine(line, vatRate, line.item_vat.value_or(false));
    QCOMPARE(line.item_netprice, exactly(950.0));
    QCOMPARE(line.item_extended, exactly(1900.0));
    QCOMPARE(line.item_vatamt, exactly(133.0));
    QCOMPARE(line.item_total, exactly(2033.0));

    QString perUnitField = QStringLiteral("100");
    ApplyDiscountPerUnit(line, perUnitField, vatRate, true);
    QCOMPARE(perUnitField, QStringLiteral("100"));
    QCOMPARE(line.item_discountperunit, exactly(100.0));
    QCOMPARE(line.item_discountpercent, exactly(10.0));
    QCOMPARE(line.item_netprice, exactly(900.0));
    QCOMPARE(line.item_extended, exactly(1800.0));
    QCOMPARE(line.item_vatamt, exactly(126.00000000000001));
    QCOMPARE(line.item_total, exactly(1926.0));

    line.item_vat = false;
    RecalcLine(line, vatRate, false);
    QCOMPARE(line.item_extended, exactly(1800.0));
    QCOMPARE(line.item_vatamt, exactly(0.0));
    QCOMPARE(line.item_total, exactly(1800.0));

    // Shipping takes no part in the line amount.
    line.item_shipping = 30.0;
    RecalcLine(line, vatRate, false);
    QCOMPARE(line.item_shipping, exactly(30.0));
    QCOMPARE(line.item_netprice, exactly(900.0));
    QCOMPARE(line.item_extended, exactly(1800.0));
    QCOMPARE(line.item_vatamt, exactly(0.0));
    QCOMPARE(line.item_total, exactly(1800.0));
}

// 25 per unit on 200 is 12.5 %, and 12.5 % of 200 is 25 per unit, both exactly.
void TestLineArithmetic::discountFormsAgree()
{
    InvoiceLine line = lineWithPrice(200.0, 1);

    QString perUnitField = QStringLiteral("25");
    ApplyDiscountPerUnit(line, perUnitField, vatRate, true);
    QCOMPARE(line.item_discountpercent, exactly(12.5));
    QCOMPARE(line.item_netprice, exactly(175.0));

    QString percentField = QStringLiteral("12.5");
    line.item_discountperunit = 0.0;
    ApplyDiscountPercent(line, percentField, vatRate, true);
    QCOMPARE(line.item_discountperunit, exactly(25.0));
    QCOMPARE(line.item_discountpercent, exactly(12.5));
    QCOMPARE(line.item_netprice, exactly(175.0));
}

void TestLineArithmetic::recalc_data()
{
    QTest::addColumn<std::optional<double>>("price");
    QTest::addColumn<std::optional<double>>("perUnit");
    QTest::addColumn<std::optional<int>>("quantity");
    QTest::addColumn<bool>("vatFlag");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("extended");
    QTest::addColumn<double>("vat");
    QTest::addColumn<double>("total");

    using D = std::optional<double>;
    using I = std::optional<int>;
    // clang-format off
    QTest::newRow("quantity 0") << D(1000) << D(50) << I(0) << true << 950.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("VAT off") << D(1000) << D(50) << I(2) << false << 950.0 << 1900.0 << 0.0 << 1900.0;
    QTest::newRow("discount above the price")
        << D(100) << D(150) << I(2) << true << -50.0 << -100.0 << -7.0 << -107.0;
    QTest::newRow("negative discount raises the net")
        << D(100) << D(-10) << I(1) << false << 110.0 << 110.0 << 0.0 << 110.0;
    QTest::newRow("empty values read as 0") << D() << D() << I() << true << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("empty quantity") << D(1000) << D() << I() << true << 1000.0 << 0.0 << 0.0 << 0.0;
    // clang-format on
}

void TestLineArithmetic::recalc()
{
    QFETCH(std::optional<double>, price);
    QFETCH(std::optional<double>, perUnit);
    QFETCH(std::optional<int>, quantity);
    QFETCH(bool, vatFlag);

    InvoiceLine line;
    line.item_price = price;
    line.item_discountperunit = perUnit;
    line.item_qty = quantity;
    line.item_shipping = 30.0;
    line.item_vatamt = 999.0; // typed by hand: replaced at once
    RecalcLine(line, vatRate, vatFlag);

    QTEST(*line.item_netprice, "net");
    QTEST(*line.item_extended, "extended");
    QTEST(*line.item_vatamt, "vat");
    QTEST(*line.item_total, "total");
    QCOMPARE(line.item_shipping, 30.0);
    QCOMPARE(line.item_price, price); // an empty price stays empty
}

void TestLineArithmetic::discountField_data()
{
    QTest::addColumn<bool>("percentField"); // false: the per-unit field
    QTest::addColumn<std::optional<double>>("price");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("perUnit");
    QTest::addColumn<double>("net");

    using D = std::optional<double>;
    // clang-format off
    QTest::newRow("percent emptied") << true << D(200) << "" << "0" << 0.0 << 0.0 << 200.0;
    QTest::newRow("percent blanked") << true << D(200) << "   " << "0" << 0.0 << 0.0 << 200.0;
    QTest::newRow("percent with blanks") << true << D(200) << " 12.5 " << " 12.5 " << 12.5 << 25.0 << 175.0;
    QTest::newRow("negative percent") << true << D(200) << "-5" << "-5" << -5.0 << 0.0 << 200.0;
    QTest::newRow("percent in exponent form") << true << D(200) << "1e1" << "1e1" << 10.0 << 20.0 << 180.0;
    QTest::newRow("per unit emptied") << false << D(200) << "" << "0" << 0.0 << 0.0 << 200.0;
    QTest::newRow("negative per unit") << false << D(200) << "-10" << "-10" << 0.0 << -10.0 << 210.0;
    QTest::newRow("per unit on price 0") << false << D(0) << "5" << "5" << 0.0 << 5.0 << -5.0;
    QTest::newRow("per unit on empty price") << false << D() << "5" << "5" << 0.0 << 5.0 << -5.0;
    QTest::newRow("per unit on a tiny price")
        << false << D(1e-320) << "1e300" << "1e300" << 0.0 << 1e300 << -1e300;
    // clang-format on
}

void TestLineArithmetic::discountField()
{
    QFETCH(bool, percentField);
    QFETCH(std::optional<double>, price);
    QFETCH(QString, typed);

    InvoiceLine line;
    line.item_price = price;
    line.item_qty = 1;
    line.item_discountperunit = 40.0;
    line.item_discountpercent = 20.0;
    QString field = typed;
    if (percentField)
        ApplyDiscountPercent(line, field, vatRate, false);
    else
        ApplyDiscountPerUnit(line, field, vatRate, false);

    QTEST(field, "fieldAfter");
    QTEST(*line.item_discountpercent, "percent");
    QTEST(*line.item_discountperunit, "perUnit");
    QTEST(*line.item_netprice, "net");
    QVERIFY(std::isfinite(*line.item_total));
}

void TestLineArithmetic::discountTextThatIsNoNumberChangesNothing_data()
{
    QTest::addColumn<bool>("percentField");
    QTest::addColumn<QString>("typed");

    // clang-format off
    QTest::newRow("percent letters") << true << "abc";
    QTest::newRow("percent decimal comma") << true << "12,5";
    QTest::newRow("percent thousands separator") << true << "1,000";
    QTest::newRow("percent nan") << true << "nan";
    QTest::newRow("percent inf") << true << "inf";
    QTest::newRow("percent out of range") << true << "1e400";
    QTest::newRow("per unit letters") << false << "12a";
    QTest::newRow("per unit two points") << false << "1.2.3";
    // clang-format on
}

void TestLineArithmetic::discountTextThatIsNoNumberChangesNothing()
{
    QFETCH(bool, percentField);
    QFETCH(QString, typed);

    InvoiceLine line;
    ApplyProductToLine(line, taxableProduct(1000), 5, vatRate);
    const InvoiceLine before = line;
    QString field = typed;

    try {
        if (percentField)
            ApplyDiscountPercent(line, field, vatRate, true);
        else
            ApplyDiscountPerUnit(line, field, vatRate, true);
        QFAIL("text that is no number must be refused");
    } catch (const db::ConversionError& error) {
        QCOMPARE(error.text(), QStringLiteral("'%1' is not a valid floating point value").arg(typed));
    }
    QCOMPARE(field, typed);
    QVERIFY(sameLine(line, before));
}

void TestLineArithmetic::productChoice_data()
{
    QTest::addColumn<std::optional<int>>("price");
    QTest::addColumn<std::optional<bool>>("taxable");
    QTest::addColumn<int>("customerDiscount");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("perUnit");
    QTest::addColumn<double>("vat");
    QTest::addColumn<double>("total");

    using I = std::optional<int>;
    using B = std::optional<bool>;
    // clang-format off
    QTest::newRow("no customer discount") << I(1000) << B(true) << 0 << 0.0 << 0.0 << 70.0 << 1070.0;
    QTest::newRow("negative customer discount") << I(1000) << B(true) << -5 << -5.0 << 0.0 << 70.0 << 1070.0;
    QTest::newRow("product without price") << I() << B(true) << 5 << 5.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("product without taxable flag") << I(1000) << B() << 0 << 0.0 << 0.0 << 0.0 << 1000.0;
    QTest::newRow("product not taxable") << I(1000) << B(false) << 10 << 10.0 << 100.0 << 0.0 << 900.0;
    // clang-format on
}

void TestLineArithmetic::productChoice()
{
    QFETCH(std::optional<int>, price);
    QFETCH(std::optional<bool>, taxable);
    QFETCH(int, customerDiscount);

    ProductRecord product = taxableProduct(price);
    product.product_taxable = taxable;
    InvoiceLine line;
    ApplyProductToLine(line, product, customerDiscount, vatRate);

    QCOMPARE(line.item_price.has_value(), price.has_value()); // an empty product price stays empty
    QCOMPARE(line.item_vat, taxable);
    QTEST(*line.item_discountpercent, "percent");
    QTEST(*line.item_discountperunit, "perUnit");
    QTEST(*line.item_vatamt, "vat");
    QTEST(*line.item_total, "total");
}

void TestLineArithmetic::productChoiceReplacesEarlierEntries()
{
    InvoiceLine line;
    ApplyProductToLine(line, taxableProduct(1000), 5, vatRate);
    line.item_qty = 7;
    line.item_shipping = 30.0;
    QString perUnitField = QStringLiteral("100");
    ApplyDiscountPerUnit(line, perUnitField, vatRate, true);

    const ProductRecord other{QStringLiteral("PRD-0000002"), QStringLiteral("Hose"), QStringLiteral("M"), 40,
                              false};
    ApplyProductToLine(line, other, 5, vatRate);

    QCOMPARE(line.item_id, QStringLiteral("PRD-0000002"));
    QCOMPARE(line.item_name, QStringLiteral("Hose"));
    QCOMPARE(line.item_uom, QStringLiteral("M"));
    QCOMPARE(line.item_qty, 1);
    QCOMPARE(line.item_shipping, 0.0);
    QCOMPARE(line.item_discountpercent, 5.0);
    QCOMPARE(line.item_discountperunit, 2.0);
    QCOMPARE(line.item_netprice, 38.0);
    QCOMPARE(line.item_vatamt, 0.0);
    QCOMPARE(line.item_total, 38.0);
}

// Amounts beyond the range of a double would be stored as infinity; the rule refuses instead and
// the line, and the field the user typed in, keep what they held.
void TestLineArithmetic::overflowIsRefusedAndChangesNothing()
{
    InvoiceLine line = lineWithPrice(1000.0, 2);
    const InvoiceLine before = line;

    QString perUnitField = QStringLiteral("1e308");
    QVERIFY_THROWS_EXCEPTION(db::DbError, ApplyDiscountPerUnit(line, perUnitField, vatRate, true));
    QVERIFY(sameLine(line, before));

    line.item_price = std::numeric_limits<double>::max();
    const InvoiceLine huge = line;
    QVERIFY_THROWS_EXCEPTION(db::DbError, RecalcLine(line, vatRate, true));
    QVERIFY(sameLine(line, huge));
}

QTEST_GUILESS_MAIN(TestLineArithmetic)
#include "tst_line_arithmetic.moc"
