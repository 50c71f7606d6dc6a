#include "platform/grid/footer_bar.h"

#include "platform/grid/grid_model.h"
#include "platform/grid/grid_tree_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace grid {

FooterBar::FooterBar(GridTreeView* view, QWidget* parent) : QWidget(parent), m_view(view)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAutoFillBackground(false);
    auto repaint = [this] { update(); };
    QHeaderView* header = view->header();
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

GridModel* FooterBar::model() const
{
    return m_view ? m_view->gridModel() : nullptr;
}

QSize FooterBar::sizeHint() const
{
    return {100, fontMetrics().height() + 10};
}

int FooterBar::viewportOrigin() const
{
    // Columns are placed by the view's header, in the view's viewport.
    return mapFromGlobal(m_view->viewport()->mapToGlobal(QPoint(0, 0))).x();
}

QRect FooterBar::cellRect(int modelColumn) const
{
    if (!m_view)
        return {};
    return QRect(viewportOrigin() + m_view->columnViewportPosition(modelColumn), 1,
                 m_view->columnWidth(modelColumn), height() - 1);
}

QRect FooterBar::textRect(int modelColumn) const
{
    QRect box = cellRect(modelColumn);
    const GridModel* gridModel = model();
    if (!gridModel)
        return box;
    const auto align =
        Qt::Alignment(gridModel->headerData(modelColumn, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
    if (align & (Qt::AlignRight | Qt::AlignHCenter))
        return box;
    // Left-aligned text runs on over the empty footer cells to its right
    // ("Count = 48" under a narrow first column) instead of being cut short.
    const QHeaderView* header = m_view->header();
    for (int v = header->visualIndex(modelColumn) + 1; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        if (m_view->isColumnHidden(c))
            continue;
        if (!gridModel->footerText(c).isEmpty())
            break;
        box.setRight(box.right() + m_view->columnWidth(c));
    }
    return box;
}

void FooterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The colours of the column headers, so the footer reads as the grid's frame.
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    GridModel* gridModel = model();
    if (!gridModel)
        return;
    painter.setClipRect(QRect(viewportOrigin(), 0, m_view->viewport()->width(), height()));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::ButtonText));
    for (int c = 0; c < gridModel->columnCount(); ++c) {
        if (m_view->isColumnHidden(c))
            continue;
        const QString text = gridModel->footerText(c);
        if (text.isEmpty())
            continue;
        const auto align =
            Qt::Alignment(gridModel->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        const QRect inner = textRect(c).adjusted(4, 0, -4, 0);
        painter.drawText(inner, int((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter),
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
    }
}

} // namespace grid
