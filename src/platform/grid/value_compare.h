#pragma once

#include <QVariant>

namespace grid {

// Orders two stored values of one field the way a person expects a column to
// sort: empty values first, numbers by value, dates by date, texts without regard
// to case. Returns <0, 0 or >0.
int compareValues(const QVariant& a, const QVariant& b);

// Orders two texts without regard to case (and by case only when they differ in nothing else).
int compareTexts(const QString& a, const QString& b);

} // namespace grid
