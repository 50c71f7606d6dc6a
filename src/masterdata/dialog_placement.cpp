#include "masterdata/dialog_placement.h"

#include <QScreen>
#include <QWidget>

namespace masterdata {

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace masterdata
