#include "platform/editors/db_memo.h"

#include <QFocusEvent>
#include <QScopedValueRollback>
#include <QTextCursor>

namespace editors {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent), DataAwareEditor(this)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { userEdited(); });
    refresh();
}

void DBMemo::userEdited()
{
    if (updating())
        return;
    if (!hasPendingChange() && !beginChange()) {
        refresh();
        return;
    }
    keepWithinFieldSize();
}

void DBMemo::keepWithinFieldSize()
{
    const db::FieldDef* f = link().field();
    if (!f || f->type != db::FieldType::Text || f->size <= 0)
        return;
    const int excess = toPlainText().size() - f->size;
    if (excess <= 0)
        return;
    // What was just typed or pasted stands before the cursor: that is what goes.
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    cursor.setPosition(qMax(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QSignalBlocker quiet(this);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

bool DBMemo::commit()
{
    if (!hasPendingChange())
        return true;
    const QString typed = toPlainText();
    if (typed == link().editText()) {
        refresh();
        return true;
    }
    const bool ok = writeChange([&](db::DataSet& ds, const QString& f) { ds.setText(f, typed); });
    if (ok)
        emit committed();
    return ok;
}

void DBMemo::showValue()
{
    const QString text = link().editText();
    if (text != toPlainText())
        setPlainText(text);
}

void DBMemo::applyEditable(bool editable)
{
    setReadOnly(!editable);
}

void DBMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    commit();
}

} // namespace editors
