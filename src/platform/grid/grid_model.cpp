#include "platform/grid/grid_model.h"

#include "platform/db/display_format.h"
#include "platform/db/errors.h"
#include "platform/grid/summaries.h"
#include "platform/ui/message_service.h"

namespace grid {

namespace {

// The unformatted text a cell editor starts from, as DataSet::editText gives it
// for the current row.
QString editTextOf(const db::FieldDef& field, const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (field.type) {
    case db::FieldType::Double:
        return db::shortestDecimalText(value.toDouble());
    case db::FieldType::Integer:
        return QString::number(value.toLongLong());
    case db::FieldType::Date:
        return value.toDate().toString(Qt::ISODate);
    case db::FieldType::Boolean:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        if (value.typeId() == QMetaType::Double)
            return db::shortestDecimalText(value.toDouble());
        return value.toString();
    }
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractItemModel(parent)
{
}

// --- binding and columns -------------------------------------------------------

void GridModel::setDataSource(db::DataSource* source)
{
    m_dataSource = source;
    setDataSet(source ? source->dataSet() : nullptr);
}

void GridModel::setDataSet(db::DataSet* dataSet)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    rebuild([&] {
        m_dataSet = dataSet;
        if (m_dataSource && m_dataSource->dataSet() != dataSet)
            m_dataSource = nullptr;
    });
    if (!dataSet)
        return;
    m_connections = {
        connect(dataSet, &db::DataSet::rowsReset, this, [this] { rebuild(); }),
        connect(dataSet, &db::DataSet::rowChanged, this, &GridModel::onRowChanged),
        connect(dataSet, &db::DataSet::rowInserted, this, &GridModel::onRowInserted),
        connect(dataSet, &db::DataSet::rowRemoved, this, &GridModel::onRowRemoved),
        connect(dataSet, &db::DataSet::stateChanged, this, &GridModel::onStateChanged),
        connect(dataSet, &db::DataSet::fieldChanged, this, &GridModel::onFieldChanged),
        connect(dataSet, &QObject::destroyed, this, [this] { setDataSet(nullptr); }),
    };
}

void GridModel::setColumns(const QList<GridColumn>& columns)
{
    rebuild([&] {
        m_columns = columns;
        m_visible.clear();
        for (int i = 0; i < m_columns.size(); ++i)
            if (m_columns[i].visible)
                m_visible.append(i);
    });
}

int GridModel::columnOfField(const QString& fieldName) const
{
    for (int c = 0; c < m_visible.size(); ++c)
        if (sameName(visibleColumn(c).fieldName, fieldName))
            return c;
    return -1;
}

void GridModel::resolveFields()
{
    m_fieldOfColumn.fill(-1, m_visible.size());
    if (!m_dataSet)
        return;
    for (int c = 0; c < m_visible.size(); ++c)
        m_fieldOfColumn[c] = m_dataSet->fieldIndex(visibleColumn(c).fieldName);
}

// --- order ---------------------------------------------------------------------

void GridModel::setGroupField(const QString& fieldName)
{
    rebuild([&] { m_groupField = fieldName; });
}

void GridModel::setSortField(const QString& fieldName, Qt::SortOrder order)
{
    rebuild([&] {
        m_sortField = fieldName;
        m_sortOrder = order;
    });
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    setSortField(column >= 0 && column < m_visible.size() ? visibleColumn(column).fieldName : QString(),
                 order);
}

void GridModel::setFilter(const FilterCriteria& criteria)
{
    rebuild([&] { m_filter = criteria; });
}

// --- summaries -----------------------------------------------------------------

QList<SummaryItem>& GridModel::summaryList(SummaryPlace place)
{
    return place == SummaryPlace::Footer ? m_footerSummaries : m_groupSummaries;
}

const QList<SummaryItem>& GridModel::summaries(SummaryPlace place) const
{
    return place == SummaryPlace::Footer ? m_footerSummaries : m_groupSummaries;
}

void GridModel::setSummaries(SummaryPlace place, const QList<SummaryItem>& items)
{
    // Group summaries decide whether groups have footer rows: the rows change.
    rebuild([&] { summaryList(place) = items; });
}

void GridModel::setSummaryDisplayFormat(SummaryPlace place, int item, const QString& mask)
{
    QList<SummaryItem>& list = summaryList(place);
    if (item < 0 || item >= list.size())
        return;
    list[item].displayFormat = mask;
    if (place == SummaryPlace::GroupFooter && groupCount() > 0) {
        const int last = columnCount() - 1;
        for (int g = 0; g < groupCount(); ++g) {
            const QModelIndex footer = index(groupIndex(g).row() + 1, 0);
            emit dataChanged(footer, footer.siblingAtColumn(last), {Qt::DisplayRole});
        }
    }
    emit summariesChanged();
}

void GridModel::computeSummaries()
{
    m_footerValues.clear();
    m_groupValues.clear();
    if (!m_dataSet)
        return;
    SummaryValues values = grid::computeSummaries(*m_dataSet, m_layout, m_footerSummaries, m_groupSummaries);
    m_footerValues = std::move(values.footer);
    m_groupValues = std::move(values.groups);
}

double GridModel::summaryValue(SummaryPlace place, int item, int group) const
{
    if (place == SummaryPlace::Footer)
        return m_footerValues.value(item);
    if (group < 0 || group >= groupCount() || item < 0 || item >= m_groupSummaries.size())
        return 0.0;
    return m_groupValues.value(group * m_groupSummaries.size() + item);
}

QString GridModel::summaryText(SummaryPlace place, int item, int group) const
{
    const QList<SummaryItem>& items = summaries(place);
    if (item < 0 || item >= items.size())
        return {};
    return grid::summaryText(items[item], summaryValue(place, item, group));
}

QString GridModel::footerText(int modelColumn) const
{
    if (modelColumn < 0 || modelColumn >= m_visible.size())
        return {};
    QStringList texts;
    for (int i = 0; i < m_footerSummaries.size(); ++i)
        if (sameName(m_footerSummaries[i].shownUnder(), visibleColumn(modelColumn).fieldName))
            texts.append(summaryText(SummaryPlace::Footer, i));
    return texts.join(QStringLiteral("  "));
}

QString GridModel::groupFooterText(int group, int modelColumn) const
{
    if (modelColumn < 0 || modelColumn >= m_visible.size())
        return {};
    QStringList texts;
    for (int i = 0; i < m_groupSummaries.size(); ++i)
        if (sameName(m_groupSummaries[i].shownUnder(), visibleColumn(modelColumn).fieldName))
            texts.append(summaryText(SummaryPlace::GroupFooter, i, group));
    return texts.join(QStringLiteral("  "));
}

// --- editing -------------------------------------------------------------------

void GridModel::setEditable(bool on)
{
    m_editable = on;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::setNewItemRowVisible(bool on)
{
    if (m_newItemRow == on)
        return;
    m_changing = true;
    if (on) {
        beginInsertRows({}, 0, 0);
        m_newItemRow = true;
        m_changing = false;
        endInsertRows();
    } else {
        beginRemoveRows({}, 0, 0);
        m_newItemRow = false;
        m_changing = false;
        endRemoveRows();
    }
}

bool GridModel::canEditColumn(int modelColumn) const
{
    const int field = fieldOfColumn(modelColumn);
    if (!m_editable || !m_canModify || field < 0 || m_dataSet->fields()[field].readOnly)
        return false;
    // With automatic editing off only code puts the row into editing.
    return !m_dataSource || m_dataSource->autoEdit() || m_dataSet->isEditing();
}

bool GridModel::showsEditBuffer(int dataSetRow) const
{
    return m_dataSet->state() == db::DataSetState::Edit && dataSetRow == m_dataSet->currentRow();
}

// --- rows ----------------------------------------------------------------------

int GridModel::rootRowCount() const
{
    const int lines = m_layout.grouped ? groupCount() * groupStride() : int(m_layout.order.size());
    return (m_newItemRow ? 1 : 0) + lines;
}

GridModel::RootRow GridModel::decodeRootRow(int row) const
{
    const int r = row - (m_newItemRow ? 1 : 0);
    if (r < 0)
        return {RowKind::NewItem, -1, -1};
    if (!m_layout.grouped)
        return {RowKind::Data, -1, r};
    const int stride = groupStride();
    return {stride == 2 && r % 2 == 1 ? RowKind::GroupFooter : RowKind::Group, r / stride, -1};
}

GridModel::RowKind GridModel::rowKind(const QModelIndex& index) const
{
    if (!index.isValid())
        return RowKind::Data;
    if (index.internalId() != 0)
        return RowKind::Data;
    return decodeRootRow(index.row()).kind;
}

int GridModel::dataSetRow(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return -1;
    if (index.internalId() != 0) {
        const int group = int(index.internalId()) - 1;
        return m_layout.order.value(m_layout.groupBegin.value(group) + index.row(), -1);
    }
    const RootRow root = decodeRootRow(index.row());
    return root.kind == RowKind::Data ? m_layout.order.value(root.position, -1) : -1;
}

QModelIndex GridModel::indexOfDataSetRow(int row, int column) const
{
    const int position = m_layout.positionOfRow.value(row, -1);
    if (position < 0)
        return {};
    if (!m_layout.grouped)
        return index(position + (m_newItemRow ? 1 : 0), column);
    const int group = m_layout.groupOfPosition(position);
    return createIndex(position - m_layout.groupBegin[group], column, quintptr(group + 1));
}

QModelIndex GridModel::newItemIndex(int column) const
{
    return m_newItemRow ? index(0, column) : QModelIndex();
}

int GridModel::groupOf(const QModelIndex& index) const
{
    if (!index.isValid() || !m_layout.grouped)
        return -1;
    if (index.internalId() != 0)
        return int(index.internalId()) - 1;
    return decodeRootRow(index.row()).group;
}

QModelIndex GridModel::groupIndex(int group) const
{
    if (group < 0 || group >= groupCount())
        return {};
    return createIndex((m_newItemRow ? 1 : 0) + group * groupStride(), 0, quintptr(0));
}

int GridModel::firstDataSetRowOfGroup(int group) const
{
    if (group < 0 || group >= groupCount() || m_layout.groupSize(group) == 0)
        return -1;
    return m_layout.order[m_layout.groupBegin[group]];
}

QString GridModel::groupCaption(int group) const
{
    const int row = firstDataSetRowOfGroup(group);
    const int field = m_dataSet ? m_dataSet->fieldIndex(m_groupField) : -1;
    if (row < 0 || field < 0 || row >= m_dataSet->recordCount())
        return {};
    QString caption = m_groupField;
    for (const GridColumn& column : m_columns)
        if (sameName(column.fieldName, m_groupField)) {
            caption = column.caption;
            break;
        }
    return caption + QStringLiteral(" : ") + m_dataSet->displayText(row, field);
}

// --- QAbstractItemModel --------------------------------------------------------

QModelIndex GridModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount())
        return {};
    if (!parent.isValid())
        return row < rootRowCount() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.model() != this || parent.internalId() != 0 || parent.column() != 0)
        return {};
    const RootRow root = decodeRootRow(parent.row());
    if (root.kind != RowKind::Group || row >= m_layout.groupSize(root.group))
        return {};
    return createIndex(row, column, quintptr(root.group + 1));
}

QModelIndex GridModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return groupIndex(int(child.internalId()) - 1);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return rootRowCount();
    if (parent.column() > 0 || parent.internalId() != 0)
        return 0;
    const RootRow root = decodeRootRow(parent.row());
    return root.kind == RowKind::Group ? m_layout.groupSize(root.group) : 0;
}

int GridModel::columnCount(const QModelIndex&) const
{
    return int(m_visible.size());
}

Qt::Alignment GridModel::alignmentOf(int modelColumn) const
{
    const int field = fieldOfColumn(modelColumn);
    const bool number = field >= 0 && (m_dataSet->fields()[field].type == db::FieldType::Integer ||
                                       m_dataSet->fields()[field].type == db::FieldType::Double);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant GridModel::lineData(int dataSetRow, int modelColumn, int role, bool fromBuffer) const
{
    const int field = fieldOfColumn(modelColumn);
    if (field < 0)
        return {};
    const db::FieldDef& def = m_dataSet->fields()[field];
    const bool boolean = def.type == db::FieldType::Boolean;
    switch (role) {
    case Qt::DisplayRole:
        if (boolean)
            return {};
        return fromBuffer ? m_dataSet->displayText(def.name) : m_dataSet->displayText(dataSetRow, field);
    case Qt::EditRole:
        return editTextOf(def, fromBuffer ? m_dataSet->value(def.name)
                                          : m_dataSet->storedValue(dataSetRow, field));
    case Qt::CheckStateRole:
        if (!boolean)
            return {};
        return (fromBuffer ? m_dataSet->asBoolean(def.name)
                           : m_dataSet->storedValue(dataSetRow, field).toBool())
                   ? Qt::Checked
                   : Qt::Unchecked;
    default:
        return {};
    }
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || !m_dataSet)
        return {};
    const RowKind kind = rowKind(index);
    if (role == RowKindRole)
        return int(kind);
    if (role == Qt::TextAlignmentRole)
        return int(kind == RowKind::Group ? Qt::AlignLeft | Qt::AlignVCenter : alignmentOf(index.column()));
    switch (kind) {
    case RowKind::Data: {
        const int row = rowBeforePendingChange(dataSetRow(index));
        // The layout is rebuilt on every change of the rows; the guard only keeps
        // a half-read dataset from crashing a paint.
        if (row < 0 || row >= m_dataSet->recordCount())
            return {};
        return lineData(row, index.column(), role, showsEditBuffer(row));
    }
    case RowKind::NewItem:
        if (m_dataSet->state() != db::DataSetState::Insert)
            return {};
        return lineData(-1, index.column(), role, true);
    case RowKind::Group:
        if (role == Qt::DisplayRole && index.column() == 0)
            return groupCaption(groupOf(index));
        return {};
    case RowKind::GroupFooter:
        if (role == Qt::DisplayRole)
            return groupFooterText(groupOf(index), index.column());
        return {};
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !m_dataSet)
        return Qt::NoItemFlags;
    switch (rowKind(index)) {
    case RowKind::Group:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    case RowKind::GroupFooter:
        // Not enabled, so that neither the mouse nor the keys can focus it.
        return Qt::ItemNeverHasChildren;
    case RowKind::Data:
    case RowKind::NewItem: {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        if (canEditColumn(index.column())) {
            const bool boolean =
                m_dataSet->fields()[fieldOfColumn(index.column())].type == db::FieldType::Boolean;
            f |= boolean ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
        }
        return f;
    }
    }
    return Qt::NoItemFlags;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_visible.size())
        return {};
    if (role == Qt::DisplayRole)
        return visibleColumn(section).caption;
    if (role == Qt::TextAlignmentRole)
        return int(alignmentOf(section));
    return {};
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole && role != Qt::CheckStateRole)
        return false;
    if (!(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    // An editor closed without a change writes nothing (and starts no edit).
    if (role == Qt::EditRole && value.toString() == index.data(Qt::EditRole).toString())
        return true;
    // An error box shown while an editor commits can make the view commit again.
    if (m_writing)
        return false;
    m_writing = true;
    const bool ok = ui::runCommand([&] { writeCell(index, value, role); });
    m_writing = false;
    return ok;
}

void GridModel::writeCell(const QModelIndex& index, const QVariant& value, int role)
{
    db::DataSet* ds = m_dataSet;
    const QString name = ds->fields()[fieldOfColumn(index.column())].name;
    bool started = false;
    if (rowKind(index) == RowKind::NewItem) {
        if (ds->state() != db::DataSetState::Insert)
            ds->insert();
    } else {
        const int row = dataSetRow(index);
        // Moving to the row stores a pending edit or insert of another row first.
        if (row != ds->currentRow() || ds->state() == db::DataSetState::Insert)
            ds->setCurrentRow(row);
        if (!ds->isEditing()) {
            ds->edit();
            started = true;
        }
    }
    try {
        if (role == Qt::CheckStateRole)
            ds->setValue(name, value.toInt() == Qt::Checked);
        else
            ds->setText(name, value.toString());
    } catch (...) {
        if (started)
            ds->cancel();
        throw;
    }
    // A cell edited from browsing is stored at once; a row the user put into
    // editing or inserting is stored by the navigator or by leaving the row.
    if (started)
        ds->post();
}

// --- following the dataset -----------------------------------------------------

void GridModel::rebuild(const std::function<void()>& change)
{
    m_changing = true;
    beginResetModel();
    if (change)
        change();
    relayout();
    m_changing = false;
    endResetModel();
    emit summariesChanged();
}

void GridModel::relayout()
{
    resolveFields();
    m_canModify = false;
    m_editedRow = -1;
    if (!m_dataSet) {
        m_layout = RowLayout();
        m_footerValues.clear();
        m_groupValues.clear();
        return;
    }
    if (m_dataSet->isOpen()) {
        try {
            m_canModify = m_dataSet->canModify();
        } catch (const db::DbError&) {
            m_canModify = false;
        }
    }
    if (m_dataSet->state() == db::DataSetState::Edit)
        m_editedRow = m_dataSet->currentRow();
    const RowFilter filter(*m_dataSet, m_filter);
    const int groupField = m_groupField.isEmpty() ? -1 : m_dataSet->fieldIndex(m_groupField);
    SortKey sort;
    sort.field = m_sortField.isEmpty() ? -1 : m_dataSet->fieldIndex(m_sortField);
    sort.order = m_sortOrder;
    m_layout = buildRowLayout(*m_dataSet, filter, groupField, sort);
    computeSummaries();
}

int GridModel::rowBeforePendingChange(int row) const
{
    // The dataset announces a new or removed row after the fact. Until the model
    // has announced it too, its old rows must still read the old values.
    if (m_pendingDelta == 0 || row < m_pendingRow)
        return row;
    if (m_pendingDelta < 0)
        return row == m_pendingRow ? -1 : row - 1;
    return row + 1;
}

bool GridModel::isPlainLayout() const
{
    return !m_layout.grouped && m_filter.isEmpty() &&
           (m_sortField.isEmpty() || !m_dataSet || m_dataSet->fieldIndex(m_sortField) < 0);
}

void GridModel::emitRowChanged(const QModelIndex& first)
{
    if (first.isValid())
        emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
}

void GridModel::onRowChanged(int row)
{
    if (!isPlainLayout()) {
        rebuild(); // the row may move to another place or group, or leave the filter
        return;
    }
    emitRowChanged(indexOfDataSetRow(row));
    computeSummaries();
    emit summariesChanged();
}

void GridModel::onRowInserted(int row)
{
    if (!isPlainLayout() || row < 0 || row > m_layout.order.size()) {
        rebuild();
        return;
    }
    const int at = row + (m_newItemRow ? 1 : 0);
    m_pendingRow = row;
    m_pendingDelta = +1;
    m_changing = true;
    beginInsertRows({}, at, at);
    m_pendingDelta = 0;
    relayout();
    m_changing = false;
    endInsertRows();
    emit summariesChanged();
}

void GridModel::onRowRemoved(int row)
{
    if (!isPlainLayout() || row < 0 || row >= m_layout.order.size()) {
        rebuild();
        return;
    }
    const int at = row + (m_newItemRow ? 1 : 0);
    m_pendingRow = row;
    m_pendingDelta = -1;
    m_changing = true;
    beginRemoveRows({}, at, at);
    m_pendingDelta = 0;
    relayout();
    m_changing = false;
    endRemoveRows();
    emit summariesChanged();
}

void GridModel::onStateChanged(db::DataSetState state)
{
    if (m_newItemRow)
        emitRowChanged(newItemIndex());
    const int previous = m_editedRow;
    m_editedRow = state == db::DataSetState::Edit ? m_dataSet->currentRow() : -1;
    if (previous >= 0 && previous != m_editedRow && previous < m_dataSet->recordCount())
        emitRowChanged(indexOfDataSetRow(previous));
    if (m_editedRow >= 0)
        emitRowChanged(indexOfDataSetRow(m_editedRow));
}

void GridModel::onFieldChanged()
{
    if (m_dataSet->state() == db::DataSetState::Insert)
        emitRowChanged(newItemIndex());
    else if (m_dataSet->state() == db::DataSetState::Edit)
        emitRowChanged(indexOfDataSetRow(m_dataSet->currentRow()));
}

} // namespace grid
