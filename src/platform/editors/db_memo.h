#pragma once

#include "platform/editors/data_aware_editor.h"

#include <QPlainTextEdit>

namespace editors {

// Multi-line text bound to a field. Tab moves on to the next field rather than
// typing a tab; the text is written when the user leaves the memo.
class DBMemo : public QPlainTextEdit, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBMemo(QWidget* parent = nullptr);

    bool commit() override;

signals:
    void committed();

protected:
    void showValue() override;
    void applyEditable(bool editable) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void userEdited();
    void keepWithinFieldSize();
};

} // namespace editors
