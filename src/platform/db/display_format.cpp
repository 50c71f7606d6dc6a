#include "platform/db/display_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace db {

namespace {

const QChar decimalPoint = QLatin1Char('.');
const QChar thousandsSeparator = QLatin1Char(',');
const QChar dateSeparator = QLatin1Char('/');

// The magnitude of a double as decimal digits, read to 15 significant digits: the precision a
// double carries reliably, so the binary noise of 0.1 + 0.2 or of 1.005 is gone and rounding
// decides on the digits a person would read.
struct DecimalDigits
{
    QString integerPart;  // no leading zeros; empty for a magnitude below 1
    QString fractionPart; // may end in zeros after rounding
};

DecimalDigits toDecimalDigits(double magnitude)
{
    DecimalDigits result;
    if (magnitude == 0.0)
        return result;

    // "d.dddddddddddddde±x": one digit, the point, 14 digits, the exponent.
    const QString scientific = QString::number(magnitude, 'e', 14);
    const qsizetype exponentAt = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(1) + scientific.mid(2, exponentAt - 2);
    const int exponent = scientific.mid(exponentAt + 1).toInt();
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    const int integerDigits = exponent + 1;
    if (integerDigits > 0) {
        result.integerPart = digits.left(integerDigits).leftJustified(integerDigits, QLatin1Char('0'));
        result.fractionPart = digits.mid(integerDigits);
    } else {
        result.fractionPart = QString(-integerDigits, QLatin1Char('0')) + digits;
    }
    return result;
}

// Cuts the fraction to `decimals` digits, rounding half away from zero on the decimal digits.
void roundToDecimals(DecimalDigits& number, int decimals)
{
    if (number.fractionPart.size() <= decimals)
        return;
    const bool roundUp = number.fractionPart.at(decimals) >= QLatin1Char('5');
    number.fractionPart.truncate(decimals);
    if (!roundUp)
        return;

    QString all = number.integerPart + number.fractionPart;
    qsizetype i = all.size() - 1;
    for (; i >= 0 && all.at(i) == QLatin1Char('9'); --i)
        all[i] = QLatin1Char('0');
    if (i >= 0)
        all[i] = QChar(all.at(i).unicode() + 1);
    else
        all.prepend(QLatin1Char('1'));
    number.integerPart = all.left(all.size() - decimals);
    number.fractionPart = all.right(decimals);
}

bool isAllZeros(const QString& digits)
{
    for (QChar c : digits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

QString withThousandsGrouping(const QString& integerDigits)
{
    QString grouped;
    const qsizetype count = integerDigits.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            grouped += thousandsSeparator;
        grouped += integerDigits.at(i);
    }
    return grouped;
}

bool isDigitPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

bool isMaskCharacter(QChar c)
{
    return isDigitPlaceholder(c) || c == decimalPoint || c == thousandsSeparator;
}

// What a number mask asks for.
struct NumberMask
{
    QString prefix;
    QString suffix;
    int minimumIntegerDigits = 0;
    bool grouping = false;
    int minimumDecimals = 0;
    int maximumDecimals = 0;
};

NumberMask parseNumberMask(const QString& mask)
{
    NumberMask parsed;
    qsizetype first = 0;
    while (first < mask.size() && !isMaskCharacter(mask.at(first)))
        ++first;
    qsizetype last = mask.size() - 1;
    while (last >= first && !isMaskCharacter(mask.at(last)))
        --last;
    parsed.prefix = mask.left(first);
    parsed.suffix = mask.mid(last + 1);

    const QString body = mask.mid(first, last - first + 1);
    const qsizetype pointAt = body.indexOf(decimalPoint);
    const QString integerSection = pointAt < 0 ? body : body.left(pointAt);
    const QString decimalSection = pointAt < 0 ? QString() : body.mid(pointAt + 1);

    // Digits from the first "0" to the end of the integer part are always shown.
    bool zeroSeen = false;
    for (QChar c : integerSection) {
        zeroSeen = zeroSeen || c == QLatin1Char('0');
        if (zeroSeen && isDigitPlaceholder(c))
            ++parsed.minimumIntegerDigits;
    }
    parsed.grouping = integerSection.contains(thousandsSeparator);

    // Decimals up to the last "0" are always shown; "#" decimals after it only when not zero.
    for (QChar c : decimalSection) {
        if (!isDigitPlaceholder(c))
            continue;
        ++parsed.maximumDecimals;
        if (c == QLatin1Char('0'))
            parsed.minimumDecimals = parsed.maximumDecimals;
    }
    return parsed;
}

bool hasDigitPlaceholder(const QString& mask)
{
    for (QChar c : mask)
        if (isDigitPlaceholder(c))
            return true;
    return false;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString shortestDecimalText(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    DecimalDigits number = toDecimalDigits(std::fabs(value));
    QString text = number.integerPart.isEmpty() ? QStringLiteral("0") : number.integerPart;
    if (!number.fractionPart.isEmpty())
        text += decimalPoint + number.fractionPart;
    if (value < 0 && !(isAllZeros(number.integerPart) && isAllZeros(number.fractionPart)))
        text.prepend(QLatin1Char('-'));
    return text;
}

QString formatNumber(double value, const QString& mask)
{
    if (!std::isfinite(value) || !hasDigitPlaceholder(mask))
        return shortestDecimalText(value);

    const NumberMask parsed = parseNumberMask(mask);
    DecimalDigits number = toDecimalDigits(std::fabs(value));
    roundToDecimals(number, parsed.maximumDecimals);

    QString fraction = number.fractionPart.leftJustified(parsed.minimumDecimals, QLatin1Char('0'));
    while (fraction.size() > parsed.minimumDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString integer = number.integerPart;
    while (integer.size() > 1 && integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    integer = integer.rightJustified(std::max(parsed.minimumIntegerDigits, 1), QLatin1Char('0'));

    const bool showsZero = isAllZeros(integer) && isAllZeros(fraction);
    QString text;
    if (value < 0 && !showsZero)
        text += QLatin1Char('-');
    text += parsed.prefix;
    text += parsed.grouping ? withThousandsGrouping(integer) : integer;
    if (!fraction.isEmpty())
        text += decimalPoint + fraction;
    text += parsed.suffix;
    return text;
}

QString formatDate(const QDate& date, const QString& mask)
{
    if (!date.isValid())
        return QString();

    QString text;
    qsizetype i = 0;
    while (i < mask.size()) {
        const QStringView rest = QStringView(mask).mid(i);
        const auto startsWith = [rest](QStringView token) {
            return rest.startsWith(token, Qt::CaseInsensitive);
        };
        if (startsWith(u"yyyy")) {
            text += QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
            i += 4;
        } else if (startsWith(u"yy")) {
            text += twoDigits(std::abs(date.year()) % 100);
            i += 2;
        } else if (startsWith(u"dd")) {
            text += twoDigits(date.day());
            i += 2;
        } else if (startsWith(u"mm")) {
            text += twoDigits(date.month());
            i += 2;
        } else if (startsWith(u"d")) {
            text += QString::number(date.day());
            i += 1;
        } else if (startsWith(u"m")) {
            text += QString::number(date.month());
            i += 1;
        } else if (startsWith(u"/")) {
            text += dateSeparator;
            i += 1;
        } else {
            text += mask.at(i);
            i += 1;
        }
    }
    return text;
}

} // namespace db
