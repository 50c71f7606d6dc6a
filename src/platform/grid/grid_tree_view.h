#pragma once

#include <QTreeView>

namespace grid {

class GridItemDelegate;
class GridModel;
class RowIndicator;

// The rows of a grid on screen: whole-row focus and selection, rows of one
// height, and the rows a GridModel adds for grouping painted across the grid's
// width: a group row with its expand button and caption, and a group footer with
// the group's summaries under their columns. Used over a GridModel only.
//
// Where wanted, a row indicator stands left of the rows (and of the column
// headers, as their corner): the viewport moves right to make room for it, so
// the columns keep their positions relative to the viewport.
class GridTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit GridTreeView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    GridModel* gridModel() const { return m_model; }

    void setRowHeight(int pixels);
    int rowHeight() const;
    void setRowIndicatorVisible(bool on);
    bool isRowIndicatorVisible() const { return m_indicatorVisible; }
    RowIndicator* rowIndicator() const { return m_indicator; }
    // True while the view lays out its header, indicator and viewport; the
    // viewport may take sizes meanwhile that do not last.
    bool isPlacingGeometries() const { return m_placingGeometries; }
    // Hands the text of an open cell editor to the model and closes the editor,
    // so that a command (save, refresh) works on what the user typed.
    void commitOpenEditor();
    QWidget* openEditor() const; // the cell editor while one is open
    // The text shown in an empty new-item row.
    void setNewItemRowText(const QString& text) { m_newItemText = text; }

    // The area of a group row that expands and collapses it on a click.
    QRect expandButtonRect(const QModelIndex& groupIndex) const;

signals:
    // The header, the indicator and the viewport have their final places.
    void geometriesPlaced();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void updateGeometries() override;

private:
    void paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintGroupFooterRow(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const;
    void paintNewItemRow(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;
    QRect fullRowRect(const QStyleOptionViewItem& option) const;
    void placeRowIndicator();

    GridModel* m_model = nullptr;
    GridItemDelegate* m_delegate;
    QString m_newItemText;
    RowIndicator* m_indicator;
    bool m_indicatorVisible = false;
    bool m_placingGeometries = false;
};

} // namespace grid
