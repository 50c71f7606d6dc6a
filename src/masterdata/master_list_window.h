#pragma once

#include <QDialog>
#include <QIcon>

namespace Ui {
class MasterListWindow;
}
namespace grid {
class DataGrid;
}
class QToolButton;

// The frame shared by the customer and the product list: a white header strip
// with an icon and a title, a tool bar (new, edit, delete | refresh, search |
// print) and a read-only grid over the list's dataset with a count footer.
// The subclasses give the captions, the columns and the commands.
class MasterListWindow : public QDialog
{
    Q_OBJECT
public:
    ~MasterListWindow() override;

    grid::DataGrid* grid() const;

protected:
    struct Captions
    {
        QString window;    // "Customer"
        QString title;     // "Customers"
        QString addButton; // "New Customer"
        QString editButton;
        QString deleteButton;
        QString printButton;
        QIcon headerIcon;
    };
    MasterListWindow(const Captions& captions, QWidget* parent);

    // Connects the tool bar's buttons and the grid's double click to the commands;
    // each runs as a user command.
    void connectCommands(const std::function<void()>& add, const std::function<void()>& edit,
                         const std::function<void()>& remove, const std::function<void()>& refresh,
                         const std::function<void()>& search, const std::function<void()>& print,
                         const std::function<void()>& doubleClick);
    // Shows the count of listed rows under the first column, as "Count = n".
    void showCountUnder(const QString& fieldName);

private:
    Ui::MasterListWindow* ui;
};
