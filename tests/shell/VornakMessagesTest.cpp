// What the VORNAK interface thread posts to the frame, with a double of the interface.
#include <gtest/gtest.h>

#include "model/ShellServices.h"
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "FrameFixture.h"

namespace {

class VornakMessagesTest : public FrameFixture {
protected:
    void SetUp() override {
        VornakMode = true;
        auto link = std::make_unique<FakeVornakLink>();
        link_ = link.get();
        commands_ = link->commands;
        log_ = link->log;
        frame_.SetVornakStarter([&link](long) { return std::move(link); });
        ASSERT_EQ(frame_.OpenProjectFromCommandLine("", 4711), 1);
    }

    FakeVornakLink* link_ = nullptr;
    std::shared_ptr<std::vector<std::string>> commands_;
    std::shared_ptr<std::vector<std::string>> log_;
};

}  // namespace

TEST_F(VornakMessagesTest, AFailedConnectionIsShownAndCountsAsLostAnotherErrorIsOnlyShown) {
    frame_.OnVornakError(41039, 10061);
    ASSERT_EQ(Shown(), std::vector<std::string>{"Fatal error: Socket connection failed, error code: 10061. [F0039]"});
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(*commands_, std::vector<std::string>{"connection lost"});
    EXPECT_TRUE(link_->IsConnectionLost());
    EXPECT_TRUE(GetGlobalMessageBuffer().empty());

    // Any other error (a timer that failed, say) leaves the connection as it is.
    frame_.OnVornakError(41102, 0);
    EXPECT_EQ(Shown().size(), 2u);
    EXPECT_EQ(commands_->size(), 1u);
}

TEST_F(VornakMessagesTest, TheLogLevelDecidesWhichMessagesAreLogged) {
    const struct {
        int level;
        std::size_t lines;
    } cases[] = {{0, 0}, {1, 1}, {2, 4}};
    for (const auto& c : cases) {
        log_->clear();
        GetCommandLineSettings().interfaceLogLevel = c.level;
        frame_.OnVornakState(1);
        frame_.OnVornakMessage("hello");
        frame_.OnVornakConnectionLost();
        EXPECT_EQ(log_->size(), c.lines) << c.level;
    }
    ASSERT_EQ(log_->size(), 4u);
    EXPECT_EQ((*log_)[0], "********************* Message TM_SIF_SET_STATE has been received by MainFrame "
                          "********************\n");
    EXPECT_EQ((*log_)[1], "State: 1\n");
    EXPECT_EQ((*log_)[2], "********************* Message TM_SIF_MSG_FROM_SOCKET has been received by MainFrame "
                          "********************\n");
    EXPECT_EQ((*log_)[3], "********************* Message TM_SIF_LOST_CON has been received by MainFrame "
                          "********************\n");
    GetCommandLineSettings().interfaceLogLevel = 1;
    log_->clear();
    frame_.OnVornakConnectionLost();
    ASSERT_EQ(log_->size(), 1u);
    EXPECT_NE((*log_)[0].find("TM_SIF_LOST_CON"), std::string::npos);
}

TEST_F(VornakMessagesTest, AReceivedMessageGoesToTheInterfaceAndAnExitEndsTheProgram) {
    frame_.OnVornakState(1);
    frame_.OnVornakMessage("hello");
    EXPECT_EQ(*commands_, std::vector<std::string>{"received hello"});
    EXPECT_EQ(window_.closeRequests, 0);
    frame_.OnVornakMessage("exit");
    EXPECT_EQ(window_.closeRequests, 1);
}

TEST_F(VornakMessagesTest, TheInterfaceSetsWhetherAProjectIsOpenAndHadLoadErrors) {
    EXPECT_FALSE(frame_.IsProjectOpen());
    frame_.SetProjectOpen(1);
    frame_.SetLoadErrors(1);
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_TRUE(frame_.HasLoadErrors());
    frame_.SetLoadErrors(0);
    EXPECT_FALSE(frame_.HasLoadErrors());
}
