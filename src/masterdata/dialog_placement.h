#pragma once

class QWidget;

namespace masterdata {

// Puts a window in the middle of the screen it is shown on.
void centreOnScreen(QWidget* window);

} // namespace masterdata
