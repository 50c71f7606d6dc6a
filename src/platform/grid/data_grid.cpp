#include "platform/grid/data_grid.h"

#include "platform/db/dataset.h"
#include "platform/grid/column_fitter.h"
#include "platform/grid/filter_dialog.h"
#include "platform/grid/footer_bar.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"
#include "platform/grid/row_indicator.h"
#include "platform/ui/message_service.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace grid {

DataGrid::DataGrid(QWidget* parent)
    : QWidget(parent), m_model(new GridModel(this)), m_view(new GridTreeView(this)),
      m_footer(new FooterBar(m_view, this)), m_navigator(new NavigatorBar(this)),
      m_fitter(new ColumnFitter(m_view)), m_filterBar(new QWidget(this)),
      m_filterText(new QLabel(m_filterBar))
{
    m_view->setModel(m_model);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setSortIndicatorShown(true);
    m_view->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_footer->hide();
    m_navigator->hide();
    m_navigator->beforeCommand = [this] { m_view->commitOpenEditor(); };

    // The filter bar names the filter in force and offers to change or drop it.
    auto* filterLine = new QHBoxLayout(m_filterBar);
    filterLine->setContentsMargins(4, 2, 4, 2);
    m_filterText->setObjectName(QStringLiteral("lbFilter"));
    auto* editFilter = new QToolButton(m_filterBar);
    editFilter->setObjectName(QStringLiteral("btnEditFilter"));
    editFilter->setText(QStringLiteral("Edit Filter..."));
    editFilter->setAutoRaise(true);
    auto* removeFilter = new QToolButton(m_filterBar);
    removeFilter->setObjectName(QStringLiteral("btnRemoveFilter"));
    removeFilter->setText(QStringLiteral("Clear Filter"));
    removeFilter->setAutoRaise(true);
    filterLine->addWidget(m_filterText, 1);
    filterLine->addWidget(editFilter);
    filterLine->addWidget(removeFilter);
    m_filterBar->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_navigator);

    connect(editFilter, &QToolButton::clicked, this,
            [this] { ui::runCommand([this] { showFilterDialog(); }); });
    connect(removeFilter, &QToolButton::clicked, this, [this] { ui::runCommand([this] { clearFilter(); }); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DataGrid::onViewCurrentChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::afterModelReset);
    connect(m_model, &GridModel::summariesChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_view->header(), &QHeaderView::sectionClicked, this, &DataGrid::onHeaderClicked);
    connect(m_view, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_model->rowKind(index) == GridModel::RowKind::Data)
            emit rowDoubleClicked(m_model->dataSetRow(index));
    });
    connect(m_view, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        m_expandedKeys.insert(m_model->groupKey(m_model->groupOf(index)));
    });
    connect(m_view, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (m_alwaysExpanded) {
            m_view->expand(index);
            return;
        }
        m_expandedKeys.remove(m_model->groupKey(m_model->groupOf(index)));
        // A focused line that disappears hands the focus to its group row.
        if (m_view->currentIndex().parent() == index)
            focusCurrentDataSetRow();
    });
    connect(m_navigator, &NavigatorBar::commandDone, this, [this](NavigatorBar::Button button) {
        if (button == NavigatorBar::Insert)
            startInsertEditing();
    });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (m_popup)
            m_popup->popup(m_view->viewport()->mapToGlobal(pos));
    });
}

DataGrid::~DataGrid() = default;

// --- binding and columns -------------------------------------------------------

void DataGrid::setDataSource(db::DataSource* source)
{
    m_model->setDataSource(source);
    setDataSet(source ? source->dataSet() : nullptr);
}

void DataGrid::setDataSet(db::DataSet* dataSet)
{
    for (const QMetaObject::Connection& c : std::as_const(m_dataSetConnections))
        disconnect(c);
    m_dataSetConnections.clear();
    if (m_model->dataSet() != dataSet)
        m_model->setDataSet(dataSet);
    m_navigator->setDataSet(dataSet);
    if (dataSet) {
        auto follow = [this] {
            if (!m_syncing && !m_model->isChangingRows())
                focusCurrentDataSetRow();
            // The indicator shows the state, also where no row repaints for it.
            m_view->rowIndicator()->update();
        };
        m_dataSetConnections = {
            connect(dataSet, &db::DataSet::currentRowChanged, this, follow),
            connect(dataSet, &db::DataSet::stateChanged, this, follow),
        };
    }
    focusCurrentDataSetRow();
}

db::DataSet* DataGrid::dataSet() const
{
    return m_model->dataSet();
}

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    m_model->setColumns(columns);
    QVector<int> widths;
    for (const GridColumn& c : columns)
        if (c.visible)
            widths.append(c.width);
    m_fitter->setWidths(widths);
}

QList<GridColumn> DataGrid::columns() const
{
    return m_model->columns();
}

void DataGrid::setColumnsStretched(bool on)
{
    m_fitter->setStretched(on);
}

void DataGrid::setRowHeight(int pixels)
{
    m_view->setRowHeight(pixels);
}

int DataGrid::rowHeight() const
{
    return m_view->rowHeight();
}

void DataGrid::setRowIndicatorVisible(bool on)
{
    m_view->setRowIndicatorVisible(on);
}

bool DataGrid::isRowIndicatorVisible() const
{
    return m_view->isRowIndicatorVisible();
}

void DataGrid::setRowsResizable(bool on)
{
    m_view->rowIndicator()->setRowsResizable(on);
}

bool DataGrid::rowsResizable() const
{
    return m_view->rowIndicator()->rowsResizable();
}

RowIndicator* DataGrid::rowIndicator() const
{
    return m_view->rowIndicator();
}

// --- sorting and grouping ------------------------------------------------------

void DataGrid::setSortColumn(const QString& fieldName, Qt::SortOrder order)
{
    m_view->commitOpenEditor();
    m_model->setSortField(fieldName, order);
}

void DataGrid::onHeaderClicked(int section)
{
    if (section < 0 || section >= m_model->columnCount())
        return;
    const QString field = m_model->visibleColumn(section).fieldName;
    const bool flip = m_model->sortField().compare(field, Qt::CaseInsensitive) == 0 &&
                      m_model->sortOrder() == Qt::AscendingOrder;
    setSortColumn(field, flip ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void DataGrid::updateSortIndicator()
{
    const int column = m_model->columnOfField(m_model->sortField());
    m_view->header()->setSortIndicator(column, m_model->sortOrder());
}

void DataGrid::setGroupColumn(const QString& fieldName)
{
    m_model->setGroupField(fieldName);
    m_view->setItemsExpandable(!fieldName.isEmpty());
}

int DataGrid::groupCount() const
{
    return m_model->groupCount();
}

bool DataGrid::isGroupExpanded(int group) const
{
    return m_view->isExpanded(m_model->groupIndex(group));
}

void DataGrid::setGroupExpanded(int group, bool expanded)
{
    m_view->setExpanded(m_model->groupIndex(group), expanded);
}

void DataGrid::setAlwaysExpanded(bool on)
{
    m_alwaysExpanded = on;
    if (on)
        m_view->expandAll();
}

void DataGrid::collapseAll()
{
    m_alwaysExpanded = false;
    m_expandedKeys.clear();
    m_view->collapseAll();
    focusCurrentDataSetRow();
}

// --- summaries -----------------------------------------------------------------

void DataGrid::setSummaries(SummaryPlace place, const QList<SummaryItem>& items)
{
    m_model->setSummaries(place, items);
    if (place == SummaryPlace::Footer)
        m_footer->setVisible(!items.isEmpty());
}

QList<SummaryItem> DataGrid::summaries(SummaryPlace place) const
{
    return m_model->summaries(place);
}

void DataGrid::setSummaryDisplayFormat(SummaryPlace place, int item, const QString& mask)
{
    m_model->setSummaryDisplayFormat(place, item, mask);
    m_view->viewport()->update();
}

QString DataGrid::summaryText(SummaryPlace place, int item, int group) const
{
    return m_model->summaryText(place, item, group);
}

double DataGrid::summaryValue(SummaryPlace place, int item, int group) const
{
    return m_model->summaryValue(place, item, group);
}

// --- filter --------------------------------------------------------------------

void DataGrid::setFilter(const FilterCriteria& criteria)
{
    m_view->commitOpenEditor();
    m_model->setFilter(criteria);
    updateFilterBar();
}

FilterCriteria DataGrid::filter() const
{
    return m_model->filter();
}

void DataGrid::clearFilter()
{
    setFilter({});
}

void DataGrid::showFilterDialog()
{
    FilterDialog dialog(m_model->columns(), this);
    dialog.setCriteria(filter());
    if (dialog.conditionCount() == 0)
        dialog.addCondition();
    if (ui::messages().execModal(&dialog) == QDialog::Accepted)
        setFilter(dialog.criteria());
}

void DataGrid::updateFilterBar()
{
    const FilterCriteria& criteria = m_model->filter();
    m_filterBar->setVisible(!criteria.isEmpty());
    m_filterText->setText(QStringLiteral("Filter: ") + describeFilter(criteria, m_model->columns()));
}

// --- editing -------------------------------------------------------------------

void DataGrid::setEditable(bool on)
{
    m_model->setEditable(on);
    m_view->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed
                               : QAbstractItemView::NoEditTriggers);
}

bool DataGrid::isEditable() const
{
    return m_model->isEditable();
}

void DataGrid::setNewItemRowVisible(bool on)
{
    m_model->setNewItemRowVisible(on);
}

void DataGrid::setNavigatorVisible(bool on)
{
    m_navigator->setVisible(on);
}

void DataGrid::startInsertEditing()
{
    const db::DataSet* ds = dataSet();
    if (!ds || ds->state() != db::DataSetState::Insert || !m_model->isNewItemRowVisible())
        return;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const QModelIndex cell = m_model->newItemIndex(c);
        if (m_model->flags(cell) & Qt::ItemIsEditable) {
            m_view->setCurrentIndex(cell);
            m_view->edit(cell);
            return;
        }
    }
}

// --- the focused row and the dataset's current row ------------------------------

void DataGrid::setPopupMenu(QMenu* menu)
{
    m_popup = menu;
}

int DataGrid::focusedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    switch (m_model->rowKind(current)) {
    case GridModel::RowKind::Data:
        return m_model->dataSetRow(current);
    case GridModel::RowKind::Group:
        return m_model->firstDataSetRowOfGroup(m_model->groupOf(current));
    default:
        return -1;
    }
}

void DataGrid::onViewCurrentChanged(const QModelIndex& current)
{
    db::DataSet* ds = dataSet();
    if (m_syncing || m_model->isChangingRows() || !ds || !current.isValid())
        return;
    const GridModel::RowKind kind = m_model->rowKind(current);
    if (kind != GridModel::RowKind::Data && kind != GridModel::RowKind::Group)
        return;
    const int row = focusedRow();
    if (row < 0)
        return;
    if (row != ds->currentRow() || ds->state() == db::DataSetState::Insert) {
        const int resets = m_resetCount;
        m_syncing = true;
        // Leaving a row stores its pending edit; when that fails the dataset stays
        // and so must the focus.
        const bool moved = ui::runCommand([&] { ds->setCurrentRow(row); });
        m_syncing = false;
        if (!moved) {
            QMetaObject::invokeMethod(this, &DataGrid::focusCurrentDataSetRow, Qt::QueuedConnection);
            return;
        }
        // Storing a new row may have rebuilt the rows under the focus.
        if (m_resetCount != resets)
            focusCurrentDataSetRow();
    }
    emit focusedRowChanged(ds->currentRow());
}

void DataGrid::focusCurrentDataSetRow()
{
    const db::DataSet* ds = dataSet();
    if (!ds || m_model->isChangingRows())
        return;
    QItemSelectionModel* selection = m_view->selectionModel();
    const QModelIndex current = m_view->currentIndex();
    QModelIndex target;
    if (ds->state() == db::DataSetState::Insert) {
        // The insert buffer is shown in the new-item row, if the grid has one.
        target = m_model->newItemIndex(qMax(0, current.column()));
        if (!target.isValid() || m_model->rowKind(current) == GridModel::RowKind::NewItem)
            return;
    } else {
        const int row = ds->currentRow();
        if (row < 0) {
            selection->clear();
            return;
        }
        target = m_model->indexOfDataSetRow(row, qMax(0, current.column()));
        if (!target.isValid())
            return; // filtered out: the focus stays where it is
        const QModelIndex group = target.parent();
        const bool lineShown = !group.isValid() || m_view->isExpanded(group);
        if (!lineShown)
            target = group;
        // Already there: the line itself, or the group row of its collapsed group.
        const GridModel::RowKind kind = m_model->rowKind(current);
        if (kind == GridModel::RowKind::Data && m_model->dataSetRow(current) == row && lineShown)
            return;
        if (kind == GridModel::RowKind::Group && !lineShown &&
            m_model->groupOf(current) == m_model->groupOf(target))
            return;
    }
    m_syncing = true;
    selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_syncing = false;
    m_view->scrollTo(target);
    if (target != m_model->newItemIndex(target.column()))
        emit focusedRowChanged(ds->currentRow());
}

void DataGrid::afterModelReset()
{
    ++m_resetCount;
    m_fitter->fit();
    updateSortIndicator();
    if (m_model->isGrouped()) {
        if (m_alwaysExpanded) {
            m_view->expandAll();
        } else if (!m_expandedKeys.isEmpty()) {
            for (int g = 0; g < m_model->groupCount(); ++g)
                if (m_expandedKeys.contains(m_model->groupKey(g)))
                    m_view->expand(m_model->groupIndex(g));
        }
    }
    m_footer->update();
    updateFilterBar();
    focusCurrentDataSetRow();
}

} // namespace grid
