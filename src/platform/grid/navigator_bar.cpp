#include "platform/grid/navigator_bar.h"

#include "platform/db/dataset.h"
#include "platform/ui/message_service.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace grid {

namespace {

struct ButtonLook
{
    const char* name;
    const char* hint;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
};

const ButtonLook kLooks[] = {
    {"btnInsert", "Insert", "list-add", QStyle::SP_FileDialogNewFolder},
    {"btnDelete", "Delete", "list-remove", QStyle::SP_TrashIcon},
    {"btnEdit", "Edit", "document-properties", QStyle::SP_FileDialogDetailedView},
    {"btnPost", "Save", "document-save", QStyle::SP_DialogSaveButton},
    {"btnCancel", "Cancel", "edit-undo", QStyle::SP_DialogCancelButton},
    {"btnRefresh", "Refresh", "view-refresh", QStyle::SP_BrowserReload},
};

} // namespace

NavigatorBar::NavigatorBar(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(1);
    for (int b = Insert; b <= Refresh; ++b) {
        const ButtonLook& look = kLooks[b];
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(look.name));
        button->setToolTip(QString::fromLatin1(look.hint));
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 16));
        button->setIcon(
            QIcon::fromTheme(QString::fromLatin1(look.themeIcon), style()->standardIcon(look.fallback)));
        connect(button, &QToolButton::clicked, this, [this, b] { run(Button(b)); });
        layout->addWidget(button);
        m_buttons[b] = button;
    }
    layout->addStretch(1);
    updateButtons();
}

void NavigatorBar::setDataSet(db::DataSet* dataSet)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        auto update = [this] { updateButtons(); };
        m_connections = {
            connect(dataSet, &db::DataSet::stateChanged, this, update),
            connect(dataSet, &db::DataSet::rowsReset, this, update),
            connect(dataSet, &db::DataSet::rowInserted, this, update),
            connect(dataSet, &db::DataSet::rowRemoved, this, update),
        };
    }
    updateButtons();
}

void NavigatorBar::setHint(Button button, const QString& hint)
{
    m_buttons[button]->setToolTip(hint);
}

QString NavigatorBar::hint(Button button) const
{
    return m_buttons[button]->toolTip();
}

void NavigatorBar::run(Button button)
{
    if (beforeCommand)
        beforeCommand();
    ui::runCommand([this, button] {
        db::DataSet* ds = m_dataSet;
        if (!ds)
            return;
        switch (button) {
        case Insert:
            ds->insert();
            break;
        case Delete:
            ds->deleteRecord();
            break;
        case Edit:
            ds->edit();
            break;
        case Post:
            if (ds->isEditing())
                ds->post();
            break;
        case Cancel:
            ds->cancel();
            break;
        case Refresh:
            ds->refresh();
            break;
        }
    });
    updateButtons();
    emit commandDone(button);
}

void NavigatorBar::updateButtons()
{
    const db::DataSet* ds = m_dataSet;
    const bool open = ds && ds->isOpen();
    const bool editing = open && ds->isEditing();
    const bool hasRows = open && !ds->isEmpty();
    m_buttons[Insert]->setEnabled(open);
    m_buttons[Delete]->setEnabled(hasRows || editing);
    m_buttons[Edit]->setEnabled(open && !editing);
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(open);
}

} // namespace grid
