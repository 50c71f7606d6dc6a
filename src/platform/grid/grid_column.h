#pragma once

#include <QString>
#include <functional>

namespace grid {

// One column of a data grid: what its header says, which field of the dataset it
// shows and how wide it starts. A stretched grid treats the widths as proportions.
// A hidden column is not shown, but it can still group the rows or carry a filter.
struct GridColumn
{
    QString caption;
    QString fieldName;
    int width = 80;
    bool visible = true;
};

enum class SummaryKind
{
    Sum,  // the sum of the field's values over the rows; empty values count as 0
    Count // the number of rows
};

// Where a summary is shown: in the footer under the whole grid, or in the footer
// under every group.
enum class SummaryPlace
{
    Footer,
    GroupFooter
};

// One summary of a grid. It stands under the column that shows `columnField`
// (the summed field itself when that is empty). Its value is written through
// `displayFormat` (a number mask, see db::formatNumber; empty gives the plain
// number), and `textHandler`, when set, turns that text into what is shown
// (the lists put "Count = " in front of the count).
struct SummaryItem
{
    QString fieldName;
    SummaryKind kind = SummaryKind::Sum;
    QString displayFormat;
    QString columnField;
    std::function<QString(const QString& text)> textHandler;

    QString shownUnder() const { return columnField.isEmpty() ? fieldName : columnField; }
};

} // namespace grid
