#include "store/window_registry.h"

#include "store/notices.h"

#include <algorithm>
#include <vector>

int closingAll = 0;

namespace {
std::vector<RegisteredWindow*>& chain() {
    static std::vector<RegisteredWindow*> windows;
    return windows;
}
} // namespace

void registerWindow(RegisteredWindow* window) {
    chain().push_back(window);
}

void unregisterWindow(RegisteredWindow* window) {
    if (closingAll)
        return;
    auto& windows = chain();
    auto it = std::find(windows.begin(), windows.end(), window);
    if (it == windows.end())
        fatalError(161);
    windows.erase(it);
}

bool isWindowOpen(const RegisteredWindow* window) {
    const auto& windows = chain();
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

void closeAllWindows() {
    closingAll = 1;
    std::vector<RegisteredWindow*> windows = chain();
    for (RegisteredWindow* window : windows)
        window->destroyWindow();
    closingAll = 0;
    chain().clear();
}

int registeredWindowCount() {
    return static_cast<int>(chain().size());
}
