#include "first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace wd {

namespace {
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget* window, std::function<void()> then)
        : QObject(window)
        , then(std::move(then))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen, not before.
            QTimer::singleShot(0, this, [this] {
                then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then;
};
}  // namespace

void after_first_frame(QWidget* window, std::function<void()> then)
{
    new FirstFrameWatch(window, std::move(then));
}

}  // namespace wd
