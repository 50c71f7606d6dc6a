#pragma once

#include "platform/editors/data_aware_editor.h"

#include <QLineEdit>

namespace editors {

// One-line text bound to a field. Shows the value in the field's display format
// while it has no focus and unformatted while the user edits it. Its maximum
// length is the field's size.
class DBEdit : public QLineEdit, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBEdit(QWidget* parent = nullptr);

    bool commit() override;

signals:
    // The user's change has been written into the field.
    void committed();

protected:
    // The text as the field is to be given it; throws db::ConversionError for text
    // the field cannot hold.
    virtual void writeText(db::DataSet& dataSet, const QString& fieldName, const QString& text);

    void showValue() override;
    void applyEditable(bool editable) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void userEdited();
};

// A number bound to a whole-number or decimal field, right-aligned. Thousands
// separators may be typed; a whole-number field refuses a fraction.
class DBNumberEdit : public DBEdit
{
    Q_OBJECT
public:
    explicit DBNumberEdit(QWidget* parent = nullptr);

protected:
    void writeText(db::DataSet& dataSet, const QString& fieldName, const QString& text) override;
};

} // namespace editors
