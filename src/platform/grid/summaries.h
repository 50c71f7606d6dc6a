#pragma once

#include "platform/grid/grid_column.h"

#include <QList>
#include <QVector>

namespace db {
class DataSet;
}

namespace grid {

struct RowLayout;

// The values of a grid's summaries over the rows of a layout: the footer
// summaries over all shown rows, the group summaries over each group.
struct SummaryValues
{
    QVector<double> footer; // one per footer summary
    QVector<double> groups; // group * (group summary count) + summary
};

// One pass over the shown rows in the dataset's order (the rows lie in memory in
// that order), however many summaries share a field. When the grid groups, a
// footer sum is the sum of the group sums of its field, so the grand footer and
// the group footers agree to the last digit.
SummaryValues computeSummaries(const db::DataSet& dataSet, const RowLayout& layout,
                               const QList<SummaryItem>& footerItems, const QList<SummaryItem>& groupItems);

// The text a summary shows for a value: the value through the summary's mask,
// then through its text handler.
QString summaryText(const SummaryItem& item, double value);

} // namespace grid
