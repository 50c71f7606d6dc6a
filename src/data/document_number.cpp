#include "data/document_number.h"

#include "platform/db/errors.h"

#include <limits>
#include <optional>

namespace {

// A guard against an isTaken that never says no; a real series never gets near it.
constexpr int maximumSteps = 1'000'000;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The running number read back from an id, as a 32-bit signed whole number. Only decimal digits
// count (leading zeros allowed); a sign, a blank or any other character makes it no number.
std::optional<qint64> runningNumberOf(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text)
        if (!isAsciiDigit(c))
            return std::nullopt;
    qsizetype firstSignificant = 0;
    while (firstSignificant < text.size() - 1 && text.at(firstSignificant) == QLatin1Char('0'))
        ++firstSignificant;
    const QString significant = text.mid(firstSignificant);
    if (significant.size() > 10)
        return std::nullopt;
    const qint64 value = significant.toLongLong();
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return value;
}

// The number part that follows a taken one. Its trailing run of digits counts up by one and keeps
// its width ("0000007" -> "0000008", "0999999" -> "1000000", "9999999" -> "10000000"); a part
// that does not end in a digit gets a counter of its own ("INV-12A" -> "INV-12A-2" -> "INV-12A-3").
QString nextNumberPart(const QString& part)
{
    qsizetype digitsStart = part.size();
    while (digitsStart > 0 && isAsciiDigit(part.at(digitsStart - 1)))
        --digitsStart;
    if (digitsStart == part.size()) {
        const bool needsDash = !part.isEmpty() && !part.endsWith(QLatin1Char('-'));
        return part + (needsDash ? QStringLiteral("-2") : QStringLiteral("2"));
    }

    QString digits = part.mid(digitsStart);
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits.at(i) == QLatin1Char('9'); --i)
        digits[i] = QLatin1Char('0');
    if (i >= 0)
        digits[i] = QChar(digits.at(i).unicode() + 1);
    else
        digits.prepend(QLatin1Char('1'));
    return part.left(digitsStart) + digits;
}

// The number part the highest id leads to: the template to start a series, the running number
// plus one filled to the template's width, or the whole highest id when it holds no number.
QString numberPartAfter(const QString& highestId, const QString& prefix, const QString& startTemplate)
{
    // An empty prefix, or one the highest id does not hold, starts the series afresh.
    if (highestId.isEmpty() || prefix.isEmpty() || !highestId.contains(prefix))
        return startTemplate;

    // Every occurrence of the prefix goes, not only the leading one.
    const QString remainder = QString(highestId).remove(prefix);
    const std::optional<qint64> running = runningNumberOf(remainder);
    if (!running)
        return highestId;

    // A number as long as the template or longer is written in full: cutting it would hand out
    // a number already given, and the series simply grows wider.
    return QString::number(*running + 1).rightJustified(startTemplate.size(), QLatin1Char('0'));
}

} // namespace

QString NextDocumentNumber(const QString& highestId, const QString& prefix, const QString& startTemplate,
                           const std::function<bool(const QString&)>& isTaken)
{
    QString numberPart = numberPartAfter(highestId, prefix, startTemplate);
    if (prefix.isEmpty() && numberPart.isEmpty())
        throw db::DbError(
            QStringLiteral("Cannot make a new number: both the prefix and the start number are empty."));

    // The highest id read back does not always lead to a free number (the prefix may sit inside
    // the running number, old ids may sort above the current prefix, an empty prefix always
    // restarts at the template), so step on until the number is not in use.
    QString candidate = prefix + numberPart;
    for (int step = 0; isTaken && isTaken(candidate); ++step) {
        if (step == maximumSteps)
            throw db::DbError(QStringLiteral("Cannot find a free number after '%1'.").arg(candidate));
        numberPart = nextNumberPart(numberPart);
        candidate = prefix + numberPart;
    }
    return candidate;
}
