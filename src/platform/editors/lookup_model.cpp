#include "platform/editors/lookup_model.h"

namespace editors {

LookupModel::LookupModel(QObject* parent) : QAbstractTableModel(parent)
{
}

void LookupModel::setDataSet(db::DataSet* dataSet, const QList<LookupColumn>& columns)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    beginResetModel();
    m_dataSet = dataSet;
    m_columns = columns;
    m_fieldIndexes.clear();
    m_rowCount = 0;
    endResetModel();
    if (dataSet) {
        auto reread = [this] { readAnew(); };
        m_connections << connect(dataSet, &db::DataSet::opened, this, reread)
                      << connect(dataSet, &db::DataSet::closed, this, reread)
                      << connect(dataSet, &db::DataSet::rowsReset, this, reread)
                      << connect(dataSet, &db::DataSet::rowInserted, this, reread)
                      << connect(dataSet, &db::DataSet::rowRemoved, this, reread)
                      << connect(dataSet, &db::DataSet::rowChanged, this, [this](int row) {
                             if (row >= 0 && row < m_rowCount)
                                 emit dataChanged(index(row, 0), index(row, columnCount() - 1));
                         });
    }
    readAnew();
}

void LookupModel::readAnew()
{
    beginResetModel();
    m_fieldIndexes.clear();
    const bool open = m_dataSet && m_dataSet->isOpen();
    for (const LookupColumn& c : std::as_const(m_columns))
        m_fieldIndexes.append(open ? m_dataSet->fieldIndex(c.field) : -1);
    m_rowCount = open ? m_dataSet->recordCount() : 0;
    endResetModel();
}

int LookupModel::fieldIndexOf(int column) const
{
    return column >= 0 && column < m_fieldIndexes.size() ? m_fieldIndexes[column] : -1;
}

int LookupModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int LookupModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant LookupModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount || !m_dataSet)
        return {};
    const int field = fieldIndexOf(index.column());
    if (field < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_dataSet->displayText(index.row(), field);
    case Qt::TextAlignmentRole: {
        const db::FieldType type = m_dataSet->fields()[field].type;
        const bool number = type == db::FieldType::Integer || type == db::FieldType::Double;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant LookupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section].caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LookupModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace editors
