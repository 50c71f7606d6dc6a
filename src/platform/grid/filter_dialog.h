#pragma once

#include "platform/grid/grid_column.h"
#include "platform/grid/row_filter.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QToolButton;
class QVBoxLayout;

namespace grid {

// The filter builder of a grid: conditions on the grid's columns (equals,
// contains, begins with, greater than, less than, is empty), all of which or any
// of which a row must meet. The grid shows the rows that pass.
// Controls: cbMatch, btnAddCondition, btnClearFilter, btnOk, btnCancel; condition
// i has cbColumn<i>, cbOperator<i>, edValue<i> and btnRemove<i>.
class FilterDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FilterDialog(const QList<GridColumn>& columns, QWidget* parent = nullptr);

    void setCriteria(const FilterCriteria& criteria);
    FilterCriteria criteria() const;

    int conditionCount() const { return int(m_rows.size()); }
    void addCondition(const FilterCondition& condition = {});
    void removeCondition(int index);
    void clearConditions();

private:
    struct ConditionRow
    {
        QWidget* box;
        QComboBox* column;
        QComboBox* op;
        QLineEdit* value;
        QToolButton* remove;
    };
    void renameRows();

    QList<GridColumn> m_columns;
    QComboBox* m_match;
    QVBoxLayout* m_rowsLayout;
    QList<ConditionRow> m_rows;
};

} // namespace grid
