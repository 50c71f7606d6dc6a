#include "platform/grid/value_compare.h"

#include <QDate>

namespace grid {

namespace {

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

template <typename T> int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int compareValues(const QVariant& a, const QVariant& b)
{
    const bool aEmpty = a.isNull();
    const bool bEmpty = b.isNull();
    if (aEmpty || bEmpty)
        return threeWay(!aEmpty, !bEmpty);
    if (isNumber(a) && isNumber(b)) {
        if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double)
            return threeWay(a.toDouble(), b.toDouble());
        return threeWay(a.toLongLong(), b.toLongLong());
    }
    if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate)
        return threeWay(a.toDate(), b.toDate());
    // Texts are read in place: sorting a large grid compares them very often.
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return compareTexts(*static_cast<const QString*>(a.constData()),
                            *static_cast<const QString*>(b.constData()));
    return compareTexts(a.toString(), b.toString());
}

int compareTexts(const QString& a, const QString& b)
{
    if (a == b)
        return 0;
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded : QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace grid
