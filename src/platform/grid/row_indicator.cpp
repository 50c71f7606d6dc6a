#include "platform/grid/row_indicator.h"

#include "platform/grid/grid_tree_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionHeader>
#include <cmath>

namespace grid {

namespace {

// How near the lower edge of a row the pointer grips it for resizing.
constexpr int kEdgeGrip = 2;

} // namespace

RowMark rowMarkFor(GridModel::RowKind kind, bool focused, db::DataSetState state)
{
    if (kind == GridModel::RowKind::GroupFooter)
        return RowMark::None;
    if (kind == GridModel::RowKind::NewItem && state == db::DataSetState::Insert)
        return RowMark::Inserting;
    if (!focused)
        return RowMark::None;
    switch (state) {
    case db::DataSetState::Browse:
        return RowMark::Focused;
    case db::DataSetState::Edit:
        return RowMark::Editing;
    case db::DataSetState::Insert: // the buffer is not this row
    case db::DataSetState::Inactive:
        break;
    }
    return RowMark::None;
}

RowIndicator::RowIndicator(GridTreeView* view) : QWidget(view), m_view(view)
{
    setObjectName(QStringLiteral("rowIndicator"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // Whatever changes the rows on screen repaints the view's viewport: the strip
    // repaints with it, so it never shows marks of rows that have moved.
    view->viewport()->installEventFilter(this);
}

void RowIndicator::setRowsResizable(bool on)
{
    m_resizable = on;
    if (!on) {
        m_dragTop = -1;
        unsetCursor();
    }
}

bool RowIndicator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Paint)
        update();
    return QWidget::eventFilter(watched, event);
}

int RowIndicator::rowsTop() const
{
    return m_view->viewport()->geometry().top() - geometry().top();
}

QList<QModelIndex> RowIndicator::shownRows() const
{
    QList<QModelIndex> rows;
    const QHeaderView* header = m_view->header();
    int column = -1;
    for (int v = 0; v < header->count() && column < 0; ++v)
        if (!header->isSectionHidden(header->logicalIndex(v)))
            column = header->logicalIndex(v);
    if (column < 0 || !m_view->model())
        return rows;
    const int x = m_view->columnViewportPosition(column);
    const int bottom = m_view->viewport()->height();
    for (QModelIndex row = m_view->indexAt(QPoint(x, 0)); row.isValid(); row = m_view->indexBelow(row)) {
        if (m_view->visualRect(row).top() >= bottom)
            break;
        rows.append(row);
    }
    return rows;
}

QRect RowIndicator::cellRect(const QModelIndex& index) const
{
    const QRect row = m_view->visualRect(index);
    if (!row.isValid())
        return {};
    return QRect(0, rowsTop() + row.top(), width(), row.height());
}

RowMark RowIndicator::markOf(const QModelIndex& index) const
{
    const GridModel* model = m_view->gridModel();
    if (!index.isValid() || !model || !model->dataSet())
        return RowMark::None;
    const QModelIndex current = m_view->currentIndex();
    const bool focused =
        current.isValid() && current.row() == index.row() && current.parent() == index.parent();
    return rowMarkFor(model->rowKind(index), focused, model->dataSet()->state());
}

QModelIndex RowIndicator::rowAt(int y) const
{
    for (const QModelIndex& row : shownRows()) {
        const QRect cell = cellRect(row);
        if (y >= cell.top() && y <= cell.bottom())
            return row;
    }
    return {};
}

QModelIndex RowIndicator::rowWithLowerEdgeAt(int y) const
{
    for (const QModelIndex& row : shownRows()) {
        const QRect cell = cellRect(row);
        if (qAbs(y - (cell.top() + cell.height())) <= kEdgeGrip)
            return row;
    }
    return {};
}

void RowIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int top = rowsTop();
    // Above the rows: an empty header section, the corner left of the column headers.
    QStyleOptionHeader corner;
    corner.initFrom(this);
    corner.rect = QRect(0, 0, width(), top);
    corner.orientation = Qt::Horizontal;
    corner.position = QStyleOptionHeader::Beginning;
    corner.state |= QStyle::State_Raised;
    if (top > 0)
        style()->drawControl(QStyle::CE_HeaderSection, &corner, &painter, this);

    painter.setClipRect(QRect(0, top, width(), height() - top));
    painter.fillRect(QRect(0, top, width(), height() - top), m_view->viewport()->palette().base());
    for (const QModelIndex& row : shownRows()) {
        QStyleOptionHeader cell;
        cell.initFrom(this);
        cell.rect = cellRect(row);
        cell.orientation = Qt::Vertical;
        cell.position = QStyleOptionHeader::Middle;
        cell.state |= QStyle::State_Raised;
        style()->drawControl(QStyle::CE_HeaderSection, &cell, &painter, this);
        paintMark(painter, cell.rect, markOf(row));
    }
    // The strip ends with a line, like the edge between two header sections.
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(width() - 1, top, width() - 1, height() - 1);
}

void RowIndicator::paintMark(QPainter& painter, const QRect& cell, RowMark mark) const
{
    if (mark == RowMark::None)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = palette().color(QPalette::ButtonText);
    const QPointF c = QRectF(cell.adjusted(0, 0, -1, 0)).center();
    switch (mark) {
    case RowMark::Focused: {
        QPainterPath triangle;
        triangle.moveTo(c.x() - 2.5, c.y() - 4.5);
        triangle.lineTo(c.x() + 2.5, c.y());
        triangle.lineTo(c.x() - 2.5, c.y() + 4.5);
        triangle.closeSubpath();
        painter.fillPath(triangle, ink);
        break;
    }
    case RowMark::Editing:
        painter.setPen(QPen(ink, 1.2));
        painter.drawLine(QPointF(c.x(), c.y() - 5), QPointF(c.x(), c.y() + 5));
        painter.drawLine(QPointF(c.x() - 2.5, c.y() - 5), QPointF(c.x() + 2.5, c.y() - 5));
        painter.drawLine(QPointF(c.x() - 2.5, c.y() + 5), QPointF(c.x() + 2.5, c.y() + 5));
        break;
    case RowMark::Inserting:
        painter.setPen(QPen(ink, 1.5));
        painter.drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 4));
        painter.drawLine(QPointF(c.x() - 3.5, c.y() - 2), QPointF(c.x() + 3.5, c.y() + 2));
        painter.drawLine(QPointF(c.x() - 3.5, c.y() + 2), QPointF(c.x() + 3.5, c.y() - 2));
        break;
    case RowMark::None:
        break;
    }
    painter.restore();
}

void RowIndicator::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int y = event->position().toPoint().y();
    if (m_resizable) {
        const QList<QModelIndex> rows = shownRows();
        const QModelIndex edge = rowWithLowerEdgeAt(y);
        if (edge.isValid() && !rows.isEmpty()) {
            // All rows above the edge change with it, so the edge keeps under the
            // pointer when the height is the distance from the first shown row
            // shared among the rows down to the edge.
            m_dragTop = cellRect(rows.first()).top();
            m_dragRows = int(rows.indexOf(edge)) + 1;
            event->accept();
            return;
        }
    }
    // A click beside a row focuses it, as a click on the row does.
    const QModelIndex row = rowAt(y);
    if (row.isValid() && (row.flags() & Qt::ItemIsEnabled)) {
        const QModelIndex current = m_view->currentIndex();
        m_view->setFocus(Qt::MouseFocusReason);
        m_view->setCurrentIndex(current.isValid() ? row.siblingAtColumn(current.column()) : row);
    }
    event->accept();
}

void RowIndicator::mouseMoveEvent(QMouseEvent* event)
{
    const int y = event->position().toPoint().y();
    if (m_dragTop >= 0) {
        const int height = qBound(kMinimumRowHeight, int(std::lround(double(y - m_dragTop) / m_dragRows)),
                                  kMaximumRowHeight);
        if (height != m_view->rowHeight())
            m_view->setRowHeight(height);
        event->accept();
        return;
    }
    if (m_resizable && rowWithLowerEdgeAt(y).isValid())
        setCursor(Qt::SplitVCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void RowIndicator::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragTop >= 0) {
        m_dragTop = -1;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void RowIndicator::leaveEvent(QEvent* event)
{
    if (m_dragTop < 0)
        unsetCursor();
    QWidget::leaveEvent(event);
}

} // namespace grid
