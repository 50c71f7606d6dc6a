#pragma once

#include <QFrame>
#include <QSize>

class QLineEdit;
class QTableView;
class QAbstractItemModel;

namespace editors {

// The drop-down grid of a lookup combo box: a list with column headers that the
// user can resize by its corner grip. Keys other than moving and choosing go on to
// the combo's text, so typing to find an entry goes on while the list is open.
class LookupPopup : public QFrame
{
    Q_OBJECT
public:
    LookupPopup(QLineEdit* textEditor, QWidget* owner);

    QTableView* view() const { return m_view; }
    void setModel(QAbstractItemModel* model);
    void highlightRow(int row);
    int highlightedRow() const;

    // Shows the list below the owner (above it when the screen has no room), at
    // the size the user last gave it, or else at the size of its content.
    void popUpUnder(QWidget* owner, const QList<int>& columnWidths);

signals:
    void rowChosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QSize contentSize(const QList<int>& columnWidths);

    QLineEdit* m_textEditor;
    QTableView* m_view;
    QSize m_userSize; // what the user resized the list to, kept for the next drop-down
    QSize m_shownSize;
};

} // namespace editors
