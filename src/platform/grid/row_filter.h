#pragma once

#include "platform/grid/grid_column.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

namespace db {
class DataSet;
}

namespace grid {

enum class FilterOperator
{
    Equals,
    Contains,
    BeginsWith,
    GreaterThan,
    LessThan,
    IsEmpty
};

// One condition of a grid filter: the field, how it is compared and the text the
// user typed.
struct FilterCondition
{
    QString fieldName;
    FilterOperator op = FilterOperator::Equals;
    QString value;

    bool operator==(const FilterCondition& other) const = default;
};

// The conditions of a grid filter, joined by "and" (all must hold) or "or" (one
// is enough). No conditions means no filter.
struct FilterCriteria
{
    QList<FilterCondition> conditions;
    bool matchAll = true;

    bool isEmpty() const { return conditions.isEmpty(); }
    bool operator==(const FilterCriteria& other) const = default;
};

// The user's word for each operator ("contains", "is greater than", ...).
QString operatorText(FilterOperator op);
QList<FilterOperator> allOperators();

// The filter as a person reads it: Customer ID contains 'abc' and Qty is greater than '5'.
// Field names are replaced by the captions of the columns that show them.
QString describeFilter(const FilterCriteria& criteria, const QList<GridColumn>& columns);

// Decides which rows of a dataset pass a filter. The typed text is read once as
// the field's type: numbers and dates then compare by value, texts without regard
// to case. "Contains" and "begins with" look at the text the grid shows; a typed
// text that is not a value of the field's type compares as text.
class RowFilter
{
public:
    RowFilter(const db::DataSet& dataSet, const FilterCriteria& criteria);
    bool isActive() const { return !m_conditions.isEmpty(); }
    bool accepts(int row) const;

private:
    struct Prepared
    {
        int field = -1;
        FilterOperator op = FilterOperator::Equals;
        QString text;   // as typed, folded to lower case
        QVariant typed; // the typed text as the field's type; invalid when it is not one
    };
    bool holds(const Prepared& condition, int row) const;

    const db::DataSet& m_dataSet;
    QVector<Prepared> m_conditions;
    bool m_matchAll = true;
};

} // namespace grid
