#pragma once

#include <QVector>
#include <Qt>

namespace db {
class DataSet;
}

namespace grid {

class RowFilter;

// The order in which a grid shows the rows of its dataset: the rows that pass the
// filter, grouped by one field when the grid groups, and sorted by one field
// within their group (or over all rows). Built once per change of the rows, in
// O(n log n), so that a grid of a hundred thousand lines opens without a stall.
struct RowLayout
{
    QVector<int> order;         // dataset rows in display order; group after group when grouped
    QVector<int> groupBegin;    // grouped: where each group starts in `order`, plus the end
    QVector<int> positionOfRow; // dataset row -> its place in `order`; -1 when filtered out
    QVector<QString> groupKeys; // grouped: each group's value as text, in group order
    QVector<int> groupOfRow;    // grouped: dataset row -> its group; -1 when filtered out
    bool grouped = false;

    int groupCount() const { return grouped ? int(groupBegin.size()) - 1 : 0; }
    int groupSize(int group) const { return groupBegin[group + 1] - groupBegin[group]; }
    // The group that holds the row at this place of `order`.
    int groupOfPosition(int position) const;
};

struct SortKey
{
    int field = -1; // no sort when negative: the dataset's order stands
    Qt::SortOrder order = Qt::AscendingOrder;
};

// Groups are ordered by the group field's value as text, ascending; rows keep the
// dataset's order within a group unless a sort field is given (a stable sort).
RowLayout buildRowLayout(const db::DataSet& dataSet, const RowFilter& filter, int groupField, SortKey sort);

} // namespace grid
