#include "platform/editors/db_combo_box.h"

#include <QScopedValueRollback>

namespace editors {

DBComboBox::DBComboBox(QWidget* parent) : QComboBox(parent), DataAwareEditor(this)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) { userChose(index); });
    refresh();
}

void DBComboBox::setItems(const QStringList& items)
{
    {
        QSignalBlocker quiet(this);
        clear();
        addItems(items);
    }
    refresh();
}

void DBComboBox::userChose(int index)
{
    if (updating())
        return;
    if (!beginChange()) {
        refresh();
        return;
    }
    const QString chosen = itemText(index);
    if (chosen == link().editText()) {
        refresh();
        return;
    }
    const bool ok = writeChange([&chosen](db::DataSet& ds, const QString& f) { ds.setText(f, chosen); });
    // A box or list that the field refused shows the value the field kept.
    if (ok)
        emit committed();
    else
        refresh();
}

void DBComboBox::showValue()
{
    const QString value = link().editText();
    const int index = value.isEmpty() ? -1 : findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    setPlaceholderText(index < 0 ? value : QString());
}

} // namespace editors
