#include "platform/editors/db_check_box.h"

namespace editors {

DBCheckBox::DBCheckBox(QWidget* parent) : QCheckBox(parent), DataAwareEditor(this)
{
    connect(this, &QCheckBox::clicked, this, [this](bool checked) { userClicked(checked); });
    refresh();
}

void DBCheckBox::userClicked(bool checked)
{
    if (updating())
        return;
    // A box that may not be changed now springs back.
    if (!beginChange()) {
        refresh();
        return;
    }
    const bool ok = writeChange([checked](db::DataSet& ds, const QString& f) { ds.setValue(f, checked); });
    // A box or list that the field refused shows the value the field kept.
    if (ok)
        emit committed();
    else
        refresh();
}

void DBCheckBox::showValue()
{
    const QVariant v = link().value();
    setChecked(!v.isNull() && v.toBool());
}

} // namespace editors
