#pragma once

#include <QPointer>
#include <QWidget>

namespace grid {

class GridModel;
class GridTreeView;

// The footer under a grid: the grid's footer summaries, each under its column.
// It follows the columns as they are resized, moved or scrolled sideways.
class FooterBar : public QWidget
{
    Q_OBJECT
public:
    explicit FooterBar(GridTreeView* view, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // Where the footer shows the summaries of a model column: under the column's
    // header section, in this widget's coordinates.
    QRect cellRect(int modelColumn) const;
    // Where the text of a column's summaries is written: its cell, and for text
    // set to the left also the empty cells that follow it.
    QRect textRect(int modelColumn) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GridModel* model() const;
    int viewportOrigin() const;
    QPointer<GridTreeView> m_view;
};

} // namespace grid
