#include "platform/grid/row_filter.h"

#include "platform/db/dataset.h"
#include "platform/db/errors.h"
#include "platform/grid/value_compare.h"

namespace grid {

QString operatorText(FilterOperator op)
{
    switch (op) {
    case FilterOperator::Equals:
        return QStringLiteral("equals");
    case FilterOperator::Contains:
        return QStringLiteral("contains");
    case FilterOperator::BeginsWith:
        return QStringLiteral("begins with");
    case FilterOperator::GreaterThan:
        return QStringLiteral("is greater than");
    case FilterOperator::LessThan:
        return QStringLiteral("is less than");
    case FilterOperator::IsEmpty:
        return QStringLiteral("is empty");
    }
    return {};
}

QList<FilterOperator> allOperators()
{
    return {FilterOperator::Equals,      FilterOperator::Contains, FilterOperator::BeginsWith,
            FilterOperator::GreaterThan, FilterOperator::LessThan, FilterOperator::IsEmpty};
}

QString describeFilter(const FilterCriteria& criteria, const QList<GridColumn>& columns)
{
    QStringList parts;
    for (const FilterCondition& c : criteria.conditions) {
        QString name = c.fieldName;
        for (const GridColumn& column : columns)
            if (column.fieldName.compare(c.fieldName, Qt::CaseInsensitive) == 0) {
                name = column.caption.trimmed();
                break;
            }
        QString part = name + u' ' + operatorText(c.op);
        if (c.op != FilterOperator::IsEmpty)
            part += QStringLiteral(" '%1'").arg(c.value);
        parts.append(part);
    }
    return parts.join(criteria.matchAll ? QStringLiteral(" and ") : QStringLiteral(" or "));
}

RowFilter::RowFilter(const db::DataSet& dataSet, const FilterCriteria& criteria)
    : m_dataSet(dataSet), m_matchAll(criteria.matchAll)
{
    for (const FilterCondition& c : criteria.conditions) {
        Prepared p;
        p.field = dataSet.fieldIndex(c.fieldName);
        p.op = c.op;
        p.text = c.value.trimmed().toLower();
        if (p.field >= 0 && !p.text.isEmpty()) {
            try {
                p.typed = db::DataSet::convertText(dataSet.fields()[p.field], c.value);
            } catch (const db::ConversionError&) {
                // Not a value of the field's type: the condition then compares texts.
            }
        }
        m_conditions.append(p);
    }
}

bool RowFilter::accepts(int row) const
{
    if (m_conditions.isEmpty())
        return true;
    for (const Prepared& c : m_conditions) {
        const bool ok = holds(c, row);
        if (ok && !m_matchAll)
            return true;
        if (!ok && m_matchAll)
            return false;
    }
    return m_matchAll;
}

bool RowFilter::holds(const Prepared& c, int row) const
{
    if (c.field < 0)
        return false;
    const QVariant stored = m_dataSet.storedValue(row, c.field);
    const bool empty =
        stored.isNull() || (stored.typeId() == QMetaType::QString && stored.toString().trimmed().isEmpty());
    switch (c.op) {
    case FilterOperator::IsEmpty:
        return empty;
    case FilterOperator::Contains:
        return m_dataSet.displayText(row, c.field).toLower().contains(c.text);
    case FilterOperator::BeginsWith:
        return m_dataSet.displayText(row, c.field).toLower().startsWith(c.text);
    case FilterOperator::Equals:
        if (c.text.isEmpty())
            return empty;
        if (empty)
            return false;
        if (c.typed.isValid() && stored.typeId() != QMetaType::QString)
            return compareValues(stored, c.typed) == 0;
        return stored.toString().trimmed().toLower() == c.text ||
               m_dataSet.displayText(row, c.field).trimmed().toLower() == c.text;
    case FilterOperator::GreaterThan:
    case FilterOperator::LessThan: {
        if (empty)
            return false;
        const int order = c.typed.isValid() && stored.typeId() != QMetaType::QString
                              ? compareValues(stored, c.typed)
                              : QString::compare(stored.toString().toLower(), c.text);
        return c.op == FilterOperator::GreaterThan ? order > 0 : order < 0;
    }
    }
    return false;
}

} // namespace grid
