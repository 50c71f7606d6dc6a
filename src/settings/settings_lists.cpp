#include "settings/settings_lists.h"

#include "platform/grid/data_grid.h"
#include "platform/grid/grid_tree_view.h"

#include <QLayout>
#include <QVBoxLayout>

namespace settings {

grid::DataGrid* AddListGrid(QWidget* container, db::DataSource* source,
                            const QList<grid::GridColumn>& columns, const QStringList& navigatorHints)
{
    auto* list = new grid::DataGrid(container);
    list->setObjectName(container->objectName() + QStringLiteral("DBTableView1"));
    list->setColumns(columns);
    list->setColumnsStretched(true);
    list->setEditable(true);
    list->setNewItemRowVisible(true);
    list->setNavigatorVisible(true);
    list->setRowIndicatorVisible(true);
    const grid::NavigatorBar::Button buttons[] = {grid::NavigatorBar::Insert, grid::NavigatorBar::Delete,
                                                  grid::NavigatorBar::Edit,   grid::NavigatorBar::Post,
                                                  grid::NavigatorBar::Cancel, grid::NavigatorBar::Refresh};
    for (int i = 0; i < navigatorHints.size() && i < 6; ++i)
        list->navigator()->setHint(buttons[i], navigatorHints[i]);
    list->setDataSource(source);
    QLayout* layout = container->layout();
    if (!layout)
        layout = new QVBoxLayout(container);
    layout->addWidget(list);
    return list;
}

} // namespace settings
