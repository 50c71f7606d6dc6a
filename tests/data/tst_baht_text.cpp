#include "data/baht_text.h"
#include "platform/db/errors.h"

#include <QtTest>

class TestBahtText : public QObject
{
    Q_OBJECT

private slots:
    void amountInWords_data();
    void amountInWords();
    void numberWords_data();
    void numberWords();
    void amountWithoutDigitsIsRefused_data();
    void amountWithoutDigitsIsRefused();
    void numberWordsRefuseNonDigits_data();
    void numberWordsRefuseNonDigits();
};

void TestBahtText::amountInWords_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");

    // Worked results of the printed invoice's amount line.
    // clang-format off
    QTest::newRow("0") << "0" << "ศูนย์บาทถ้วน";
    QTest::newRow("0.5") << "0.5" << "ศูนย์บาทห้าสิบสตางค์";
    QTest::newRow("11") << "11" << "สิบเอ็ดบาทถ้วน";
    QTest::newRow("21.01") << "21.01" << "ยี่สิบเอ็ดบาทหนึ่งสตางค์";
    QTest::newRow("25.25") << "25.25" << "ยี่สิบห้าบาทยี่สิบห้าสตางค์";
    QTest::newRow("101") << "101" << "หนึ่งร้อยหนึ่งบาทถ้วน";
    QTest::newRow("1070.5") << "1070.5" << "หนึ่งพันเจ็ดสิบบาทห้าสิบสตางค์";
    QTest::newRow("1,234.567") << "1,234.567" << "หนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบหกสตางค์";
    QTest::newRow("1000011") << "1000011" << "หนึ่งล้านสิบเอ็ดบาทถ้วน";
    QTest::newRow("1234567") << "1234567" << "หนึ่งล้านสองแสนสามหมื่นสี่พันห้าร้อยหกสิบเจ็ดบาทถ้วน";

    // Characters outside digits and "." are ignored, the minus sign too.
    QTest::newRow("minus sign") << "-5" << "ห้าบาทถ้วน";
    QTest::newRow("currency and blanks") << "฿ 1,000.00 " << "หนึ่งพันบาทถ้วน";
    // Decimals beyond the second are cut off, not rounded.
    QTest::newRow("12.349 cut") << "12.349" << "สิบสองบาทสามสิบสี่สตางค์";
    QTest::newRow("0.999 cut") << "0.999" << "ศูนย์บาทเก้าสิบเก้าสตางค์";
    // A second point within the two decimals counts as the digit 0.
    QTest::newRow("1..5") << "1..5" << "หนึ่งบาทห้าสตางค์";
    // Satang are read from the two-decimal form.
    QTest::newRow("2.05") << "2.05" << "สองบาทห้าสตางค์";
    QTest::newRow("2.5") << "2.5" << "สองบาทห้าสิบสตางค์";
    QTest::newRow("2.10") << "2.10" << "สองบาทสิบสตางค์";
    QTest::newRow("2.11") << "2.11" << "สองบาทสิบเอ็ดสตางค์";
    QTest::newRow("whole with zero satang") << "12.00" << "สิบสองบาทถ้วน";
    QTest::newRow("trailing point") << "12." << "สิบสองบาทถ้วน";
    QTest::newRow("no baht digits") << ".75" << "ศูนย์บาทเจ็ดสิบห้าสตางค์";
    QTest::newRow("leading zeros") << "007" << "เจ็ดบาทถ้วน";
    QTest::newRow("one million") << "1000000" << "หนึ่งล้านบาทถ้วน";
    QTest::newRow("largest of seven digits")
        << "9999999.99" << "เก้าล้านเก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบเก้าบาทเก้าสิบเก้าสตางค์";

    // Ten million and beyond: the million repeats, with the same words inside each six digits.
    QTest::newRow("10 million") << "10000000" << "สิบล้านบาทถ้วน";
    QTest::newRow("11,000,001") << "11000001" << "สิบเอ็ดล้านหนึ่งบาทถ้วน";
    QTest::newRow("21 million") << "21000000" << "ยี่สิบเอ็ดล้านบาทถ้วน";
    QTest::newRow("100 million") << "100000000" << "หนึ่งร้อยล้านบาทถ้วน";
    QTest::newRow("past 32 bits")
        << "2147483648" << "สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบแปดบาทถ้วน";
    QTest::newRow("a trillion and a quarter")
        << "1000000000000.25" << "หนึ่งล้านล้านบาทยี่สิบห้าสตางค์";
    QTest::newRow("a million and one millions") << "1000001000000" << "หนึ่งล้านหนึ่งล้านบาทถ้วน";
    QTest::newRow("10^15") << "1000000000000000" << "หนึ่งพันล้านล้านบาทถ้วน";
    QTest::newRow("10^15 + 21.01")
        << "1000000000000021.01" << "หนึ่งพันล้านล้านยี่สิบเอ็ดบาทหนึ่งสตางค์";
    // clang-format on
}

void TestBahtText::amountInWords()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(BahtText(amount), expected);
}

void TestBahtText::numberWords_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("zero") << "0" << "ศูนย์";
    QTest::newRow("run of zeros") << "0000" << "ศูนย์";
    QTest::newRow("1") << "1" << "หนึ่ง";
    QTest::newRow("10") << "10" << "สิบ";
    QTest::newRow("20") << "20" << "ยี่สิบ";
    QTest::newRow("91") << "91" << "เก้าสิบเอ็ด";
    QTest::newRow("1001") << "1001" << "หนึ่งพันหนึ่ง";
    QTest::newRow("1000001") << "1000001" << "หนึ่งล้านหนึ่ง";
    QTest::newRow("1000021") << "1000021" << "หนึ่งล้านยี่สิบเอ็ด";
    QTest::newRow("120000") << "120000" << "หนึ่งแสนสองหมื่น";
    QTest::newRow("leading zeros ignored") << "0021" << "ยี่สิบเอ็ด";
    QTest::newRow("20 million 20") << "20000020" << "ยี่สิบล้านยี่สิบ";
    // clang-format on
}

void TestBahtText::numberWords()
{
    QFETCH(QString, digits);
    QFETCH(QString, expected);
    QCOMPARE(ThaiNumberWords(digits), expected);
}

void TestBahtText::amountWithoutDigitsIsRefused_data()
{
    QTest::addColumn<QString>("amount");
    // clang-format off
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("only a point") << ".";
    QTest::newRow("letters") << "abc";
    // clang-format on
}

void TestBahtText::amountWithoutDigitsIsRefused()
{
    QFETCH(QString, amount);
    try {
        BahtText(amount);
        QFAIL("an amount without digits must be refused");
    } catch (const db::ConversionError& error) {
        QCOMPARE(error.text(), QStringLiteral("'%1' is not a valid floating point value").arg(amount));
    }
}

void TestBahtText::numberWordsRefuseNonDigits_data()
{
    QTest::addColumn<QString>("digits");
    // clang-format off
    QTest::newRow("empty") << "";
    QTest::newRow("sign") << "-5";
    QTest::newRow("point") << "1.5";
    QTest::newRow("separator") << "1,000";
    // clang-format on
}

void TestBahtText::numberWordsRefuseNonDigits()
{
    QFETCH(QString, digits);
    QVERIFY_THROWS_EXCEPTION(db::ConversionError, ThaiNumberWords(digits));
}

QTEST_GUILESS_MAIN(TestBahtText)
#include "tst_baht_text.moc"
