#include "store/card.h"
#include "ui/command_registry.h"

#include <gtest/gtest.h>

TEST(CommandRegistry, runsInstalledHandlersOnly) {
    ui::clearCommandHandlers();
    EXPECT_FALSE(ui::runCommand(40016));
    int runs = 0;
    ui::setCommandHandler(40016, [&] { ++runs; });
    EXPECT_TRUE(ui::hasCommandHandler(40016));
    EXPECT_TRUE(ui::runCommand(40016));
    EXPECT_EQ(runs, 1);
    ui::setCommandHandler(40016, nullptr);
    EXPECT_FALSE(ui::hasCommandHandler(40016));
    EXPECT_FALSE(ui::runCommand(40016));
}

TEST(CommandRegistry, aHandlerMayReplaceItselfWhileRunning) {
    ui::clearCommandHandlers();
    int second = 0;
    ui::setCommandHandler(1, [&] { ui::setCommandHandler(1, [&] { ++second; }); });
    EXPECT_TRUE(ui::runCommand(1));
    EXPECT_TRUE(ui::runCommand(1));
    EXPECT_EQ(second, 1);
    ui::clearCommandHandlers();
}

TEST(CommandRegistry, showCardReachesTheInstalledWindow) {
    ui::clearCommandHandlers();
    Card card;
    ui::showCard(&card); // nobody listens yet: nothing happens
    Card* shown = nullptr;
    ui::setShowCardHandler([&](Card* c) { shown = c; });
    ui::showCard(&card);
    EXPECT_EQ(shown, &card);
    ui::clearCommandHandlers();
    shown = nullptr;
    ui::showCard(&card);
    EXPECT_EQ(shown, nullptr);
}
