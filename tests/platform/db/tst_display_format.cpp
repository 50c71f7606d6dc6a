#include "platform/db/display_format.h"

#include <QtTest>

#include <limits>

class TestDisplayFormat : public QObject
{
    Q_OBJECT

private slots:
    void numberUnderMask_data();
    void numberUnderMask();
    void shortestDecimal_data();
    void shortestDecimal();
    void dateUnderMask_data();
    void dateUnderMask();
};

void TestDisplayFormat::numberUnderMask_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    // The default masks for money and quantities.
    // clang-format off
    QTest::newRow("money 1234.5") << 1234.5 << "#,#00.00" << "1,234.50";
    QTest::newRow("money 5") << 5.0 << "#,#00.00" << "05.00";
    QTest::newRow("money 0") << 0.0 << "#,#00.00" << "00.00";
    QTest::newRow("money 1e12") << 1e12 << "#,#00.00" << "1,000,000,000,000.00";
    QTest::newRow("money 1234567.891") << 1234567.891 << "#,#00.00" << "1,234,567.89";
    QTest::newRow("qty 1234") << 1234.0 << "#,#00" << "1,234";
    QTest::newRow("qty 5") << 5.0 << "#,#00" << "05";
    QTest::newRow("qty 0") << 0.0 << "#,#00" << "00";

    // The masks the settings dialog offers.
    QTest::newRow("#,##0.00 1234.5") << 1234.5 << "#,##0.00" << "1,234.50";
    QTest::newRow("#,##0.00 0") << 0.0 << "#,##0.00" << "0.00";
    QTest::newRow("#,##0.00 0.5") << 0.5 << "#,##0.00" << "0.50";
    QTest::newRow("#,###.## 1234.5") << 1234.5 << "#,###.##" << "1,234.5";
    QTest::newRow("#,###.## 1234") << 1234.0 << "#,###.##" << "1,234";
    QTest::newRow("#,###.## 0") << 0.0 << "#,###.##" << "0";
    QTest::newRow("#,###.## 0.5") << 0.5 << "#,###.##" << "0.5";
    QTest::newRow("#,###.## 0.001 rounds to zero") << 0.001 << "#,###.##" << "0";
    QTest::newRow("#,###.## 12.345") << 12.345 << "#,###.##" << "12.35";
    QTest::newRow("#,##0 1234.5 rounds up") << 1234.5 << "#,##0" << "1,235";
    QTest::newRow("#,##0 999.4") << 999.4 << "#,##0" << "999";
    QTest::newRow("#,##0 1e12") << 1e12 << "#,##0" << "1,000,000,000,000";
    QTest::newRow("#0 1234567") << 1234567.0 << "#0" << "1234567";
    QTest::newRow("#0 0") << 0.0 << "#0" << "0";
    QTest::newRow("#0 2.5") << 2.5 << "#0" << "3";

    // Rounding is half away from zero on the decimal value as written, not on the binary double
    // (1.005, 2.675 and 1.115 all lie a hair below their written value).
    QTest::newRow("1.005") << 1.005 << "0.00" << "1.01";
    QTest::newRow("2.675") << 2.675 << "0.00" << "2.68";
    QTest::newRow("1.115") << 1.115 << "#,##0.00" << "1.12";
    QTest::newRow("0.125") << 0.125 << "0.00" << "0.13";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.00000000" << "0.30000000";
    QTest::newRow("carry into the integer part") << 999999.995 << "#,##0.00" << "1,000,000.00";
    QTest::newRow("carry below one") << 0.996 << "#,###.##" << "1";
    QTest::newRow("VAT of 1800 at 7 %") << (7.0 / 100.0) * 1800.0 << "#,#00.00" << "126.00";
    QTest::newRow("cent on a large amount") << 1000000000000.25 << "#,##0.00" << "1,000,000,000,000.25";

    // Negative values: the sign leads, and a value that rounds to zero shows no sign.
    QTest::newRow("negative money") << -1234.5 << "#,#00.00" << "-1,234.50";
    QTest::newRow("negative qty") << -5.0 << "#,#00" << "-05";
    QTest::newRow("negative rounds away from zero") << -2.675 << "#,##0.00" << "-2.68";
    QTest::newRow("-0.001 is zero") << -0.001 << "#,##0.00" << "0.00";
    QTest::newRow("-0.0") << -0.0 << "#,##0.00" << "0.00";
    QTest::newRow("-0.4 under #0") << -0.4 << "#0" << "0";

    // Grouping covers the whole integer part, wherever the comma stands.
    QTest::newRow("comma late in the mask") << 1234567.0 << "###0,0" << "1,234,567";
    QTest::newRow("leading zeros are grouped") << 5.0 << "0,000" << "0,005";

    // Text around the digits stays; a mask without digits shows the plain value.
    QTest::newRow("currency text") << 1234.5 << "#,##0.00 THB" << "1,234.50 THB";
    QTest::newRow("empty mask") << 1070.5 << "" << "1070.5";
    QTest::newRow("empty mask negative") << -7.25 << "" << "-7.25";
    QTest::newRow("mask without digits") << 12.5 << "abc" << "12.5";
    // clang-format on
}

void TestDisplayFormat::numberUnderMask()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(db::formatNumber(value, mask), expected);
}

void TestDisplayFormat::shortestDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("whole") << 7.0 << "7";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("one decimal") << 1070.5 << "1070.5";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative") << -12.25 << "-12.25";
    QTest::newRow("small") << 0.000001 << "0.000001";
    QTest::newRow("no exponent for large values") << 1e20 << "100000000000000000000";
    QTest::newRow("trillion and a quarter") << 1000000000000.25 << "1000000000000.25";
    QTest::newRow("15 significant digits") << 123456789.123456789 << "123456789.123457";
    QTest::newRow("VAT of 1800 at 7 %") << (7.0 / 100.0) * 1800.0 << "126";
    QTest::newRow("grand total") << 2033.0 << "2033";
    // clang-format on
}

void TestDisplayFormat::shortestDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(db::shortestDecimalText(value), expected);
}

void TestDisplayFormat::dateUnderMask_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    const QDate newYearsEve(2024, 12, 31);
    const QDate earlyMarch(2025, 3, 5);
    // clang-format off
    QTest::newRow("default") << earlyMarch << "dd/mm/yyyy" << "05/03/2025";
    QTest::newRow("MM/DD/YYYY") << earlyMarch << "MM/DD/YYYY" << "03/05/2025";
    QTest::newRow("DD/MM/YYYY") << earlyMarch << "DD/MM/YYYY" << "05/03/2025";
    QTest::newRow("MM/DD/YY") << earlyMarch << "MM/DD/YY" << "03/05/25";
    QTest::newRow("DD/MM/YY") << newYearsEve << "DD/MM/YY" << "31/12/24";
    QTest::newRow("mixed case") << newYearsEve << "Dd/mM/yYyY" << "31/12/2024";
    QTest::newRow("two-digit year of 2005") << QDate(2005, 1, 9) << "dd/mm/yy" << "09/01/05";
    QTest::newRow("other separators stay") << earlyMarch << "yyyy-mm-dd" << "2025-03-05";
    QTest::newRow("single letters drop the zero") << earlyMarch << "d/m/yyyy" << "5/3/2025";
    QTest::newRow("null date") << QDate() << "dd/mm/yyyy" << "";
    QTest::newRow("invalid date") << QDate(2025, 2, 30) << "dd/mm/yyyy" << "";
    // clang-format on
}

void TestDisplayFormat::dateUnderMask()
{
    QFETCH(QDate, date);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(db::formatDate(date, mask), expected);
}

QTEST_GUILESS_MAIN(TestDisplayFormat)
#include "tst_display_format.moc"
