#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QToolButton;

namespace db {
class DataSet;
}

namespace grid {

// The navigator under an editable grid: insert, delete, edit, save (post),
// cancel and refresh on the grid's dataset. Delete does not ask. Each button
// runs as a user command: a failure shows the standard error box.
// Buttons are named btnInsert, btnDelete, btnEdit, btnPost, btnCancel, btnRefresh.
class NavigatorBar : public QWidget
{
    Q_OBJECT
public:
    enum Button
    {
        Insert,
        Delete,
        Edit,
        Post,
        Cancel,
        Refresh
    };

    explicit NavigatorBar(QWidget* parent = nullptr);

    void setDataSet(db::DataSet* dataSet);
    // The tool tip of a button ("New", "Insert", "Save", ...).
    void setHint(Button button, const QString& hint);
    QString hint(Button button) const;
    QToolButton* button(Button button) const { return m_buttons[button]; }
    // Runs before every button's command (the grid commits an open cell editor there).
    std::function<void()> beforeCommand;

signals:
    // After a button's command ran (also when it failed).
    void commandDone(NavigatorBar::Button button);

private:
    void run(Button button);
    void updateButtons();

    QPointer<db::DataSet> m_dataSet;
    QList<QMetaObject::Connection> m_connections;
    QToolButton* m_buttons[6] = {};
};

} // namespace grid
