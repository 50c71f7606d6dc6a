#pragma once

#include "platform/db/dataset.h"
#include "platform/grid/grid_column.h"
#include "platform/grid/row_filter.h"
#include "platform/grid/row_layout.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <functional>

namespace grid {

// The rows of a dataset as an item model, in the grid's order: filtered, sorted
// by one column, and grouped by one field when the grid groups.
//
// Ungrouped, every top-level row is a dataset row. Grouped, the top level holds
// one group row per group, each followed by its group footer row when there are
// group summaries (so the footer stays visible while the group is collapsed);
// a group row's children are the group's lines. An editable grid may show a
// new-item row on top, which shows the dataset's insert buffer while a row is
// being inserted.
//
// The model keeps no values of its own: cells are read from the dataset when they
// are shown (a line being edited shows the edit buffer). Only the order, the
// groups and the summaries are computed, once per change of the rows.
class GridModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum class RowKind
    {
        Data,
        Group,
        GroupFooter,
        NewItem
    };
    enum Role
    {
        RowKindRole = Qt::UserRole + 1
    };

    explicit GridModel(QObject* parent = nullptr);

    // --- binding and columns ----------------------------------------------
    void setDataSource(db::DataSource* source);
    void setDataSet(db::DataSet* dataSet);
    db::DataSet* dataSet() const { return m_dataSet; }
    // All columns, the hidden ones too; the model's columns are the visible ones.
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    const GridColumn& visibleColumn(int modelColumn) const { return m_columns[m_visible[modelColumn]]; }
    int columnOfField(const QString& fieldName) const; // model column, -1 when not shown

    // --- order --------------------------------------------------------------
    void setGroupField(const QString& fieldName); // empty: no grouping
    QString groupField() const { return m_groupField; }
    void setSortField(const QString& fieldName, Qt::SortOrder order); // empty: the dataset's order
    QString sortField() const { return m_sortField; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    void sort(int column, Qt::SortOrder order) override;
    void setFilter(const FilterCriteria& criteria);
    const FilterCriteria& filter() const { return m_filter; }

    // --- summaries ----------------------------------------------------------
    void setSummaries(SummaryPlace place, const QList<SummaryItem>& items);
    const QList<SummaryItem>& summaries(SummaryPlace place) const;
    void setSummaryDisplayFormat(SummaryPlace place, int item, const QString& mask);
    // The value and text of a summary over all shown rows (Footer) or over one group.
    double summaryValue(SummaryPlace place, int item, int group = -1) const;
    QString summaryText(SummaryPlace place, int item, int group = -1) const;
    // What a footer shows under a model column (several summaries are joined).
    QString footerText(int modelColumn) const;
    QString groupFooterText(int group, int modelColumn) const;

    // --- editing ------------------------------------------------------------
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }
    void setNewItemRowVisible(bool on);
    bool isNewItemRowVisible() const { return m_newItemRow; }

    // --- rows ---------------------------------------------------------------
    RowKind rowKind(const QModelIndex& index) const;
    int shownRowCount() const { return int(m_layout.order.size()); } // lines passing the filter
    int dataSetRow(const QModelIndex& index) const;                  // -1 for rows that are not lines
    QModelIndex indexOfDataSetRow(int row, int column = 0) const;
    QModelIndex newItemIndex(int column = 0) const;
    bool isGrouped() const { return m_layout.grouped; }
    int groupCount() const { return m_layout.groupCount(); }
    int groupOf(const QModelIndex& index) const; // the group of a group, footer or line row; -1 otherwise
    QModelIndex groupIndex(int group) const;
    QString groupCaption(int group) const; // "Invoice No. : INV-0000001"
    QString groupKey(int group) const { return m_layout.groupKeys.value(group); } // the group's value as text
    int firstDataSetRowOfGroup(int group) const;
    const RowLayout& layout() const { return m_layout; }
    // True from the model's announcement of a change of rows until its rows are
    // in order again; views then ignore the moves of their current row.
    bool isChangingRows() const { return m_changing; }

    // --- QAbstractItemModel -------------------------------------------------
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The summaries have new values (also after every reset).
    void summariesChanged();

private:
    struct RootRow
    {
        RowKind kind;
        int group;    // grouped rows only
        int position; // ungrouped lines: the place in the layout's order
    };
    RootRow decodeRootRow(int row) const;
    int rootRowCount() const;
    int groupStride() const { return m_groupSummaries.isEmpty() ? 1 : 2; }
    int fieldOfColumn(int modelColumn) const { return m_fieldOfColumn.value(modelColumn, -1); }
    bool isPlainLayout() const;
    int rowBeforePendingChange(int row) const;
    bool showsEditBuffer(int dataSetRow) const;
    bool canEditColumn(int modelColumn) const;
    Qt::Alignment alignmentOf(int modelColumn) const;
    QVariant lineData(int dataSetRow, int modelColumn, int role, bool fromBuffer) const;
    QList<SummaryItem>& summaryList(SummaryPlace place);
    void writeCell(const QModelIndex& index, const QVariant& value, int role);

    // A model reset with a new layout and summaries; `change` alters the settings inside it.
    void rebuild(const std::function<void()>& change = {});
    void relayout(); // the layout and summaries alone, for use between begin/end calls
    void computeSummaries();
    void resolveFields();
    void emitRowChanged(const QModelIndex& first);

    void onRowChanged(int row);
    void onRowInserted(int row);
    void onRowRemoved(int row);
    void onStateChanged(db::DataSetState state);
    void onFieldChanged();

    QPointer<db::DataSet> m_dataSet;
    QPointer<db::DataSource> m_dataSource;
    QList<QMetaObject::Connection> m_connections;
    QList<GridColumn> m_columns;
    QVector<int> m_visible;       // model column -> index in m_columns
    QVector<int> m_fieldOfColumn; // model column -> dataset field, -1 when missing
    QString m_groupField;
    QString m_sortField;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    FilterCriteria m_filter;
    QList<SummaryItem> m_footerSummaries;
    QList<SummaryItem> m_groupSummaries;
    QVector<double> m_footerValues;
    QVector<double> m_groupValues; // group * item count + item
    RowLayout m_layout;
    bool m_editable = false;
    bool m_newItemRow = false;
    bool m_canModify = false;
    bool m_writing = false;
    bool m_changing = false;
    int m_editedRow = -1;  // the stored row whose edit buffer is shown
    int m_pendingRow = -1; // a row the dataset added or dropped that the model has not announced yet
    int m_pendingDelta = 0;
};

} // namespace grid
