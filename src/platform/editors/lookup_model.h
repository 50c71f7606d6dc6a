#pragma once

#include "platform/db/dataset.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

namespace editors {

// One column of a lookup's drop-down list.
struct LookupColumn
{
    QString caption;
    QString field;
    int width = 100;
};

// The rows of a looked-up dataset as a read-only table, in the fields' display
// formats, for the drop-down list of a lookup combo box.
class LookupModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit LookupModel(QObject* parent = nullptr);

    void setDataSet(db::DataSet* dataSet, const QList<LookupColumn>& columns);
    db::DataSet* dataSet() const { return m_dataSet; }
    const QList<LookupColumn>& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The dataset tells of a change after it has happened, so the model is read anew.
    void readAnew();
    int fieldIndexOf(int column) const;

    QPointer<db::DataSet> m_dataSet;
    QList<LookupColumn> m_columns;
    QVector<int> m_fieldIndexes; // -1 for a column the dataset does not have
    int m_rowCount = 0;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace editors
