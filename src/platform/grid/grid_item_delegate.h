#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace grid {

// Paints and edits the cells of a grid: rows of one fixed height, yes/no values
// as a check box in the middle of the cell, toggled by a click or the space key
// where the cell may be changed. Text cells use the standard line editor.
class GridItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridItemDelegate(QObject* parent = nullptr);

    void setRowHeight(int pixels) { m_rowHeight = pixels; }
    int rowHeight() const { return m_rowHeight; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor opened last, while it lives.
    QWidget* openEditor() const { return m_openEditor; }

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    int m_rowHeight = 20;
    mutable QPointer<QWidget> m_openEditor;
};

} // namespace grid
