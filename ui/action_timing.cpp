#include "ui/action_timing.h"

#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QKeyEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace ui {
namespace {

long long epochMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Each line: milliseconds since 1970, what happened, the window's title.
class ActionTiming : public QObject {
public:
    ActionTiming(QObject* parent, std::FILE* log) : QObject(parent), log_(log) {}
    ~ActionTiming() override { std::fclose(log_); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
                note("shown", widget->windowTitle());
            break;
        case QEvent::ShortcutOverride: // a key that a shortcut takes arrives as this alone
        case QEvent::KeyPress:
        case QEvent::MouseButtonRelease: {
            // The event travels through several widgets: note it once.
            auto* input = static_cast<QInputEvent*>(event);
            int key = event->type() == QEvent::MouseButtonRelease
                          ? -1
                          : static_cast<QKeyEvent*>(event)->key();
            if (input->timestamp() != lastInput_ || key != lastKey_) {
                lastInput_ = input->timestamp();
                lastKey_ = key;
                note("input", {});
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    void note(const char* what, const QString& title) {
        std::fprintf(log_, "%lld %s %s\n", epochMillis(), what, title.toUtf8().constData());
        std::fflush(log_);
        if (!idleProbe_) {
            idleProbe_ = true;
            QCoreApplication::postEvent(this, new QEvent(kHandled));
        }
    }

    // The first hop runs once the event being handled now is done; the second, posted below
    // every waiting paint, once those are done too.
    void customEvent(QEvent* event) override {
        if (event->type() == kHandled) {
            QCoreApplication::postEvent(this, new QEvent(kPainted), Qt::LowEventPriority - 1);
            return;
        }
        if (event->type() != kPainted)
            return;
        idleProbe_ = false;
        QWidget* active = QApplication::activeWindow();
        std::fprintf(log_, "%lld idle %s\n", epochMillis(),
                     active ? active->windowTitle().toUtf8().constData() : "");
        std::fflush(log_);
    }

    static constexpr auto kHandled = static_cast<QEvent::Type>(QEvent::User + 701);
    static constexpr auto kPainted = static_cast<QEvent::Type>(QEvent::User + 702);

    std::FILE* log_;
    quint64 lastInput_ = 0;
    int lastKey_ = 0;
    bool idleProbe_ = false;
};

} // namespace

void installActionTiming() {
    const char* path = std::getenv("ZELKORA_TIMING_LOG");
    if (!path || !*path)
        return;
    std::FILE* log = std::fopen(path, "a");
    if (!log)
        return;
    qApp->installEventFilter(new ActionTiming(qApp, log));
}

} // namespace ui
