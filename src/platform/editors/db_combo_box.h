#pragma once

#include "platform/editors/data_aware_editor.h"

#include <QComboBox>

namespace editors {

// A drop-down list of fixed texts bound to a text field; the value is one of the
// items. A stored value that is not among them is shown greyed until the user
// picks an item. A choice is written at once.
class DBComboBox : public QComboBox, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBComboBox(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    bool commit() override { return true; } // nothing is ever left pending

signals:
    void committed();

protected:
    void showValue() override;
    void applyEditable(bool) override {}

private:
    void userChose(int index);
};

} // namespace editors
