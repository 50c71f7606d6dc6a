#pragma once

#include "platform/editors/field_link.h"

#include <QString>
#include <QWidget>

namespace editors {

// What every data-aware editor shares: the link to its field, the text the user
// has typed but not yet written, and the look of a field that is shown only.
//
// An editor shows the field of the current row and follows it. A change the user
// types puts the row into editing (on an empty table that starts a new row) and is
// written into the field when the user finishes: Return, leaving the editor, or
// choosing an item. commit() writes it at once, for commands that must not rely on
// the focus moving first. Text the field cannot hold is refused with the standard
// error box and the field keeps its value; the refused text stays in the editor,
// still pending, for the user to correct (Escape takes it back), so a command that
// commits the editors before storing the row stops there too.
class DataAwareEditor
{
public:
    explicit DataAwareEditor(QWidget* self);
    virtual ~DataAwareEditor();
    DataAwareEditor(const DataAwareEditor&) = delete;
    DataAwareEditor& operator=(const DataAwareEditor&) = delete;

    void bind(db::DataSource* source, const QString& fieldName);
    db::DataSource* dataSource() const { return m_link.dataSource(); }
    db::DataSet* dataSet() const { return m_link.dataSet(); }
    QString fieldName() const { return m_link.fieldName(); }

    // Writes a pending change into the field. True when nothing was pending or the
    // field took it; false after the error box when the field refused it.
    virtual bool commit() = 0;
    // Whether the user has changed the value without it being written yet.
    bool hasPendingChange() const { return m_pending; }

    // A field that is shown only: it looks disabled (black on the window's colour),
    // is skipped by Tab and takes no input.
    void setFieldReadOnly(bool readOnly);
    bool isFieldReadOnly() const { return m_fieldReadOnly; }

    // Shows the field's value anew, dropping a change not yet written.
    void refresh();

protected:
    // Puts the field's value on screen. Runs with updating() true.
    virtual void showValue() = 0;
    // Whether the user may type into the editor now.
    virtual void applyEditable(bool editable) = 0;

    // The user began a change: put the row into editing. False (the caller then
    // calls refresh()) when the row cannot be edited now.
    bool beginChange();
    // Writes the pending change; clears it first so that a message box taking the
    // focus meanwhile does not write it twice. When the field refuses it, the
    // change stays pending with the user's text.
    bool writeChange(const std::function<void(db::DataSet&, const QString&)>& change);

    bool updating() const { return m_updating; }
    void setPending(bool pending) { m_pending = pending; }
    FieldLink& link() { return m_link; }
    const FieldLink& link() const { return m_link; }

private:
    void applyReadOnlyLook(bool readOnly);

    QWidget* m_self;
    FieldLink m_link;
    bool m_pending = false;
    bool m_updating = false;
    bool m_fieldReadOnly = false;
    bool m_readOnlyLook = false;
    Qt::FocusPolicy m_focusPolicy = Qt::StrongFocus;
};

// Binds the data-aware editor named objectName below form (a widget of a .ui file
// promoted to one of the editor classes) to a field. A missing or wrong widget is
// a fault of the form and stops the program with a message naming it.
DataAwareEditor* bindEditor(QWidget* form, const QString& objectName, db::DataSource* source,
                            const QString& fieldName);

template <class Editor>
Editor* bindEditor(QWidget* form, const QString& objectName, db::DataSource* source, const QString& fieldName)
{
    auto* editor = dynamic_cast<Editor*>(bindEditor(form, objectName, source, fieldName));
    if (!editor)
        qFatal("The editor '%s' is not of the expected class", qPrintable(objectName));
    return editor;
}

// Writes the pending changes of every data-aware editor below form; stops at the
// first one that is refused and returns false. Commands that store a row call it
// first, so that a value typed just before a shortcut key is not lost.
bool commitEditors(QWidget* form);

} // namespace editors
