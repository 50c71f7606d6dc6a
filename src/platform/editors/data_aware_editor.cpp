#include "platform/editors/data_aware_editor.h"

#include <QScopedValueRollback>

namespace editors {

DataAwareEditor::DataAwareEditor(QWidget* self) : m_self(self), m_link([this] { refresh(); })
{
}

DataAwareEditor::~DataAwareEditor()
{
    // The widget part outlives this part by a moment; a signal it sends while it is
    // torn down (a memo's document going away) must not reach the handlers here.
    QObject::disconnect(m_self, nullptr, m_self, nullptr);
}

void DataAwareEditor::bind(db::DataSource* source, const QString& fieldName)
{
    m_link.bind(source, fieldName);
}

void DataAwareEditor::refresh()
{
    m_pending = false;
    {
        QScopedValueRollback<bool> guard(m_updating, true);
        showValue();
    }
    const bool shownOnly = m_fieldReadOnly || m_link.fieldIsReadOnly();
    applyReadOnlyLook(shownOnly);
    applyEditable(!shownOnly && m_link.canEdit());
}

void DataAwareEditor::setFieldReadOnly(bool readOnly)
{
    m_fieldReadOnly = readOnly;
    refresh();
}

void DataAwareEditor::applyReadOnlyLook(bool readOnly)
{
    if (readOnly == m_readOnlyLook)
        return;
    m_readOnlyLook = readOnly;
    if (readOnly) {
        m_focusPolicy = m_self->focusPolicy();
        m_self->setFocusPolicy(Qt::NoFocus);
        m_self->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        // Black on the window's own colour, as a disabled field reads, but legible.
        QPalette p = m_self->palette();
        const QColor background = m_self->window()->palette().color(QPalette::Window);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, background);
            p.setColor(group, QPalette::Button, background);
            p.setColor(group, QPalette::Text, Qt::black);
            p.setColor(group, QPalette::WindowText, Qt::black);
            p.setColor(group, QPalette::ButtonText, Qt::black);
        }
        m_self->setPalette(p);
    } else {
        m_self->setFocusPolicy(m_focusPolicy);
        m_self->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        m_self->setPalette(QPalette());
    }
}

bool DataAwareEditor::beginChange()
{
    if (m_fieldReadOnly || !m_link.startEdit())
        return false;
    m_pending = true;
    return true;
}

bool DataAwareEditor::writeChange(const std::function<void(db::DataSet&, const QString&)>& change)
{
    if (m_fieldReadOnly) {
        refresh();
        return false;
    }
    m_pending = false;
    const bool ok = m_link.write(change);
    if (!ok && !m_pending)
        m_pending = m_link.canEdit();
    return ok;
}

DataAwareEditor* bindEditor(QWidget* form, const QString& objectName, db::DataSource* source,
                            const QString& fieldName)
{
    auto* widget = form->findChild<QWidget*>(objectName);
    auto* editor = dynamic_cast<DataAwareEditor*>(widget);
    if (!editor)
        qFatal("The form '%s' has no data-aware editor named '%s'", qPrintable(form->objectName()),
               qPrintable(objectName));
    editor->bind(source, fieldName);
    return editor;
}

bool commitEditors(QWidget* form)
{
    const auto widgets = form->findChildren<QWidget*>();
    for (QWidget* w : widgets)
        if (auto* editor = dynamic_cast<DataAwareEditor*>(w); editor && editor->hasPendingChange())
            if (!editor->commit())
                return false;
    return true;
}

} // namespace editors
