#include "platform/editors/db_edit.h"

#include "platform/db/errors.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

namespace editors {

namespace {

// Leaving the field for a menu, a message box or another program is not the
// user finishing the entry.
bool finishesEntry(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent), DataAwareEditor(this)
{
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
    connect(this, &QLineEdit::returnPressed, this, [this] { commit(); });
    refresh();
}

void DBEdit::userEdited()
{
    if (updating() || hasPendingChange())
        return;
    if (!beginChange())
        refresh();
}

bool DBEdit::commit()
{
    if (!hasPendingChange())
        return true;
    const QString typed = text();
    if (typed == link().editText()) {
        refresh();
        return true;
    }
    const bool ok = writeChange([&](db::DataSet& ds, const QString& f) { writeText(ds, f, typed); });
    if (ok)
        emit committed();
    return ok;
}

void DBEdit::writeText(db::DataSet& dataSet, const QString& fieldName, const QString& text)
{
    dataSet.setText(fieldName, text);
}

void DBEdit::showValue()
{
    const db::FieldDef* f = link().field();
    setMaxLength(f && f->type == db::FieldType::Text && f->size > 0 ? f->size : 32767);
    setText(hasFocus() ? link().editText() : link().displayText());
    if (!hasFocus())
        setCursorPosition(0);
}

void DBEdit::applyEditable(bool editable)
{
    setReadOnly(!editable);
}

void DBEdit::focusInEvent(QFocusEvent* event)
{
    // Edited unformatted: "1,250.00" becomes "1250" while the user is in the field.
    if (!hasPendingChange()) {
        QLineEdit::focusInEvent(event);
        refresh();
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            selectAll();
        return;
    }
    QLineEdit::focusInEvent(event);
}

void DBEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!finishesEntry(event->reason()))
        return;
    if (hasPendingChange())
        commit();
    else
        refresh();
}

void DBEdit::keyPressEvent(QKeyEvent* event)
{
    // Escape takes back what was typed; without a pending change it goes on to the window.
    if (event->key() == Qt::Key_Escape && hasPendingChange()) {
        refresh();
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

DBNumberEdit::DBNumberEdit(QWidget* parent) : DBEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DBNumberEdit::writeText(db::DataSet& dataSet, const QString& fieldName, const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(u',');
    plain.remove(u' ');
    if (dataSet.field(fieldName).type == db::FieldType::Integer && !plain.isEmpty()) {
        bool ok = false;
        const double number = QLocale::c().toDouble(plain, &ok);
        if (ok && std::isfinite(number) && number != std::trunc(number))
            throw db::ConversionError(
                QStringLiteral("'%1' is not a whole number. Enter a number without decimals.")
                    .arg(text.trimmed()));
        // "12.0" or "1e3" read as the whole numbers they are.
        if (ok && std::isfinite(number) && std::fabs(number) <= 2147483647.0) {
            dataSet.setValue(fieldName, int(number));
            return;
        }
    }
    dataSet.setText(fieldName, plain);
}

} // namespace editors
