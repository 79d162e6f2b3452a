#include "ui/command_registry.h"

#include <map>
#include <utility>

namespace ui {
namespace {

std::map<int, CommandHandler>& handlers() {
    static std::map<int, CommandHandler> registry;
    return registry;
}

std::function<void(Card*)>& showCardHandler() {
    static std::function<void(Card*)> handler;
    return handler;
}

} // namespace

void setCommandHandler(int commandId, CommandHandler handler) {
    if (handler)
        handlers()[commandId] = std::move(handler);
    else
        handlers().erase(commandId);
}

bool runCommand(int commandId) {
    auto it = handlers().find(commandId);
    if (it == handlers().end())
        return false;
    // A copy: the handler may replace itself (or clear the registry) while it runs.
    CommandHandler handler = it->second;
    handler();
    return true;
}

bool hasCommandHandler(int commandId) {
    return handlers().count(commandId) != 0;
}

void clearCommandHandlers() {
    handlers().clear();
    showCardHandler() = nullptr;
}

void setShowCardHandler(std::function<void(Card*)> handler) {
    showCardHandler() = std::move(handler);
}

void showCard(Card* card) {
    if (!card || !showCardHandler())
        return;
    auto handler = showCardHandler();
    handler(card);
}

} // namespace ui
