#pragma once

#include "platform/db/dataset.h"
#include "platform/grid/grid_model.h"

#include <QWidget>

namespace grid {

class GridTreeView;

// What the row indicator shows beside a row.
enum class RowMark
{
    None,
    Focused,  // a small triangle
    Editing,  // a text cursor: the focused row is being edited
    Inserting // a star: the row holds the insert buffer
};

// The mark of one row, from the row's kind, whether it has the focus and the
// dataset's state. Only the new-item row shows the insert buffer; a grid without
// one marks no row while a row is being inserted.
RowMark rowMarkFor(GridModel::RowKind kind, bool focused, db::DataSetState state);

// The narrow strip left of a grid's rows, like the row headers of classic data
// grids: it marks the focused row and what the dataset is doing with it, a click
// on it focuses the row, and, where rows are resizable, dragging the lower edge of
// a row sets the height of every row (the rows share one height).
//
// It belongs to a GridTreeView, which keeps the room for it left of the rows.
class RowIndicator : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 14;
    static constexpr int kMinimumRowHeight = 12;
    static constexpr int kMaximumRowHeight = 200;

    explicit RowIndicator(GridTreeView* view);

    void setRowsResizable(bool on);
    bool rowsResizable() const { return m_resizable; }

    RowMark markOf(const QModelIndex& index) const;
    // Where a row's cell of the strip stands, in this widget's coordinates.
    QRect cellRect(const QModelIndex& index) const;
    // The rows on screen, top to bottom (any column of each row).
    QList<QModelIndex> shownRows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int rowsTop() const; // where the view's rows start, in this widget
    QModelIndex rowAt(int y) const;
    QModelIndex rowWithLowerEdgeAt(int y) const;
    void paintMark(QPainter& painter, const QRect& cell, RowMark mark) const;

    GridTreeView* m_view;
    bool m_resizable = false;
    int m_dragTop = -1; // while a row's lower edge is dragged, the top of the first shown row; else -1
    int m_dragRows = 1; // the shown rows down to the dragged edge
};

} // namespace grid
