#include "platform/editors/field_link.h"

#include "platform/db/errors.h"
#include "platform/ui/message_service.h"

#include <QScopedValueRollback>

namespace editors {

FieldLink::FieldLink(std::function<void()> onDataChanged, QObject* parent)
    : QObject(parent), m_onDataChanged(std::move(onDataChanged))
{
}

void FieldLink::bind(db::DataSource* source, const QString& fieldName)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_source = source;
    m_dataSet = source ? source->dataSet() : nullptr;
    m_field = fieldName;
    connectDataSet();
    dataChanged();
}

void FieldLink::connectDataSet()
{
    db::DataSet* ds = m_dataSet;
    if (!ds)
        return;
    auto follow = [this] { dataChanged(); };
    m_connections << connect(ds, &db::DataSet::opened, this, follow)
                  << connect(ds, &db::DataSet::closed, this, follow)
                  << connect(ds, &db::DataSet::rowsReset, this, follow)
                  << connect(ds, &db::DataSet::currentRowChanged, this, follow)
                  << connect(ds, &db::DataSet::stateChanged, this, follow)
                  << connect(ds, &db::DataSet::rowChanged, this,
                             [this](int row) {
                                 if (m_dataSet && row == m_dataSet->currentRow())
                                     dataChanged();
                             })
                  << connect(ds, &db::DataSet::fieldChanged, this, [this](const QString& name) {
                         if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                             dataChanged();
                     });
}

void FieldLink::dataChanged()
{
    if (!m_busy && m_onDataChanged)
        m_onDataChanged();
}

const db::FieldDef* FieldLink::field() const
{
    db::DataSet* ds = m_dataSet;
    if (!m_source || !ds || !ds->isOpen())
        return nullptr;
    const int i = ds->fieldIndex(m_field);
    return i < 0 ? nullptr : &ds->fields()[i];
}

QVariant FieldLink::value() const
{
    return field() ? m_dataSet->value(m_field) : QVariant();
}

QString FieldLink::displayText() const
{
    return field() ? m_dataSet->displayText(m_field) : QString();
}

QString FieldLink::editText() const
{
    return field() ? m_dataSet->editText(m_field) : QString();
}

bool FieldLink::fieldIsReadOnly() const
{
    const db::FieldDef* f = field();
    return f && f->readOnly;
}

bool FieldLink::canEdit() const
{
    const db::FieldDef* f = field();
    if (!f || f->readOnly)
        return false;
    return m_source->autoEdit() || m_dataSet->isEditing();
}

bool FieldLink::startEdit()
{
    db::DataSet* ds = m_dataSet;
    if (!ds || !canEdit())
        return false;
    if (ds->isEditing())
        return true;
    QScopedValueRollback<bool> busy(m_busy, true);
    return ui::runCommand([ds] { ds->edit(); });
}

bool FieldLink::write(const std::function<void(db::DataSet&, const QString&)>& change)
{
    db::DataSet* ds = m_dataSet;
    if (!ds || !canEdit()) {
        dataChanged();
        return false;
    }
    bool ok = false;
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        ok = ui::runCommand([&] {
            if (!ds->isEditing())
                ds->edit();
            change(*ds, m_field);
        });
    }
    // The editor now shows what the field holds (trimmed to the field's size, say).
    // A refused change leaves the editor as it is, with the user's text to correct.
    if (ok)
        dataChanged();
    return ok;
}

} // namespace editors
