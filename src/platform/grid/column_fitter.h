#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

namespace grid {

class GridTreeView;

// Keeps the widths of a grid's columns. Stretched, the starting widths are
// proportions and the columns always fill the grid's width: when the user widens
// a column, the columns to its right give up the room. Not stretched, the columns
// keep their widths. Widths survive the resets of the model.
class ColumnFitter : public QObject
{
    Q_OBJECT
public:
    explicit ColumnFitter(GridTreeView* view);

    // Starting widths, one per model column.
    void setWidths(const QVector<int>& widths);
    void setStretched(bool on);
    bool isStretched() const { return m_stretched; }
    // Applies the widths; called on resizes and after every model reset.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySizes(const QVector<int>& sizes);
    void onSectionResized(int logical, int oldSize, int newSize);
    QVector<int> currentSizes() const;

    QPointer<GridTreeView> m_view;
    QVector<double> m_weights;
    QVector<int> m_sizes; // the widths kept when not stretched
    bool m_stretched = false;
    bool m_applying = false;
    bool m_fitPending = false;
};

} // namespace grid
