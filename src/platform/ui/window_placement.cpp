#include "platform/ui/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

class CentreOnFirstShow : public QObject
{
public:
    explicit CentreOnFirstShow(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            if (const QScreen* screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreOnFirstShow(QWidget* window)
{
    new CentreOnFirstShow(window);
}

} // namespace ui
