#include "data/baht_text.h"

#include "platform/db/errors.h"

#include <array>

namespace {

const std::array<QString, 10> digitWords = {
    QString(),
    QStringLiteral("หนึ่ง"),
    QStringLiteral("สอง"),
    QStringLiteral("สาม"),
    QStringLiteral("สี่"),
    QStringLiteral("ห้า"),
    QStringLiteral("หก"),
    QStringLiteral("เจ็ด"),
    QStringLiteral("แปด"),
    QStringLiteral("เก้า"),
};

// Place words by position from the right inside a group of six digits (1 = units).
const std::array<QString, 7> placeWords = {
    QString(),
    QString(),
    QStringLiteral("สิบ"),
    QStringLiteral("ร้อย"),
    QStringLiteral("พัน"),
    QStringLiteral("หมื่น"),
    QStringLiteral("แสน"),
};

const QString zeroWord = QStringLiteral("ศูนย์");
const QString twentyWord = QStringLiteral("ยี่");
const QString unitOneAfterTensWord = QStringLiteral("เอ็ด");
const QString millionWord = QStringLiteral("ล้าน");
const QString bahtWord = QStringLiteral("บาท");
const QString satangWord = QStringLiteral("สตางค์");
const QString wholeBahtWord = QStringLiteral("บาทถ้วน");

constexpr qsizetype millionGroupDigits = 6;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitValue(QChar c)
{
    return c.unicode() - '0';
}

// Words for up to six digits, below the million. A units digit 1 reads "เอ็ด" when the tens digit
// of the same group is not 0 (11, 21, ... 91), and "หนึ่ง" otherwise (1, 101, 1001).
QString groupWords(const QString& group)
{
    QString words;
    const qsizetype count = group.size();
    bool tensDigitSet = false;
    for (qsizetype i = 0; i < count; ++i) {
        const int digit = digitValue(group.at(i));
        const qsizetype position = count - i;
        if (digit == 0) {
            tensDigitSet = false;
            continue;
        }
        QString word = digitWords[digit];
        if (position == 2) {
            if (digit == 1)
                word.clear();
            else if (digit == 2)
                word = twentyWord;
            tensDigitSet = true;
        } else if (position == 1 && digit == 1 && tensDigitSet) {
            word = unitOneAfterTensWord;
        }
        words += word + placeWords[position];
    }
    return words;
}

// Where the amount keeps no digit it is not a number; the text names what the caller gave.
[[noreturn]] void throwNotANumber(const QString& amount)
{
    throw db::ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(amount));
}

} // namespace

// Numbers of more than seven digits are read the Thai way, in groups of six digits from the right,
// each group above the lowest followed by "ล้าน" (also a group of zeros, as the million repeats):
// 10,000,000 is "สิบล้าน", 1,000,000,000,000 is "หนึ่งล้านล้าน". Inside every group the words are
// those below the million, and the "เอ็ด" of a units digit looks only at the tens digit of its own
// group: 11,000,001 is "สิบเอ็ดล้านหนึ่ง", 21,000,000 is "ยี่สิบเอ็ดล้าน". Up to seven digits this is
// exactly the reading of the digits one by one with "ล้าน" after the seventh.
// The value is never converted to a machine integer, so there is no upper limit.
QString ThaiNumberWords(const QString& digits)
{
    if (digits.isEmpty())
        throw db::ConversionError(QStringLiteral("'' is not a valid integer value"));
    for (QChar c : digits)
        if (!isAsciiDigit(c))
            throw db::ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(digits));

    qsizetype firstSignificant = 0;
    while (firstSignificant < digits.size() && digits.at(firstSignificant) == QLatin1Char('0'))
        ++firstSignificant;
    const QString significant = digits.mid(firstSignificant);
    if (significant.isEmpty())
        return zeroWord;

    QString words;
    const qsizetype groupCount = (significant.size() + millionGroupDigits - 1) / millionGroupDigits;
    qsizetype groupEnd = significant.size() - (groupCount - 1) * millionGroupDigits;
    qsizetype groupStart = 0;
    for (qsizetype group = groupCount - 1; group >= 0; --group) {
        words += groupWords(significant.mid(groupStart, groupEnd - groupStart));
        if (group > 0)
            words += millionWord;
        groupStart = groupEnd;
        groupEnd += millionGroupDigits;
    }
    return words;
}

// The amount is taken digit for digit rather than through a double: the two-decimal cut below
// already leaves at most two decimals, so nothing is left to round, and amounts of any size keep
// every digit (1000000000000.25 stays exactly that).
QString BahtText(const QString& amount)
{
    // At most two decimals stay; further ones are cut off, not rounded. Positions count the
    // characters as given, separators included.
    const qsizetype pointPosition = amount.indexOf(QLatin1Char('.')) + 1; // 1-based, 0 when none
    const QString kept = pointPosition > 0 ? amount.left(pointPosition + 2) : amount;

    // Keep the digits and the first point; a later point within the two decimals counts as 0,
    // so "1..5" reads as 1.05.
    QString clean;
    bool hasDigit = false;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QChar c = kept.at(i);
        if (isAsciiDigit(c)) {
            clean += c;
            hasDigit = true;
        } else if (c == QLatin1Char('.')) {
            clean += (i + 1 > pointPosition) ? QLatin1Char('0') : QLatin1Char('.');
        }
    }
    if (!hasDigit)
        throwNotANumber(amount);

    const qsizetype pointInClean = clean.indexOf(QLatin1Char('.'));
    const QString bahtDigits = pointInClean < 0 ? clean : clean.left(pointInClean);
    const QString satangDigits =
        pointInClean < 0 ? QString() : clean.mid(pointInClean + 1).leftJustified(2, QLatin1Char('0'));

    const QString bahtWords = ThaiNumberWords(bahtDigits.isEmpty() ? QStringLiteral("0") : bahtDigits);
    const bool hasSatang = !satangDigits.isEmpty() && satangDigits != QLatin1String("00");
    if (!hasSatang)
        return bahtWords + wholeBahtWord;
    return bahtWords + bahtWord + ThaiNumberWords(satangDigits) + satangWord;
}
