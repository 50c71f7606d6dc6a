#pragma once

#include "platform/db/field.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

namespace db {

class Connection;

enum class DataSetState
{
    Inactive,
    Browse,
    Edit,
    Insert
};

// A dataset holds the rows of one statement in memory (a static cursor), has one
// current row shared by every window that uses it, and a state: browse, edit (a
// stored row is being changed) or insert (a new row not yet stored). Edits go to
// a buffer that post() writes and cancel() drops.
//
// Views and editors follow it through its signals and never keep values of their
// own. Behaviour of the data module hangs on the handler hooks (before open,
// after insert), which may throw: the operation that ran them then fails.
class DataSet : public QObject
{
    Q_OBJECT
public:
    explicit DataSet(Connection* connection, QObject* parent = nullptr);
    ~DataSet() override;

    Connection* connection() const { return m_connection; }

    // --- opening -----------------------------------------------------------
    void open();
    void close();
    bool isOpen() const { return m_state != DataSetState::Inactive; }
    void refresh(); // re-read every row, keeping the current one where it can

    // --- fields ------------------------------------------------------------
    // Fixed fields: the dataset then exposes exactly these columns with these types.
    void setFieldDefs(const FieldDefs& defs) { m_fixedDefs = defs; }
    const FieldDefs& fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    int fieldIndex(const QString& name) const;        // -1 when there is no such field
    int checkedFieldIndex(const QString& name) const; // throws when there is none
    const FieldDef& field(const QString& name) const { return m_fields[checkedFieldIndex(name)]; }
    void setDisplayFormat(const QString& name, const QString& format);

    // --- rows and moving ---------------------------------------------------
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int currentRow() const { return m_current; } // -1 when there is none
    void setCurrentRow(int row);                 // posts a pending edit first
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(recordCount() - 1); }
    void next();
    void prior();

    // The record-finding rule: moves to the first row, in the dataset's order, whose
    // key columns each begin with their text; an empty text matches only an empty
    // key. Returns whether a row was found; when none is, the current row stays.
    bool locate(const QStringList& keyFields, const QStringList& texts);
    bool locate(const QString& keyField, const QString& text)
    {
        return locate(QStringList{keyField}, {text});
    }

    // Stored values of any row (what the grids show).
    QVariant storedValue(int row, int field) const { return m_rows[row][field]; }
    QString displayText(int row, int field) const;

    // --- the current row ----------------------------------------------------
    // While editing these read the edit buffer. Empty values read as 0 / false / "".
    QVariant value(const QString& name) const;
    QString asString(const QString& name) const;
    double asDouble(const QString& name) const;
    int asInteger(const QString& name) const;
    bool asBoolean(const QString& name) const;
    QDate asDate(const QString& name) const;
    bool isNull(const QString& name) const { return value(name).isNull(); }
    QString displayText(const QString& name) const;
    // The unformatted text an editor shows for editing.
    QString editText(const QString& name) const;

    // Writes a field of the row being edited; the value is converted to the field's type.
    void setValue(const QString& name, const QVariant& value);
    // Writes text entered by the user: empty text clears the field, other text must
    // read as the field's type or a ConversionError is thrown and nothing changes.
    void setText(const QString& name, const QString& text);

    // --- editing ------------------------------------------------------------
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }
    void insert();
    void edit(); // on an empty dataset this starts an insert
    void post();
    void cancel();
    void deleteRecord();
    bool isModified() const { return m_modified; }

    // --- master/detail ------------------------------------------------------
    // The dataset then holds only the rows whose detailField equals the master's
    // current masterField, follows the master, and fills the link in rows it inserts.
    void setMasterLink(DataSet* master, const QString& masterField, const QString& detailField);
    DataSet* master() const { return m_master; }

    // --- handlers -----------------------------------------------------------
    std::function<void()> beforeOpenHandler;
    std::function<void()> afterInsertHandler;

    // Read-only datasets refuse insert, edit and delete.
    virtual bool canModify() const { return false; }

    static QVariant convertText(const FieldDef& field, const QString& text); // throws ConversionError
    static QVariant toFieldValue(const FieldDef& field, const QVariant& stored);
    static QVariant toStoredValue(const FieldDef& field, const QVariant& value);

signals:
    void opened();
    void closed();
    void rowsReset();          // every row was read anew (or dropped)
    void rowChanged(int row);  // a stored row took new values
    void rowInserted(int row); // a new stored row stands at this index
    void rowRemoved(int row);
    void currentRowChanged(int row);
    void stateChanged(db::DataSetState state);
    void fieldChanged(const QString& name); // a value of the current row changed while editing

protected:
    struct Statement
    {
        QString sql;
        QVariantList params;
    };
    // The statement whose rows the dataset holds. Tables select their rowid first.
    virtual Statement selectStatement() const = 0;
    // Whether the first column of the statement is the row's identity (a rowid).
    virtual bool selectsRowId() const { return false; }
    // Field definitions when none are fixed: by default from the result's columns.
    virtual FieldDefs discoverFields() const { return {}; }
    virtual qint64 writeInsert(const QVector<QVariant>& values, const QVector<bool>& set);
    virtual void writeUpdate(qint64 rowId, const QVector<QVariant>& values, const QVector<bool>& changed);
    virtual void writeDelete(qint64 rowId);
    virtual QVector<QVariant> rereadRow(qint64 rowId);

    void checkModifiable() const;
    // The link column and value of a detail dataset; an empty column for others.
    QString linkColumn() const { return m_master ? m_detailField : QString(); }
    QVariant linkValue() const;
    Connection* m_connection;

private:
    void readRows();
    void setState(DataSetState state);
    void followMaster();
    void postPendingDetails();
    void notifyDetails();
    const QVector<QVariant>* currentValues() const;

    FieldDefs m_fixedDefs;
    FieldDefs m_fields;
    QVector<QVector<QVariant>> m_rows;
    QVector<qint64> m_rowIds;
    int m_current = -1;
    DataSetState m_state = DataSetState::Inactive;
    QVector<QVariant> m_buffer;
    QVector<bool> m_changed;
    bool m_modified = false;
    int m_insertReturnRow = -1;

    QPointer<DataSet> m_master;
    QString m_masterField;
    QString m_detailField;
    // Details are told directly (not through signals) so that their errors reach
    // the operation that moved the master.
    QList<QPointer<DataSet>> m_details;
    QHash<QString, QString> m_formats;
};

// A dataset over one table (or a view, which is read-only). Rows are read in
// the table's order and written back one at a time, found by their rowid, so a
// row whose key the user edits is still found.
class TableDataSet : public DataSet
{
    Q_OBJECT
public:
    TableDataSet(Connection* connection, const QString& tableName = {}, QObject* parent = nullptr);
    QString tableName() const { return m_table; }
    void setTableName(const QString& name) { m_table = name; }
    bool canModify() const override;

protected:
    Statement selectStatement() const override;
    bool selectsRowId() const override { return !isView(); }
    FieldDefs discoverFields() const override;
    qint64 writeInsert(const QVector<QVariant>& values, const QVector<bool>& set) override;
    void writeUpdate(qint64 rowId, const QVector<QVariant>& values, const QVector<bool>& changed) override;
    void writeDelete(qint64 rowId) override;
    QVector<QVariant> rereadRow(qint64 rowId) override;

private:
    bool isView() const;
    QString m_table;
    mutable int m_isView = -1; // whether m_isViewOf is a view, once asked
    mutable QString m_isViewOf;
};

// A read-only dataset over an SQL statement with positional parameters; it can
// also run a statement that returns no rows (execSql).
class QueryDataSet : public DataSet
{
    Q_OBJECT
public:
    explicit QueryDataSet(Connection* connection, QObject* parent = nullptr);
    QStringList& sql() { return m_sql; }
    void setSql(const QString& text);
    void setParameters(const QVariantList& params) { m_params = params; }
    void execSql();

protected:
    Statement selectStatement() const override;

private:
    QStringList m_sql;
    QVariantList m_params;
};

// A read-only dataset over a stored query of the database file, known by name,
// with its parameters passed by position as text.
class StoredProcDataSet : public DataSet
{
    Q_OBJECT
public:
    explicit StoredProcDataSet(Connection* connection, const QString& procedure = {},
                               QObject* parent = nullptr);
    QString procedureName() const { return m_procedure; }
    void setProcedureName(const QString& name) { m_procedure = name; }
    void setParameters(const QStringList& params) { m_params = params; }

protected:
    Statement selectStatement() const override;

private:
    QString m_procedure;
    QStringList m_params;
};

// What binds a view or an editor to a dataset. With automatic editing off, a
// bound editor cannot put the row into editing by itself; code does that.
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(DataSet* dataSet, QObject* parent = nullptr) : QObject(parent), m_dataSet(dataSet) {}
    DataSet* dataSet() const { return m_dataSet; }
    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool on) { m_autoEdit = on; }

private:
    DataSet* m_dataSet;
    bool m_autoEdit = true;
};

} // namespace db
