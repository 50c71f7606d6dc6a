#pragma once

#include "platform/editors/data_aware_editor.h"

#include <QDateEdit>

namespace editors {

// Turns a date mask of the settings ("dd/mm/yyyy", letters in either case) into
// the format a QDateEdit shows.
QString qtDateFormat(const QString& mask);

// A date field with a calendar drop-down, shown in the field's date mask. An empty
// date shows as blank.
class DBDateEdit : public QDateEdit, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBDateEdit(QWidget* parent = nullptr);

    bool commit() override;
    // The date the editor stands for; null while it shows no date.
    QDate shownDate() const;

signals:
    void committed();

protected:
    void showValue() override;
    void applyEditable(bool editable) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void userEdited();
};

} // namespace editors
