#include "platform/grid/grid_item_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace grid {

namespace {

bool isCheckCell(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).isValid();
}

QRect checkRect(const QStyleOptionViewItem& option, const QWidget* widget)
{
    const QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionButton button;
    const QRect box = style->subElementRect(QStyle::SE_CheckBoxIndicator, &button, widget);
    QRect r(QPoint(0, 0), box.size());
    r.moveCenter(option.rect.center());
    return r;
}

} // namespace

GridItemDelegate::GridItemDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

QSize GridItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight};
}

void GridItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    if (!isCheckCell(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool checked = opt.checkState == Qt::Checked;
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QStyleOptionViewItem box = opt;
    box.rect = checkRect(option, widget);
    box.state = (opt.state & QStyle::State_Enabled) | (checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
}

QWidget* GridItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    m_openEditor = QStyledItemDelegate::createEditor(parent, option, index);
    return m_openEditor;
}

bool GridItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const Qt::ItemFlags flags = model->flags(index);
    if (!isCheckCell(index) || !(flags & Qt::ItemIsUserCheckable) || !(flags & Qt::ItemIsEnabled))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool toggle = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        toggle =
            mouse->button() == Qt::LeftButton &&
            checkRect(option, option.widget).adjusted(-4, -4, 4, 4).contains(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Taken, so that a double click does not also open an editor.
        return checkRect(option, option.widget)
            .adjusted(-4, -4, 4, 4)
            .contains(static_cast<QMouseEvent*>(event)->position().toPoint());
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
        break;
    }
    default:
        break;
    }
    if (!toggle)
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace grid
