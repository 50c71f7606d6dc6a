#pragma once

class QWidget;

namespace ui {

// Centres a window on its screen the first time it is shown (its frame size is
// known only then); later showings keep where the user put it.
void centreOnFirstShow(QWidget* window);

} // namespace ui
