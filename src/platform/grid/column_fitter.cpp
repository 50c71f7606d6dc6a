#include "platform/grid/column_fitter.h"

#include "platform/grid/grid_tree_view.h"

#include <QEvent>
#include <QHeaderView>
#include <cmath>

namespace grid {

ColumnFitter::ColumnFitter(GridTreeView* view) : QObject(view), m_view(view)
{
    view->viewport()->installEventFilter(this);
    connect(view->header(), &QHeaderView::sectionResized, this, &ColumnFitter::onSectionResized);
    connect(view, &GridTreeView::geometriesPlaced, this, [this] {
        if (m_fitPending) {
            m_fitPending = false;
            fit();
        }
    });
}

void ColumnFitter::setWidths(const QVector<int>& widths)
{
    m_weights.clear();
    for (int w : widths)
        m_weights.append(qMax(1, w));
    m_sizes = widths;
    fit();
}

void ColumnFitter::setStretched(bool on)
{
    m_stretched = on;
    m_view->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    fit();
}

QVector<int> ColumnFitter::currentSizes() const
{
    QVector<int> sizes;
    const QHeaderView* header = m_view->header();
    for (int i = 0; i < header->count(); ++i)
        sizes.append(header->sectionSize(i));
    return sizes;
}

void ColumnFitter::applySizes(const QVector<int>& sizes)
{
    QHeaderView* header = m_view->header();
    m_applying = true;
    for (int i = 0; i < header->count() && i < sizes.size(); ++i)
        if (header->sectionSize(i) != sizes[i] && !header->isSectionHidden(i))
            header->resizeSection(i, sizes[i]);
    m_applying = false;
}

void ColumnFitter::fit()
{
    // Also called after a model reset, which brings the sections back at their
    // default size.
    const QHeaderView* header = m_view->header();
    if (!m_stretched) {
        applySizes(m_sizes);
        return;
    }
    if (m_weights.size() != header->count())
        return;
    const int available = m_view->viewport()->width();
    double total = 0;
    for (int i = 0; i < header->count(); ++i)
        if (!header->isSectionHidden(i))
            total += m_weights[i];
    if (available <= 0 || total <= 0)
        return;
    QVector<int> sizes = currentSizes();
    int used = 0;
    int last = -1;
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (header->isSectionHidden(logical))
            continue;
        sizes[logical] =
            qMax(header->minimumSectionSize(), int(std::floor(available * m_weights[logical] / total)));
        used += sizes[logical];
        last = logical;
    }
    if (last >= 0)
        sizes[last] = qMax(header->minimumSectionSize(), sizes[last] + available - used);
    applySizes(sizes);
}

void ColumnFitter::onSectionResized(int logical, int, int newSize)
{
    if (m_applying || !m_view)
        return;
    const QHeaderView* header = m_view->header();
    if (!m_stretched) {
        if (logical < m_sizes.size())
            m_sizes[logical] = newSize;
        return;
    }
    // The user resized a column: the columns to its right share what is left.
    const QVector<int> sizes = currentSizes();
    if (m_weights.size() != sizes.size())
        return;
    const int available = m_view->viewport()->width();
    const int visual = header->visualIndex(logical);
    int left = 0;
    double rightTotal = 0;
    for (int v = 0; v < header->count(); ++v) {
        const int l = header->logicalIndex(v);
        if (header->isSectionHidden(l))
            continue;
        if (v <= visual)
            left += sizes[l];
        else
            rightTotal += sizes[l];
    }
    const int remaining = available - left;
    for (int v = 0; v < header->count(); ++v) {
        const int l = header->logicalIndex(v);
        if (header->isSectionHidden(l))
            continue;
        if (v <= visual || rightTotal <= 0 || remaining <= 0)
            m_weights[l] = sizes[l];
        else
            m_weights[l] = sizes[l] * remaining / rightTotal;
    }
    fit();
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_view && watched == m_view->viewport() && event->type() == QEvent::Resize && m_stretched) {
        // While the view lays itself out, the viewport takes sizes that do not
        // last (the room of a row indicator is taken away and given back);
        // fitting to each would resize the columns back and forth. The view
        // says when the size is final.
        if (m_view->isPlacingGeometries())
            m_fitPending = true;
        else
            fit();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace grid
