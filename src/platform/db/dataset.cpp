#include "platform/db/dataset.h"

#include "platform/db/connection.h"
#include "platform/db/display_format.h"
#include "platform/db/errors.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <limits>

namespace db {

namespace {

QString quoted(const QString& identifier)
{
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString sqlErrorText(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

const QString kEmptyDataSet = QStringLiteral("Cannot perform this operation on an empty dataset");
const QString kClosedDataSet = QStringLiteral("Cannot perform this operation on a closed dataset");
const QString kNotEditing = QStringLiteral("Dataset not in edit or insert mode");

QSqlQuery runSelect(Connection* connection, const QString& sql, const QVariantList& params)
{
    QSqlQuery query(connection->database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(sqlErrorText(query.lastError()));
    for (const QVariant& p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw DbError(sqlErrorText(query.lastError()));
    return query;
}

FieldType typeOfResultColumn(const QSqlField& field)
{
    switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return FieldType::Integer;
    case QMetaType::Double:
        return FieldType::Double;
    case QMetaType::Bool:
        return FieldType::Boolean;
    default:
        return FieldType::Any;
    }
}

// The text of a value as asString gives it; locate compares key texts in this
// same form, so a key read from one row finds that row again whatever its type.
QString textOf(const FieldDef& f, const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Double:
        return shortestDecimalText(v.toDouble());
    case FieldType::Date:
        return v.toDate().toString(Qt::ISODate);
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        if (v.typeId() == QMetaType::Double)
            return shortestDecimalText(v.toDouble());
        return v.toString();
    }
}

} // namespace

// --- conversions --------------------------------------------------------------

QVariant DataSet::toFieldValue(const FieldDef& field, const QVariant& stored)
{
    if (stored.isNull())
        return {};
    switch (field.type) {
    case FieldType::Text:
        return stored.toString();
    case FieldType::Integer: {
        if (stored.typeId() == QMetaType::QString)
            return convertText(field, stored.toString());
        // A value beyond a 32-bit whole number would wrap round into another number.
        const double asDouble = stored.toDouble();
        if (!std::isfinite(asDouble) || asDouble < std::numeric_limits<int>::min() ||
            asDouble > std::numeric_limits<int>::max())
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(stored.toString()));
        return int(stored.toLongLong());
    }
    case FieldType::Double:
        if (stored.typeId() == QMetaType::QString)
            return convertText(field, stored.toString());
        return stored.toDouble();
    case FieldType::Boolean:
        if (stored.typeId() == QMetaType::QString)
            return convertText(field, stored.toString());
        return stored.toLongLong() != 0;
    case FieldType::Date:
        if (stored.typeId() == QMetaType::QDate)
            return stored.toDate();
        if (stored.typeId() == QMetaType::QDateTime)
            return stored.toDateTime().date();
        return QDate::fromString(stored.toString().left(10), Qt::ISODate);
    case FieldType::Any:
        return stored;
    }
    return stored;
}

QVariant DataSet::toStoredValue(const FieldDef& field, const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (field.type) {
    case FieldType::Date:
        return value.toDate().toString(Qt::ISODate);
    case FieldType::Boolean:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

QVariant DataSet::convertText(const FieldDef& field, const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    const QLocale c = QLocale::c();
    bool ok = false;
    switch (field.type) {
    case FieldType::Text:
    case FieldType::Any:
        return text;
    case FieldType::Integer: {
        const int v = c.toInt(t, &ok);
        if (!ok)
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(t));
        return v;
    }
    case FieldType::Double: {
        const double v = c.toDouble(t, &ok);
        if (!ok || !std::isfinite(v))
            throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(t));
        return v;
    }
    case FieldType::Boolean: {
        const QString l = t.toLower();
        if (l == "1" || l == "true" || l == "yes")
            return true;
        if (l == "0" || l == "false" || l == "no")
            return false;
        throw ConversionError(QStringLiteral("'%1' is not a valid boolean value").arg(t));
    }
    case FieldType::Date: {
        QDate d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid())
            d = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
        if (!d.isValid())
            throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(t));
        return d;
    }
    }
    return text;
}

// --- DataSet ------------------------------------------------------------------

DataSet::DataSet(Connection* connection, QObject* parent) : QObject(parent), m_connection(connection)
{
}

DataSet::~DataSet()
{
    if (m_master)
        m_master->m_details.removeAll(this);
}

int DataSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int DataSet::checkedFieldIndex(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return i;
}

void DataSet::setDisplayFormat(const QString& name, const QString& format)
{
    m_formats.insert(name.toLower(), format);
    const int i = fieldIndex(name);
    if (i >= 0)
        m_fields[i].displayFormat = format;
}

void DataSet::open()
{
    if (isOpen())
        return;
    if (!m_connection || !m_connection->isOpen())
        throw DbError(QStringLiteral("Connection is not open."));
    m_fields = m_fixedDefs.isEmpty() ? discoverFields() : m_fixedDefs;
    for (FieldDef& f : m_fields) {
        const auto it = m_formats.constFind(f.name.toLower());
        if (it != m_formats.constEnd())
            f.displayFormat = *it;
    }
    if (beforeOpenHandler)
        beforeOpenHandler();
    readRows();
    m_current = m_rows.isEmpty() ? -1 : 0;
    setState(DataSetState::Browse);
    emit opened();
    emit rowsReset();
    emit currentRowChanged(m_current);
    notifyDetails();
}

void DataSet::readRows()
{
    const Statement statement = selectStatement();
    QSqlQuery query = runSelect(m_connection, statement.sql, statement.params);
    const QSqlRecord record = query.record();
    const int offset = selectsRowId() ? 1 : 0;
    if (m_fields.isEmpty()) {
        for (int i = offset; i < record.count(); ++i) {
            FieldDef f{record.fieldName(i), typeOfResultColumn(record.field(i)), 0, true, {}};
            f.displayFormat = m_formats.value(f.name.toLower());
            m_fields.append(f);
        }
    }
    QVector<int> columns(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i) {
        columns[i] = record.indexOf(m_fields[i].name);
        if (columns[i] < 0)
            throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), m_fields[i].name));
    }
    // Read into new vectors: a value that fails to convert leaves the old rows as they were.
    QVector<QVector<QVariant>> rows;
    QVector<qint64> rowIds;
    const int n = int(m_fields.size());
    while (query.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = toFieldValue(m_fields[i], query.value(columns[i]));
        rows.append(std::move(row));
        rowIds.append(offset ? query.value(0).toLongLong() : -1);
    }
    m_rows.swap(rows);
    m_rowIds.swap(rowIds);
}

void DataSet::close()
{
    if (!isOpen())
        return;
    postPendingDetails();
    m_buffer.clear();
    m_rows.clear();
    m_rowIds.clear();
    m_current = -1;
    m_modified = false;
    setState(DataSetState::Inactive);
    emit closed();
    emit rowsReset();
    emit currentRowChanged(-1);
    notifyDetails();
}

void DataSet::refresh()
{
    if (!isOpen())
        throw DbError(kClosedDataSet);
    postPendingDetails();
    if (isEditing())
        post();
    const qint64 id = m_current >= 0 ? m_rowIds[m_current] : -1;
    const int oldIndex = m_current;
    readRows();
    m_current = -1;
    if (id >= 0)
        m_current = int(m_rowIds.indexOf(id));
    if (m_current < 0 && !m_rows.isEmpty())
        m_current = qBound(0, oldIndex, int(m_rows.size()) - 1);
    emit rowsReset();
    emit currentRowChanged(m_current);
    notifyDetails();
}

void DataSet::setCurrentRow(int row)
{
    if (!isOpen() || m_rows.isEmpty())
        return;
    row = qBound(0, row, int(m_rows.size()) - 1);
    if (row == m_current && !isEditing())
        return;
    postPendingDetails();
    if (isEditing())
        post();
    m_current = row;
    emit currentRowChanged(row);
    notifyDetails();
}

void DataSet::next()
{
    setCurrentRow(m_current + 1);
}

void DataSet::prior()
{
    setCurrentRow(m_current - 1);
}

bool DataSet::locate(const QStringList& keyFields, const QStringList& texts)
{
    if (!isOpen())
        throw DbError(kClosedDataSet);
    QVector<int> idx;
    for (const QString& f : keyFields)
        idx.append(checkedFieldIndex(f));
    for (int r = 0; r < m_rows.size(); ++r) {
        bool match = true;
        for (int k = 0; k < idx.size() && match; ++k) {
            const QString cell = textOf(m_fields[idx[k]], m_rows[r][idx[k]]);
            const QString& text = k < texts.size() ? texts[k] : QString();
            match = text.isEmpty() ? cell.isEmpty() : cell.startsWith(text);
        }
        if (match) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

const QVector<QVariant>* DataSet::currentValues() const
{
    if (isEditing())
        return &m_buffer;
    if (m_current >= 0 && m_current < m_rows.size())
        return &m_rows[m_current];
    return nullptr;
}

QVariant DataSet::value(const QString& name) const
{
    const int i = checkedFieldIndex(name);
    const QVector<QVariant>* values = currentValues();
    return values ? (*values)[i] : QVariant();
}

QString DataSet::asString(const QString& name) const
{
    return textOf(field(name), value(name));
}

double DataSet::asDouble(const QString& name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return 0.0;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return 0.0;
        return convertText(FieldDef{name, FieldType::Double}, t).toDouble();
    }
    return v.toDouble();
}

int DataSet::asInteger(const QString& name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return 0;
        return convertText(FieldDef{name, FieldType::Integer}, t).toInt();
    }
    if (v.typeId() == QMetaType::Double)
        return int(std::trunc(v.toDouble()));
    return v.toInt();
}

bool DataSet::asBoolean(const QString& name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString)
        return convertText(FieldDef{name, FieldType::Boolean}, v.toString()).toBool();
    return v.toBool();
}

QDate DataSet::asDate(const QString& name) const
{
    const QVariant v = value(name);
    return v.isNull() ? QDate() : toFieldValue(FieldDef{name, FieldType::Date}, v).toDate();
}

namespace {

QString formatValue(const FieldDef& f, const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Integer:
    case FieldType::Double:
        if (f.displayFormat.isEmpty())
            return f.type == FieldType::Integer ? QString::number(v.toLongLong())
                                                : shortestDecimalText(v.toDouble());
        return formatNumber(v.toDouble(), f.displayFormat);
    case FieldType::Date:
        return formatDate(v.toDate(),
                          f.displayFormat.isEmpty() ? QStringLiteral("dd/mm/yyyy") : f.displayFormat);
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Any:
        if (v.typeId() == QMetaType::Double)
            return shortestDecimalText(v.toDouble());
        return v.toString();
    case FieldType::Text:
        return v.toString();
    }
    return v.toString();
}

} // namespace

QString DataSet::displayText(int row, int field) const
{
    return formatValue(m_fields[field], m_rows[row][field]);
}

QString DataSet::displayText(const QString& name) const
{
    return formatValue(field(name), value(name));
}

QString DataSet::editText(const QString& name) const
{
    const FieldDef& f = field(name);
    const QVariant v = value(name);
    if (v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Double:
        return shortestDecimalText(v.toDouble());
    case FieldType::Integer:
        return QString::number(v.toLongLong());
    case FieldType::Date:
        return v.toDate().toString(Qt::ISODate);
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return v.toString();
    }
}

void DataSet::setValue(const QString& name, const QVariant& value)
{
    if (!isEditing())
        throw DbError(kNotEditing);
    const int i = checkedFieldIndex(name);
    const FieldDef& f = m_fields[i];
    if (f.readOnly)
        throw DbError(QStringLiteral("Field '%1' cannot be modified").arg(f.name));
    QVariant v;
    if (value.isNull())
        v = QVariant();
    else if (value.typeId() == QMetaType::QString && f.type != FieldType::Text && f.type != FieldType::Any)
        v = convertText(f, value.toString());
    else if (f.type == FieldType::Double && !std::isfinite(value.toDouble()))
        throw ConversionError(
            QStringLiteral("'%1' is not a valid floating point value").arg(value.toString()));
    else
        v = toFieldValue(f, value);
    // A text field holds at most its size, as the column does.
    if (f.type == FieldType::Text && f.size > 0 && v.toString().size() > f.size)
        v = v.toString().left(f.size);
    m_buffer[i] = v;
    m_changed[i] = true;
    m_modified = true;
    emit fieldChanged(f.name);
}

void DataSet::setText(const QString& name, const QString& text)
{
    const FieldDef& f = field(name);
    const QVariant v = convertText(f, text); // throws before anything is written
    setValue(name, f.type == FieldType::Text && text.isEmpty() ? QVariant() : v);
}

void DataSet::checkModifiable() const
{
    if (!isOpen())
        throw DbError(kClosedDataSet);
    if (!canModify())
        throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void DataSet::insert()
{
    checkModifiable();
    postPendingDetails();
    if (isEditing())
        post();
    m_insertReturnRow = m_current;
    m_buffer = QVector<QVariant>(m_fields.size());
    m_changed = QVector<bool>(m_fields.size(), false);
    m_modified = false;
    if (m_master) {
        const int link = checkedFieldIndex(m_detailField);
        m_buffer[link] = toFieldValue(m_fields[link], linkValue());
        m_changed[link] = true;
    }
    setState(DataSetState::Insert);
    emit currentRowChanged(m_current);
    try {
        if (afterInsertHandler)
            afterInsertHandler();
    } catch (...) {
        // A row that could not get its defaults (its number, say) is not left half-made.
        cancel();
        throw;
    }
    // The details now follow the new row (its link value, usually none of their rows).
    notifyDetails();
}

void DataSet::edit()
{
    if (!isOpen())
        throw DbError(kClosedDataSet);
    if (isEditing())
        return;
    if (m_rows.isEmpty()) {
        insert();
        return;
    }
    checkModifiable();
    m_buffer = m_rows[m_current];
    m_changed = QVector<bool>(m_fields.size(), false);
    m_modified = false;
    setState(DataSetState::Edit);
}

void DataSet::post()
{
    if (!isEditing())
        throw DbError(kNotEditing);
    postPendingDetails();
    if (m_state == DataSetState::Insert) {
        const qint64 id = writeInsert(m_buffer, m_changed);
        // The row is stored from here on: should reading it back fail, the values as
        // written stand in, so that a second post cannot store it twice.
        QVector<QVariant> row = m_buffer;
        if (id >= 0) {
            try {
                row = rereadRow(id);
            } catch (const DbError&) {
            }
        }
        m_rows.append(std::move(row));
        m_rowIds.append(id);
        m_current = int(m_rows.size()) - 1;
        m_buffer.clear();
        m_modified = false;
        setState(DataSetState::Browse);
        emit rowInserted(m_current);
    } else {
        const qint64 id = m_rowIds[m_current];
        writeUpdate(id, m_buffer, m_changed);
        m_rows[m_current] = id >= 0 ? rereadRow(id) : m_buffer;
        m_buffer.clear();
        m_modified = false;
        setState(DataSetState::Browse);
        emit rowChanged(m_current);
    }
    emit currentRowChanged(m_current);
    notifyDetails();
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = m_state == DataSetState::Insert;
    m_buffer.clear();
    m_modified = false;
    if (wasInsert)
        m_current = m_rows.isEmpty() ? -1 : qBound(0, m_insertReturnRow, int(m_rows.size()) - 1);
    setState(DataSetState::Browse);
    emit currentRowChanged(m_current);
    if (wasInsert)
        notifyDetails();
}

void DataSet::deleteRecord()
{
    if (!isOpen())
        throw DbError(kClosedDataSet);
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_rows.isEmpty())
        throw DbError(kEmptyDataSet);
    checkModifiable();
    postPendingDetails();
    if (m_state == DataSetState::Edit)
        cancel();
    const int row = m_current;
    writeDelete(m_rowIds[row]);
    m_rows.removeAt(row);
    m_rowIds.removeAt(row);
    emit rowRemoved(row);
    m_current = m_rows.isEmpty() ? -1 : qMin(row, int(m_rows.size()) - 1);
    emit currentRowChanged(m_current);
    notifyDetails();
}

void DataSet::setMasterLink(DataSet* master, const QString& masterField, const QString& detailField)
{
    if (m_master)
        m_master->m_details.removeAll(this);
    m_master = master;
    m_masterField = masterField;
    m_detailField = detailField;
    if (master)
        master->m_details.append(this);
}

QVariant DataSet::linkValue() const
{
    if (!m_master || !m_master->isOpen() || m_master->fieldIndex(m_masterField) < 0)
        return {};
    return m_master->value(m_masterField);
}

void DataSet::notifyDetails()
{
    const auto details = m_details;
    for (const QPointer<DataSet>& d : details)
        if (d)
            d->followMaster();
}

void DataSet::postPendingDetails()
{
    // A pending line is stored before its invoice moves, so that a line that cannot
    // be stored stops the move and the detail never shows another invoice's lines.
    const auto details = m_details;
    for (const QPointer<DataSet>& d : details) {
        if (!d || !d->isOpen())
            continue;
        d->postPendingDetails();
        if (d->isEditing())
            d->post();
    }
}

void DataSet::followMaster()
{
    if (!isOpen())
        return;
    // A pending line is stored before the detail shows another invoice's lines.
    if (isEditing())
        post();
    try {
        readRows();
    } catch (...) {
        // Rows that cannot be read leave the detail empty rather than holding
        // the lines of the row the master has left.
        m_rows.clear();
        m_rowIds.clear();
        m_current = -1;
        emit rowsReset();
        emit currentRowChanged(m_current);
        notifyDetails();
        throw;
    }
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit currentRowChanged(m_current);
    notifyDetails();
}

qint64 DataSet::writeInsert(const QVector<QVariant>&, const QVector<bool>&)
{
    throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
}

void DataSet::writeUpdate(qint64, const QVector<QVariant>&, const QVector<bool>&)
{
    throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
}

void DataSet::writeDelete(qint64)
{
    throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
}

QVector<QVariant> DataSet::rereadRow(qint64)
{
    return {};
}

// --- TableDataSet ---------------------------------------------------------------

TableDataSet::TableDataSet(Connection* connection, const QString& tableName, QObject* parent)
    : DataSet(connection, parent), m_table(tableName)
{
}

bool TableDataSet::isView() const
{
    if (m_isView >= 0 && m_isViewOf == m_table)
        return m_isView == 1;
    QSqlQuery q =
        runSelect(m_connection,
                  QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? COLLATE NOCASE"), {m_table});
    m_isView = q.next() && q.value(0).toString() == QLatin1String("view") ? 1 : 0;
    m_isViewOf = m_table;
    return m_isView == 1;
}

bool TableDataSet::canModify() const
{
    return !isView();
}

FieldDefs TableDataSet::discoverFields() const
{
    QSqlQuery q =
        runSelect(m_connection, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {m_table});
    FieldDefs defs;
    while (q.next())
        defs.append(
            FieldDef{q.value(0).toString(), fieldTypeFromDeclaredType(q.value(1).toString()), 0, false, {}});
    if (defs.isEmpty())
        throw DbError(QStringLiteral("Cannot find the table or stored query '%1'.").arg(m_table));
    return defs;
}

DataSet::Statement TableDataSet::selectStatement() const
{
    QStringList columns;
    for (const FieldDef& f : fields())
        columns.append(quoted(f.name));
    const bool view = isView();
    QString sql = QStringLiteral("SELECT %1%2 FROM %3")
                      .arg(view ? QString() : QStringLiteral("rowid, "), columns.join(u','), quoted(m_table));
    Statement st;
    if (!linkColumn().isEmpty()) {
        sql += QStringLiteral(" WHERE %1 = ?").arg(quoted(linkColumn()));
        const QVariant link = linkValue();
        const int i = fieldIndex(linkColumn());
        st.params.append(i >= 0 ? toStoredValue(fields()[i], link) : link);
    }
    if (!view)
        sql += QStringLiteral(" ORDER BY rowid");
    st.sql = sql;
    return st;
}

qint64 TableDataSet::writeInsert(const QVector<QVariant>& values, const QVector<bool>& set)
{
    QStringList columns;
    QVariantList params;
    for (int i = 0; i < fields().size(); ++i) {
        if (!set[i] || values[i].isNull())
            continue;
        columns.append(quoted(fields()[i].name));
        params.append(toStoredValue(fields()[i], values[i]));
    }
    QString sql = columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(quoted(m_table), columns.join(u','),
                                               QStringList(columns.size(), QStringLiteral("?")).join(u','));
    QSqlQuery q = runSelect(m_connection, sql, params);
    return q.lastInsertId().toLongLong();
}

void TableDataSet::writeUpdate(qint64 rowId, const QVector<QVariant>& values, const QVector<bool>& changed)
{
    QStringList sets;
    QVariantList params;
    for (int i = 0; i < fields().size(); ++i) {
        if (!changed[i])
            continue;
        sets.append(quoted(fields()[i].name) + QStringLiteral(" = ?"));
        params.append(toStoredValue(fields()[i], values[i]));
    }
    if (sets.isEmpty())
        return;
    params.append(rowId);
    QSqlQuery q = runSelect(
        m_connection,
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(m_table), sets.join(u',')), params);
    if (q.numRowsAffected() != 1)
        throw DbError(QStringLiteral(
            "Row cannot be located for updating. Some values may have been changed since it was last read."));
}

void TableDataSet::writeDelete(qint64 rowId)
{
    QSqlQuery q = runSelect(m_connection,
                            QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_table)), {rowId});
    if (q.numRowsAffected() != 1)
        throw DbError(QStringLiteral(
            "Row cannot be located for deleting. Some values may have been changed since it was last read."));
}

QVector<QVariant> TableDataSet::rereadRow(qint64 rowId)
{
    QStringList columns;
    for (const FieldDef& f : fields())
        columns.append(quoted(f.name));
    QSqlQuery q = runSelect(
        m_connection,
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columns.join(u','), quoted(m_table)),
        {rowId});
    if (!q.next())
        throw DbError(QStringLiteral("Row cannot be located after it was written."));
    QVector<QVariant> row(fields().size());
    for (int i = 0; i < fields().size(); ++i)
        row[i] = toFieldValue(fields()[i], q.value(i));
    return row;
}

// --- QueryDataSet ---------------------------------------------------------------

QueryDataSet::QueryDataSet(Connection* connection, QObject* parent) : DataSet(connection, parent)
{
}

void QueryDataSet::setSql(const QString& text)
{
    m_sql = text.split(u'\n');
}

DataSet::Statement QueryDataSet::selectStatement() const
{
    return Statement{m_sql.join(u'\n'), m_params};
}

void QueryDataSet::execSql()
{
    if (!m_connection || !m_connection->isOpen())
        throw DbError(QStringLiteral("Connection is not open."));
    runSelect(m_connection, m_sql.join(u'\n'), m_params);
}

// --- StoredProcDataSet ----------------------------------------------------------

StoredProcDataSet::StoredProcDataSet(Connection* connection, const QString& procedure, QObject* parent)
    : DataSet(connection, parent), m_procedure(procedure)
{
}

DataSet::Statement StoredProcDataSet::selectStatement() const
{
    const QString sql = m_connection->storedQueryStatement(m_procedure);
    if (sql.isEmpty())
        throw DbError(QStringLiteral("Cannot find the table or stored query '%1'.").arg(m_procedure));
    QVariantList params;
    for (const QString& p : m_params)
        params.append(p);
    return Statement{sql, params};
}

} // namespace db
