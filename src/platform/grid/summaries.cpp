#include "platform/grid/summaries.h"

#include "platform/db/dataset.h"
#include "platform/db/display_format.h"
#include "platform/grid/row_layout.h"

namespace grid {

SummaryValues computeSummaries(const db::DataSet& dataSet, const RowLayout& layout,
                               const QList<SummaryItem>& footerItems, const QList<SummaryItem>& groupItems)
{
    // The distinct fields that are summed, and each summary's slot among them.
    QVector<int> fields;
    auto slotOf = [&](const SummaryItem& item) {
        const int field = item.kind == SummaryKind::Sum ? dataSet.fieldIndex(item.fieldName) : -1;
        if (field < 0)
            return -1;
        const int found = int(fields.indexOf(field));
        if (found >= 0)
            return found;
        fields.append(field);
        return int(fields.size()) - 1;
    };
    QVector<int> footerSlots;
    for (const SummaryItem& item : footerItems)
        footerSlots.append(slotOf(item));
    QVector<int> groupSlots;
    for (const SummaryItem& item : groupItems)
        groupSlots.append(slotOf(item));

    // Sums per group and field (a single "group" when the grid does not group).
    const int groups = layout.grouped ? layout.groupCount() : 1;
    const int width = int(fields.size());
    QVector<double> sums(groups * width, 0.0);
    if (width > 0) {
        const int rows = int(layout.positionOfRow.size());
        for (int r = 0; r < rows; ++r) {
            if (layout.positionOfRow[r] < 0)
                continue;
            double* groupSums = sums.data() + (layout.grouped ? layout.groupOfRow[r] : 0) * width;
            for (int f = 0; f < width; ++f) {
                const QVariant v = dataSet.storedValue(r, fields[f]);
                if (!v.isNull())
                    groupSums[f] += v.toDouble();
            }
        }
    }
    auto groupSize = [&](int g) { return layout.grouped ? layout.groupSize(g) : int(layout.order.size()); };

    SummaryValues values;
    values.footer.fill(0.0, footerItems.size());
    for (int i = 0; i < footerItems.size(); ++i) {
        if (footerItems[i].kind == SummaryKind::Count) {
            values.footer[i] = double(layout.order.size());
        } else if (footerSlots[i] >= 0) {
            double total = 0.0;
            for (int g = 0; g < groups; ++g)
                total += sums[g * width + footerSlots[i]];
            values.footer[i] = total;
        }
    }
    if (layout.grouped && !groupItems.isEmpty()) {
        values.groups.fill(0.0, groups * groupItems.size());
        for (int g = 0; g < groups; ++g)
            for (int i = 0; i < groupItems.size(); ++i)
                values.groups[g * groupItems.size() + i] =
                    groupItems[i].kind == SummaryKind::Count ? double(groupSize(g))
                    : groupSlots[i] >= 0                     ? sums[g * width + groupSlots[i]]
                                                             : 0.0;
    }
    return values;
}

QString summaryText(const SummaryItem& item, double value)
{
    QString text;
    if (!item.displayFormat.isEmpty())
        text = db::formatNumber(value, item.displayFormat);
    else if (item.kind == SummaryKind::Count)
        text = QString::number(qint64(value));
    else
        text = db::shortestDecimalText(value);
    return item.textHandler ? item.textHandler(text) : text;
}

} // namespace grid
