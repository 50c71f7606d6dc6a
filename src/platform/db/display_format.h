#pragma once

#include <QDate>
#include <QString>

namespace db {

// Display formats of fields. Values are stored unformatted; these functions only decide how a
// value reads on screen and on paper. The separators follow Thai business convention whatever
// the desktop locale says: "." decimal point, "," thousands separator, "/" between date parts.

// Writes a number through a picture mask such as "#,#00.00":
//  - "0" is a digit that is always shown, "#" a digit shown only when significant;
//  - the first "." is the decimal point; the value is rounded (half away from zero) to as many
//    decimals as there are digit characters after it; "#" decimals drop trailing zeros;
//  - a "," anywhere before the decimal point groups the whole integer part by thousands;
//  - other characters before the first or after the last mask character are printed as they stand.
// At least one integer digit is always shown, so 0 under "#,###.##" reads "0" and 0.5 reads "0.5".
// Rounding works on the value as a person reads it (its 15-significant-digit decimal form), so
// 1.005 under "0.00" gives "1.01" although the binary double lies a hair below 1.005.
// A negative value gets a leading "-" unless it rounds to zero. A mask without any digit
// character (for instance the empty mask) shows the plain shortest decimal form.
QString formatNumber(double value, const QString& mask);

// Writes a date through a mask of "dd" (day, two digits), "mm" (month, two digits), "yyyy"
// (year, four digits), "yy" (year, two digits), "d" and "m" (without leading zero) and "/";
// letters in either case. Other characters are printed as they stand. A null or invalid date
// gives the empty text.
QString formatDate(const QDate& date, const QString& mask);

// The plain decimal form in which the program writes a number as text: up to 15 significant
// digits, no exponent, no thousands separators, "." as the decimal point, no trailing zeros.
// 7 -> "7", 1070.5 -> "1070.5", 0.1 + 0.2 -> "0.3", 1e12 -> "1000000000000".
QString shortestDecimalText(double value);

} // namespace db
