#include "platform/grid/row_layout.h"

#include "platform/db/dataset.h"
#include "platform/grid/row_filter.h"
#include "platform/grid/value_compare.h"

#include <QHash>
#include <QString>
#include <algorithm>
#include <numeric>

namespace grid {

int RowLayout::groupOfPosition(int position) const
{
    const auto it = std::upper_bound(groupBegin.cbegin(), groupBegin.cend(), position);
    return int(it - groupBegin.cbegin()) - 1;
}

namespace {

QString groupKeyText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// `keys` holds the sort field's value of every dataset row, read in one pass:
// the rows themselves lie scattered in memory.
void sortRange(const QVector<QVariant>& keys, Qt::SortOrder order, QVector<int>::iterator begin,
               QVector<int>::iterator end)
{
    if (end - begin < 2)
        return;
    const bool descending = order == Qt::DescendingOrder;
    std::stable_sort(begin, end, [&](int a, int b) {
        const int c = compareValues(keys[a], keys[b]);
        return descending ? c > 0 : c < 0;
    });
}

} // namespace

RowLayout buildRowLayout(const db::DataSet& dataSet, const RowFilter& filter, int groupField, SortKey sort)
{
    RowLayout layout;
    const int n = dataSet.recordCount();
    if (sort.field >= dataSet.fieldCount())
        sort.field = -1;
    if (groupField >= dataSet.fieldCount())
        groupField = -1;

    QVector<int> accepted;
    accepted.reserve(n);
    QVector<QVariant> sortKeys;
    if (sort.field >= 0)
        sortKeys.resize(n);
    for (int r = 0; r < n; ++r)
        if (filter.accepts(r)) {
            accepted.append(r);
            if (sort.field >= 0)
                sortKeys[r] = dataSet.storedValue(r, sort.field);
        }

    if (groupField < 0) {
        layout.order = std::move(accepted);
        if (sort.field >= 0)
            sortRange(sortKeys, sort.order, layout.order.begin(), layout.order.end());
    } else {
        layout.grouped = true;
        // Number the groups in order of first appearance, count their rows ...
        QHash<QString, int> groupOfKey;
        QVector<QString> keys;
        QVector<int> groupOfAccepted(accepted.size());
        QVector<int> sizes;
        for (int i = 0; i < accepted.size(); ++i) {
            const QString key = groupKeyText(dataSet.storedValue(accepted[i], groupField));
            auto it = groupOfKey.constFind(key);
            if (it == groupOfKey.constEnd()) {
                it = groupOfKey.insert(key, int(keys.size()));
                keys.append(key);
                sizes.append(0);
            }
            groupOfAccepted[i] = *it;
            ++sizes[*it];
        }
        // ... order them by their value as text, and place each row in its group
        // without disturbing the dataset's order inside the group.
        QVector<int> sorted(keys.size());
        std::iota(sorted.begin(), sorted.end(), 0);
        std::sort(sorted.begin(), sorted.end(),
                  [&](int a, int b) { return compareTexts(keys[a], keys[b]) < 0; });
        QVector<int> next(keys.size());
        QVector<int> rank(keys.size());
        layout.groupBegin.resize(keys.size() + 1);
        int offset = 0;
        for (int i = 0; i < sorted.size(); ++i) {
            layout.groupBegin[i] = offset;
            next[sorted[i]] = offset;
            rank[sorted[i]] = i;
            offset += sizes[sorted[i]];
        }
        layout.groupBegin[sorted.size()] = offset;
        layout.groupKeys.reserve(sorted.size());
        for (int g : sorted)
            layout.groupKeys.append(keys[g]);
        layout.order.resize(accepted.size());
        layout.groupOfRow.fill(-1, n);
        for (int i = 0; i < accepted.size(); ++i) {
            layout.order[next[groupOfAccepted[i]]++] = accepted[i];
            layout.groupOfRow[accepted[i]] = rank[groupOfAccepted[i]];
        }
        if (sort.field >= 0)
            for (int g = 0; g < layout.groupCount(); ++g)
                sortRange(sortKeys, sort.order, layout.order.begin() + layout.groupBegin[g],
                          layout.order.begin() + layout.groupBegin[g + 1]);
    }

    layout.positionOfRow.fill(-1, n);
    for (int i = 0; i < layout.order.size(); ++i)
        layout.positionOfRow[layout.order[i]] = i;
    return layout;
}

} // namespace grid
