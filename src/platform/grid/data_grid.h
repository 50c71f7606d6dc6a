#pragma once

#include "platform/grid/grid_column.h"
#include "platform/grid/navigator_bar.h"
#include "platform/grid/row_filter.h"

#include <QPointer>
#include <QSet>
#include <QWidget>

class QLabel;
class QMenu;

namespace db {
class DataSet;
class DataSource;
} // namespace db

namespace grid {

class ColumnFitter;
class FooterBar;
class GridModel;
class GridTreeView;
class RowIndicator;

// The data grid of the program: the rows of one dataset of the data module in
// columns, optionally grouped by one field with a footer of sums under every
// group, with a footer of summaries under the grid, sorting by a click on a
// column's header, a filter built in a dialog, and, where wanted, in-place
// editing with a navigator bar.
//
// The grid's focused row is the current row of its dataset and follows it: a
// click on a line moves the dataset, a move of the dataset moves the focus (to
// the group row while the line's group is collapsed). Focusing a group row makes
// the group's first line current.
//
// Typical set-up:
//     grid->setColumns({{"Customer ID", "customer_id", 123}, ...});
//     grid->setSummaries(grid::SummaryPlace::Footer, {countItem});
//     grid->setSortColumn("customer_phone", Qt::DescendingOrder);
//     grid->setDataSource(Dtmd->DtsCustomer);
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // --- binding and columns -------------------------------------------------
    void setDataSource(db::DataSource* source); // the source's automatic-edit flag is honoured
    void setDataSet(db::DataSet* dataSet);
    db::DataSet* dataSet() const;
    void setColumns(const QList<GridColumn>& columns);
    QList<GridColumn> columns() const;
    // Stretched: the widths are proportions and the columns fill the grid's width.
    void setColumnsStretched(bool on);
    void setRowHeight(int pixels); // 20 unless set; one height for all rows
    int rowHeight() const;
    // A strip left of the rows that marks the focused row: a triangle, a text
    // cursor while the row is being edited, a star on the row being inserted.
    void setRowIndicatorVisible(bool on);
    bool isRowIndicatorVisible() const;
    // Resizable: dragging the lower edge of a row in the indicator strip sets
    // the height of all rows (the indicator must be shown for it).
    void setRowsResizable(bool on);
    bool rowsResizable() const;
    RowIndicator* rowIndicator() const;

    // --- sorting and grouping ------------------------------------------------
    // Sorts the lines by a field (within their groups); empty for the dataset's
    // order. A click on a column's header does the same for that column.
    void setSortColumn(const QString& fieldName, Qt::SortOrder order = Qt::AscendingOrder);
    void setGroupColumn(const QString& fieldName); // empty: no grouping
    int groupCount() const;
    bool isGroupExpanded(int group) const;
    void setGroupExpanded(int group, bool expanded);
    // Always expanded: every group is shown expanded, cannot be collapsed, and
    // stays so when the rows are read anew.
    void setAlwaysExpanded(bool on);
    bool isAlwaysExpanded() const { return m_alwaysExpanded; }
    // Collapses every group. An always-expanded grid leaves that mode first.
    void collapseAll();

    // --- summaries -----------------------------------------------------------
    void setSummaries(SummaryPlace place, const QList<SummaryItem>& items);
    QList<SummaryItem> summaries(SummaryPlace place) const;
    void setSummaryDisplayFormat(SummaryPlace place, int item, const QString& mask);
    // The shown text of a summary, over all shown lines or over one group.
    QString summaryText(SummaryPlace place, int item, int group = -1) const;
    double summaryValue(SummaryPlace place, int item, int group = -1) const;

    // --- filter --------------------------------------------------------------
    void setFilter(const FilterCriteria& criteria);
    FilterCriteria filter() const;
    void clearFilter();
    // Opens the filter builder (through ui::messages().execModal); OK applies it.
    void showFilterDialog();

    // --- editing -------------------------------------------------------------
    // Editable: cells are edited in place (a double click, F2 or typing), yes/no
    // cells by a click on their check box. A cell changed while browsing is stored
    // at once; a row put into editing or inserting (navigator) is stored by Save or
    // by moving to another row. Every write runs as a user command.
    void setEditable(bool on);
    bool isEditable() const;
    // A row on top for new entries; it shows the insert buffer while inserting.
    void setNewItemRowVisible(bool on);
    void setNavigatorVisible(bool on);
    NavigatorBar* navigator() const { return m_navigator; }

    // --- misc ----------------------------------------------------------------
    void setPopupMenu(QMenu* menu);
    int focusedRow() const; // the dataset row of the focused line or group; -1 when none
    GridModel* model() const { return m_model; }
    GridTreeView* view() const { return m_view; }
    FooterBar* footer() const { return m_footer; }

signals:
    void rowDoubleClicked(int dataSetRow);
    void focusedRowChanged(int dataSetRow);

private:
    void onViewCurrentChanged(const QModelIndex& current);
    void focusCurrentDataSetRow();
    void afterModelReset();
    void onHeaderClicked(int section);
    void updateSortIndicator();
    void updateFilterBar();
    void startInsertEditing();

    GridModel* m_model;
    GridTreeView* m_view;
    FooterBar* m_footer;
    NavigatorBar* m_navigator;
    ColumnFitter* m_fitter;
    QWidget* m_filterBar;
    QLabel* m_filterText;
    QPointer<QMenu> m_popup;
    QList<QMetaObject::Connection> m_dataSetConnections;
    QSet<QString> m_expandedKeys; // the expanded groups, kept over a reset
    bool m_alwaysExpanded = false;
    bool m_syncing = false;
    int m_resetCount = 0;
};

} // namespace grid
