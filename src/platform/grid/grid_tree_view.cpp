#include "platform/grid/grid_tree_view.h"

#include "platform/db/dataset.h"
#include "platform/grid/grid_item_delegate.h"
#include "platform/grid/grid_model.h"
#include "platform/grid/row_indicator.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace grid {

namespace {

// Colours of the rows a grid adds: quiet enough to leave the lines in front.
const QColor kGroupBackground(0xE9, 0xEE, 0xF5);
const QColor kGroupLine(0xC5, 0xCE, 0xDB);
const QColor kFooterBackground(0xF6, 0xF7, 0xF9);
const QColor kFooterLine(0xDD, 0xE1, 0xE7);

GridModel::RowKind kindOf(const QModelIndex& index)
{
    return GridModel::RowKind(index.data(GridModel::RowKindRole).toInt());
}

} // namespace

GridTreeView::GridTreeView(QWidget* parent)
    : QTreeView(parent), m_delegate(new GridItemDelegate(this)),
      m_newItemText(QStringLiteral("Click here to add a new row")), m_indicator(new RowIndicator(this))
{
    m_indicator->hide();
    setItemDelegate(m_delegate);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setIndentation(16);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(true);
    header()->setHighlightSections(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setMinimumSectionSize(16);
}

void GridTreeView::setModel(QAbstractItemModel* model)
{
    m_model = qobject_cast<GridModel*>(model);
    QTreeView::setModel(model);
}

void GridTreeView::setRowHeight(int pixels)
{
    m_delegate->setRowHeight(pixels);
    doItemsLayout();
}

int GridTreeView::rowHeight() const
{
    return m_delegate->rowHeight();
}

void GridTreeView::setRowIndicatorVisible(bool on)
{
    m_indicatorVisible = on;
    m_indicator->setVisible(on);
    updateGeometries();
}

void GridTreeView::updateGeometries()
{
    // The tree view puts its header above the viewport and sets the viewport's
    // margins for it, the left one to nothing; the indicator's room is added
    // afterwards. Resizes of the viewport on the way come back here and are
    // left alone: the outer call finishes the layout.
    if (m_placingGeometries)
        return;
    {
        const QScopedValueRollback placing(m_placingGeometries, true);
        QTreeView::updateGeometries();
        if (m_indicatorVisible)
            placeRowIndicator();
    }
    emit geometriesPlaced();
}

void GridTreeView::placeRowIndicator()
{
    const int headerHeight = viewportMargins().top();
    setViewportMargins(RowIndicator::kWidth, headerHeight, 0, 0);
    const QRect rows = viewport()->geometry();
    header()->setGeometry(rows.left(), rows.top() - headerHeight, rows.width(), headerHeight);
    m_indicator->setGeometry(rows.left() - RowIndicator::kWidth, rows.top() - headerHeight,
                             RowIndicator::kWidth, rows.height() + headerHeight);
    // The sideways scroll range was measured on the viewport without the indicator.
    if (horizontalScrollMode() == QAbstractItemView::ScrollPerPixel) {
        QScrollBar* bar = horizontalScrollBar();
        bar->setPageStep(rows.width());
        bar->setRange(0, qMax(0, header()->length() - rows.width()));
    }
    m_indicator->update();
}

void GridTreeView::commitOpenEditor()
{
    QWidget* editor = m_delegate->openEditor();
    if (state() != QAbstractItemView::EditingState || !editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget* GridTreeView::openEditor() const
{
    return state() == QAbstractItemView::EditingState ? m_delegate->openEditor() : nullptr;
}

QRect GridTreeView::fullRowRect(const QStyleOptionViewItem& option) const
{
    // Group rows span the visible width, whatever the horizontal scroll.
    return QRect(0, option.rect.y(), viewport()->width(), option.rect.height());
}

QRect GridTreeView::expandButtonRect(const QModelIndex& groupIndex) const
{
    const QRect row = visualRect(groupIndex);
    return QRect(0, row.y(), 22, row.height());
}

void GridTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    switch (kindOf(index)) {
    case GridModel::RowKind::Group:
        paintGroupRow(painter, option, index);
        return;
    case GridModel::RowKind::GroupFooter:
        paintGroupFooterRow(painter, option, index);
        return;
    case GridModel::RowKind::NewItem:
        if (m_model && m_model->dataSet() && m_model->dataSet()->state() != db::DataSetState::Insert) {
            paintNewItemRow(painter, option, index);
            return;
        }
        break;
    case GridModel::RowKind::Data:
        break;
    }
    QTreeView::drawRow(painter, option, index);
}

void GridTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    // The indent in front of a group's lines stays plain: the group row above
    // carries the expand button.
    if (selectionModel() && selectionModel()->isSelected(index))
        painter->fillRect(
            rect, palette().brush(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
    else
        painter->fillRect(rect, palette().base());
}

void GridTreeView::paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const QRect row = fullRowRect(option);
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(row, selected ? palette().brush(group, QPalette::Highlight) : QBrush(kGroupBackground));
    painter->setPen(kGroupLine);
    painter->drawLine(row.bottomLeft(), row.bottomRight());

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(row.left() + 5, row.top() + (row.height() - 12) / 2, 12, 12);
    if (selected)
        arrow.palette.setColor(QPalette::ButtonText, palette().color(group, QPalette::HighlightedText));
    style()->drawPrimitive(isExpanded(index) ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowRight,
                           &arrow, painter, this);

    QFont font = option.font;
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text = row.adjusted(24, 0, -4, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(font).elidedText(index.siblingAtColumn(0).data().toString(),
                                                    Qt::ElideRight, text.width()));
    if (currentIndex() == index && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = row.adjusted(0, 0, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
    painter->restore();
}

void GridTreeView::paintGroupFooterRow(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    const QRect row = fullRowRect(option);
    painter->save();
    painter->fillRect(row, kFooterBackground);
    painter->setPen(kFooterLine);
    painter->drawLine(row.bottomLeft(), row.bottomRight());
    painter->setFont(option.font);
    painter->setPen(palette().color(QPalette::Text));
    const int columns = model()->columnCount(index.parent());
    for (int c = 0; c < columns; ++c) {
        if (isColumnHidden(c))
            continue;
        const QModelIndex cell = index.siblingAtColumn(c);
        const QString text = cell.data().toString();
        if (text.isEmpty())
            continue;
        const QRect box(columnViewportPosition(c), row.top(), columnWidth(c), row.height());
        const auto align = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
        const QRect inner = box.adjusted(4, 0, -4, 0);
        // Elided like the cells above when the column is too narrow.
        painter->drawText(inner, int(align),
                          painter->fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
    }
    painter->restore();
}

void GridTreeView::paintNewItemRow(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index); // focus and selection as for any row
    const QRect row = fullRowRect(option);
    painter->save();
    painter->setPen(kFooterLine);
    painter->drawLine(row.bottomLeft(), row.bottomRight());
    QFont font = option.font;
    font.setItalic(true);
    painter->setFont(font);
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    painter->setPen(selected ? palette().color(QPalette::HighlightedText)
                             : palette().color(QPalette::Disabled, QPalette::Text));
    painter->drawText(row.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, m_newItemText);
    painter->restore();
}

void GridTreeView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton && kindOf(index) == GridModel::RowKind::Group &&
        expandButtonRect(index).contains(event->position().toPoint())) {
        setExpanded(index.siblingAtColumn(0), !isExpanded(index.siblingAtColumn(0)));
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

} // namespace grid
