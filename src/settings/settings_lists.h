#pragma once

#include "platform/grid/grid_column.h"

#include <QList>
#include <QStringList>

class QWidget;
namespace db {
class DataSource;
}
namespace grid {
class DataGrid;
}

namespace settings {

// An in-place editable list of a settings table (shipping methods, payment
// terms): a grid with a row for new entries on top, a row indicator and a
// navigator bar (insert, delete, edit, save, cancel, refresh; hints in that
// order). Edits are written to the table as they are made.
grid::DataGrid* AddListGrid(QWidget* container, db::DataSource* source,
                            const QList<grid::GridColumn>& columns, const QStringList& navigatorHints);

} // namespace settings
