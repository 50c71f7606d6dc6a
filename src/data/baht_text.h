#pragma once

#include <QString>

// The grand total of a Thai tax invoice is also written out in Thai words. These two functions
// turn an amount into that text; they need neither windows nor the database.

// The Thai words for a text of decimal digits (at least one digit, no sign, point or separators):
// "0" and any run of zeros give "ศูนย์", 21 gives "ยี่สิบเอ็ด", 1000011 gives "หนึ่งล้านสิบเอ็ด".
// Any number of digits is read. Throws db::ConversionError for an empty or non-digit text.
QString ThaiNumberWords(const QString& digits);

// The Thai baht text of an amount written with "." as the decimal point, for example
// "1070.5" -> "หนึ่งพันเจ็ดสิบบาทห้าสิบสตางค์" and "12" -> "สิบสองบาทถ้วน".
// Decimals beyond the second are cut off, not rounded; every character other than the digits
// and "." is ignored (so a minus sign, separators and currency signs are too).
// Throws db::ConversionError when the amount keeps no digit at all.
QString BahtText(const QString& amount);
