#pragma once

#include "platform/editors/data_aware_editor.h"

#include <QCheckBox>

namespace editors {

// A yes/no field as a check box; an empty value shows unchecked. A click is
// written at once.
class DBCheckBox : public QCheckBox, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBCheckBox(QWidget* parent = nullptr);

    bool commit() override { return true; } // nothing is ever left pending

signals:
    void committed();

protected:
    void showValue() override;
    void applyEditable(bool) override {}

private:
    void userClicked(bool checked);
};

} // namespace editors
