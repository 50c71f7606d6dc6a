#include "platform/grid/filter_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

namespace grid {

FilterDialog::FilterDialog(const QList<GridColumn>& columns, QWidget* parent)
    : QDialog(parent), m_columns(columns)
{
    setWindowTitle(QStringLiteral("Filter"));
    resize(560, 300);
    auto* layout = new QVBoxLayout(this);

    auto* matchLine = new QHBoxLayout;
    matchLine->addWidget(new QLabel(QStringLiteral("Show the rows that meet"), this));
    m_match = new QComboBox(this);
    m_match->setObjectName(QStringLiteral("cbMatch"));
    m_match->addItems({QStringLiteral("all of the conditions"), QStringLiteral("any of the conditions")});
    matchLine->addWidget(m_match);
    matchLine->addStretch(1);
    layout->addLayout(matchLine);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* rowsHost = new QWidget(scroll);
    m_rowsLayout = new QVBoxLayout(rowsHost);
    m_rowsLayout->setContentsMargins(4, 4, 4, 4);
    m_rowsLayout->addStretch(1);
    scroll->setWidget(rowsHost);
    layout->addWidget(scroll, 1);

    auto* tools = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Add Condition"), this);
    add->setObjectName(QStringLiteral("btnAddCondition"));
    auto* clear = new QPushButton(QStringLiteral("Clear"), this);
    clear->setObjectName(QStringLiteral("btnClearFilter"));
    tools->addWidget(add);
    tools->addWidget(clear);
    tools->addStretch(1);
    layout->addLayout(tools);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);

    connect(add, &QPushButton::clicked, this, [this] { addCondition(); });
    connect(clear, &QPushButton::clicked, this, &FilterDialog::clearConditions);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FilterDialog::setCriteria(const FilterCriteria& criteria)
{
    clearConditions();
    m_match->setCurrentIndex(criteria.matchAll ? 0 : 1);
    for (const FilterCondition& c : criteria.conditions)
        addCondition(c);
}

FilterCriteria FilterDialog::criteria() const
{
    FilterCriteria criteria;
    criteria.matchAll = m_match->currentIndex() == 0;
    for (const ConditionRow& row : m_rows) {
        FilterCondition c;
        c.fieldName = row.column->currentData().toString();
        c.op = FilterOperator(row.op->currentData().toInt());
        c.value = c.op == FilterOperator::IsEmpty ? QString() : row.value->text();
        if (!c.fieldName.isEmpty())
            criteria.conditions.append(c);
    }
    return criteria;
}

void FilterDialog::addCondition(const FilterCondition& condition)
{
    ConditionRow row;
    row.box = new QWidget(this);
    auto* line = new QHBoxLayout(row.box);
    line->setContentsMargins(0, 0, 0, 0);
    row.column = new QComboBox(row.box);
    for (const GridColumn& column : m_columns)
        row.column->addItem(column.caption.trimmed(), column.fieldName);
    const int columnIndex = row.column->findData(condition.fieldName, Qt::UserRole, Qt::MatchFixedString);
    if (columnIndex >= 0)
        row.column->setCurrentIndex(columnIndex);
    row.op = new QComboBox(row.box);
    for (FilterOperator op : allOperators())
        row.op->addItem(operatorText(op), int(op));
    row.op->setCurrentIndex(row.op->findData(int(condition.op)));
    row.value = new QLineEdit(condition.value, row.box);
    row.remove = new QToolButton(row.box);
    row.remove->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    row.remove->setToolTip(QStringLiteral("Remove this condition"));
    row.remove->setAutoRaise(true);
    line->addWidget(row.column, 2);
    line->addWidget(row.op, 2);
    line->addWidget(row.value, 3);
    line->addWidget(row.remove);

    QLineEdit* value = row.value;
    QComboBox* op = row.op;
    auto enableValue = [value, op] {
        value->setEnabled(FilterOperator(op->currentData().toInt()) != FilterOperator::IsEmpty);
    };
    connect(row.op, &QComboBox::currentIndexChanged, value, enableValue);
    enableValue();
    QWidget* box = row.box;
    connect(row.remove, &QToolButton::clicked, this, [this, box] {
        for (int i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].box == box) {
                removeCondition(i);
                return;
            }
    });
    m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row.box);
    m_rows.append(row);
    renameRows();
    row.value->setFocus();
}

void FilterDialog::removeCondition(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    // Later, since the row's own remove button may be the one that asked.
    QWidget* box = m_rows.takeAt(index).box;
    box->hide();
    box->deleteLater();
    renameRows();
}

void FilterDialog::clearConditions()
{
    while (!m_rows.isEmpty())
        removeCondition(int(m_rows.size()) - 1);
}

void FilterDialog::renameRows()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        m_rows[i].column->setObjectName(QStringLiteral("cbColumn%1").arg(i));
        m_rows[i].op->setObjectName(QStringLiteral("cbOperator%1").arg(i));
        m_rows[i].value->setObjectName(QStringLiteral("edValue%1").arg(i));
        m_rows[i].remove->setObjectName(QStringLiteral("btnRemove%1").arg(i));
    }
}

} // namespace grid
