#include "platform/editors/db_lookup_combo_box.h"

#include "platform/db/errors.h"
#include "platform/editors/lookup_popup.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableView>

namespace editors {

DBLookupComboBox::DBLookupComboBox(QWidget* parent)
    : QComboBox(parent), DataAwareEditor(this), m_model(new LookupModel(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { userTyped(text); });
    refresh();
}

DBLookupComboBox::~DBLookupComboBox() = default;

void DBLookupComboBox::setLookup(db::DataSource* listSource, const QString& keyField,
                                 const QString& listField, const QList<LookupColumn>& columns)
{
    for (const QMetaObject::Connection& c : std::as_const(m_listConnections))
        disconnect(c);
    m_listConnections.clear();
    m_listSource = listSource;
    m_keyField = keyField;
    m_listField = listField;
    db::DataSet* list = listDataSet();
    m_model->setDataSet(list, columns);
    if (list) {
        auto changed = [this] { listChanged(); };
        m_listConnections << connect(list, &db::DataSet::opened, this, changed)
                          << connect(list, &db::DataSet::closed, this, changed)
                          << connect(list, &db::DataSet::rowsReset, this, changed)
                          << connect(list, &db::DataSet::rowInserted, this, changed)
                          << connect(list, &db::DataSet::rowRemoved, this, changed)
                          << connect(list, &db::DataSet::rowChanged, this, changed);
    }
    refresh();
}

void DBLookupComboBox::listChanged()
{
    m_foundRow = -1;
    if (!hasPendingChange())
        refresh();
}

db::DataSet* DBLookupComboBox::listDataSet() const
{
    return m_listSource ? m_listSource->dataSet() : nullptr;
}

int DBLookupComboBox::listColumnIndex() const
{
    db::DataSet* list = listDataSet();
    return list && list->isOpen() ? list->fieldIndex(m_listField) : -1;
}

int DBLookupComboBox::keyColumnIndex() const
{
    db::DataSet* list = listDataSet();
    return list && list->isOpen() ? list->fieldIndex(m_keyField) : -1;
}

QString DBLookupComboBox::listText(int row) const
{
    const int column = listColumnIndex();
    return column < 0 ? QString() : listDataSet()->displayText(row, column);
}

int DBLookupComboBox::rowOfKey(const QVariant& key) const
{
    const int column = keyColumnIndex();
    if (column < 0 || key.isNull())
        return -1;
    db::DataSet* list = listDataSet();
    const QString wanted = key.toString();
    for (int row = 0; row < list->recordCount(); ++row)
        if (list->storedValue(row, column).toString() == wanted)
            return row;
    return -1;
}

int DBLookupComboBox::findRow(const QString& prefix) const
{
    if (listColumnIndex() < 0)
        return -1;
    const int rows = listDataSet()->recordCount();
    for (int row = 0; row < rows; ++row)
        if (listText(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    return -1;
}

void DBLookupComboBox::showValue()
{
    const QVariant key = link().value();
    const int row = rowOfKey(key);
    // A key that is not (or no longer) in the list is shown as it is stored.
    lineEdit()->setText(row >= 0 ? listText(row) : link().editText());
    lineEdit()->setCursorPosition(0);
    m_foundRow = row;
}

void DBLookupComboBox::applyEditable(bool editable)
{
    lineEdit()->setReadOnly(!editable);
}

DBLookupComboBox::TextState DBLookupComboBox::textState() const
{
    const QLineEdit* e = lineEdit();
    return TextState{e->text(), e->cursorPosition(), e->selectionStart(), int(e->selectedText().size())};
}

void DBLookupComboBox::restore(const TextState& state)
{
    QLineEdit* e = lineEdit();
    e->setText(state.text);
    if (state.selectionStart >= 0 && state.selectionLength > 0) {
        if (state.cursor == state.selectionStart)
            e->setSelection(state.selectionStart + state.selectionLength, -state.selectionLength);
        else
            e->setSelection(state.selectionStart, state.selectionLength);
    } else {
        e->setCursorPosition(state.cursor);
    }
}

void DBLookupComboBox::userTyped(const QString& text)
{
    if (updating())
        return;
    if (!hasPendingChange() && !beginChange()) {
        refresh();
        return;
    }
    if (text.isEmpty()) {
        m_foundRow = -1;
        if (m_popup)
            m_popup->highlightRow(-1);
        return;
    }
    const int row = findRow(text);
    if (row < 0) {
        // No entry begins with this: the key is refused.
        restore(m_beforeKey);
        QApplication::beep();
        return;
    }
    m_foundRow = row;
    QLineEdit* e = lineEdit();
    // Complete only what was typed at the end; a deletion is left as it is.
    const bool grew = text.size() > m_beforeKey.text.size() - m_beforeKey.selectionLength &&
                      e->cursorPosition() == text.size();
    if (grew) {
        const QString full = listText(row);
        e->setText(full);
        e->setSelection(int(full.size()), int(text.size() - full.size()));
    }
    if (m_popup)
        m_popup->highlightRow(row);
}

bool DBLookupComboBox::commit()
{
    if (!hasPendingChange())
        return true;
    const QString text = lineEdit()->text();
    // Still the stored key that is not in the list (a refused key press left it as
    // it was): nothing was changed, and no entry that merely begins with it is taken.
    if (!text.isEmpty() && rowOfKey(link().value()) < 0 && text == link().editText()) {
        refresh();
        return true;
    }
    int row = -1;
    if (!text.isEmpty())
        row = m_foundRow >= 0 && listText(m_foundRow).startsWith(text, Qt::CaseInsensitive) ? m_foundRow
                                                                                            : findRow(text);
    db::DataSet* list = listDataSet();
    const int keyColumn = keyColumnIndex();
    const QVariant key = row >= 0 && keyColumn >= 0 ? list->storedValue(row, keyColumn) : QVariant();
    const QVariant current = link().value();
    const bool sameKey = key.isNull() ? current.isNull() || current.toString().isEmpty()
                                      : !current.isNull() && current.toString() == key.toString();
    bool wrote = false;
    const bool ok = writeChange([&](db::DataSet& ds, const QString& f) {
        if (!text.isEmpty() && row < 0)
            throw db::DbError(QStringLiteral("'%1' is not in the list.").arg(text));
        if (row >= 0)
            list->setCurrentRow(row);
        if (!sameKey) {
            ds.setValue(f, key);
            wrote = true;
        }
    });
    if (ok && wrote)
        emit committed();
    return ok;
}

void DBLookupComboBox::chooseRow(int row)
{
    hidePopup();
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!hasPendingChange() && !beginChange()) {
        refresh();
        return;
    }
    {
        QSignalBlocker quiet(lineEdit());
        lineEdit()->setText(listText(row));
    }
    m_foundRow = row;
    commit();
    lineEdit()->selectAll();
}

void DBLookupComboBox::step(int delta)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    int from = m_foundRow >= 0 ? m_foundRow : rowOfKey(link().value());
    const int row = from < 0 ? 0 : qBound(0, from + delta, rows - 1);
    if (row != from)
        chooseRow(row);
}

void DBLookupComboBox::showPopup()
{
    if (isFieldReadOnly() || !listDataSet())
        return;
    if (!m_popup) {
        m_popup = new LookupPopup(lineEdit(), this);
        m_popup->setModel(m_model);
        connect(m_popup, &LookupPopup::rowChosen, this, [this](int row) { chooseRow(row); });
    }
    QList<int> widths;
    for (const LookupColumn& c : m_model->columns())
        widths.append(c.width);
    m_popup->popUpUnder(this, widths);
    // Typing in the open list starts a new search.
    lineEdit()->selectAll();
    m_popup->highlightRow(m_foundRow >= 0 ? m_foundRow : rowOfKey(link().value()));
}

void DBLookupComboBox::hidePopup()
{
    if (m_popup && m_popup->isVisible())
        m_popup->hide();
}

bool DBLookupComboBox::isPopupVisible() const
{
    return m_popup && m_popup->isVisible();
}

QTableView* DBLookupComboBox::dropDownView() const
{
    return m_popup ? m_popup->view() : nullptr;
}

void DBLookupComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // The drop-down taking the focus is not the end of the entry.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason ||
        isPopupVisible())
        return;
    commit();
}

bool DBLookupComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::InputMethod)
        m_beforeKey = textState();
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        m_beforeKey = textState();
        const bool alt = key->modifiers() & Qt::AltModifier;
        switch (key->key()) {
        case Qt::Key_F4:
            isPopupVisible() ? hidePopup() : showPopup();
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (alt)
                isPopupVisible() ? hidePopup() : showPopup();
            else if (!lineEdit()->isReadOnly())
                step(key->key() == Qt::Key_Down ? 1 : -1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commit();
            return false;
        case Qt::Key_Escape:
            if (hasPendingChange()) {
                refresh();
                return true;
            }
            return false;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace editors
