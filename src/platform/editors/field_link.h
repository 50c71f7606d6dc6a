#pragma once

#include "platform/db/dataset.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

namespace editors {

// Ties one editor to one field of a dataset through a data source: it reads the
// current row's value, tells the editor when that value may have changed, and
// puts the row into editing when the user starts a change. Editors keep no values
// of their own; whatever they show comes from here.
class FieldLink : public QObject
{
    Q_OBJECT
public:
    explicit FieldLink(std::function<void()> onDataChanged, QObject* parent = nullptr);

    void bind(db::DataSource* source, const QString& fieldName);
    db::DataSource* dataSource() const { return m_source; }
    db::DataSet* dataSet() const { return m_source ? m_source->dataSet() : nullptr; }
    QString fieldName() const { return m_field; }

    // The field's definition while the dataset is open and has it; nullptr otherwise.
    const db::FieldDef* field() const;
    QVariant value() const;
    QString displayText() const; // in the field's display format
    QString editText() const;    // unformatted, as the user edits it

    // Whether the field is marked read-only by its dataset.
    bool fieldIsReadOnly() const;
    // Whether a change typed now may be written: the dataset is open, the field
    // writable, and the row is being edited or the data source may start that.
    bool canEdit() const;

    // Puts the row into editing for a change the user has begun (an empty table
    // gets a new row). Shows the standard error box and returns false when the
    // row cannot be edited.
    bool startEdit();
    // Writes the user's change inside ui::runCommand, starting the edit first if
    // needed. Returns false (after the error box) when the field refused it; the
    // field then keeps its value and the editor is not told to show it again.
    bool write(const std::function<void(db::DataSet& dataSet, const QString& fieldName)>& change);

private:
    void dataChanged();
    void connectDataSet();

    std::function<void()> m_onDataChanged;
    QPointer<db::DataSource> m_source;
    QPointer<db::DataSet> m_dataSet;
    QString m_field;
    QList<QMetaObject::Connection> m_connections;
    // While the link itself edits the row, the editor keeps what the user typed.
    bool m_busy = false;
};

} // namespace editors
