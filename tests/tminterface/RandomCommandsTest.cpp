// Random runs of VORNAK's commands and of garbage, in every state of the exchange: nothing
// breaks, the state stays one of the twelve, and every command the state does not accept is
// refused with [W1074]. The seed is printed; KAVRO_RANDOM_SEED replays a run.
#include <atomic>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "ExchangeFixture.h"

namespace {

struct CommandCase {
    std::string_view element;
    int number;
};

// The seventeen commands of the protocol.
constexpr CommandCase kCommands[] = {
    {"CMD_NONE", 0},         {"CMD_CHANGED_TASKLIST", 1}, {"CMD_DATA_KAVRO", 2},  {"CMD_DATA_LIB", 3},
    {"CMD_DATA_LIBLIST", 4}, {"CMD_DATA_TS", 5},          {"CMD_EXIT", 6},        {"CMD_FAIL", 7},
    {"CMD_LOCK", 9},         {"CMD_OK", 10},              {"CMD_PING", 11},       {"CMD_PING_OK", 12},
    {"CMD_REQUEST_DATA", 13}, {"CMD_REQUEST_LIB", 14},    {"CMD_REQUEST_LIBLIST", 15}, {"CMD_SHOW_TASK", 16},
    {"CMD_UNLOCK", 17},
};

// What each state accepts, as the exchange defines it.
bool Accepted(int state, int command, int errorCode) {
    switch (state) {
        case 3: return command == 6;
        case 4: return command == 2 || command == 16;
        case 5:
        case 6:
        case 7: return command == 10 || command == 7;
        case 8: return command == 5;
        case 9: return command == 3 || (command == 7 && errorCode == 8);
        case 10:
        case 11: return command == 4;
        default: return false;
    }
}

unsigned Seed() {
    if (const char* given = std::getenv("KAVRO_RANDOM_SEED")) return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
    return std::random_device{}();
}

class RandomCommandsTest : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        // The tool's answers are read away, so that the connection never fills up.
        drain_ = std::thread([this] {
            while (!stop_) peer.ReadMessage(20ms);
        });
    }
    void TearDown() override {
        stop_ = true;
        drain_.join();
        ExchangeTest::TearDown();
    }

    std::string Body(const CommandCase& command, std::mt19937& random, int& errorCode) {
        const std::string name(command.element);
        switch (command.number) {
            case 2:
                return "<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"P\" Name=\"R\"/>"
                       "<TASK ID=\"root\" Name=\"Project R\" Type=\"2\"/></KAVRO_DATA></CMD_DATA_KAVRO>";
            case 3: return "<CMD_DATA_LIB FileID=\"L" + std::to_string(random() % 3) + "\" Name=\"Lib\"/>";
            case 4: return "<CMD_DATA_LIBLIST><KAVRO_LIB FileID=\"L1\" Name=\"Lib\"/></CMD_DATA_LIBLIST>";
            case 5:
                return "<CMD_DATA_TS RestoreFromFile=\"" + std::to_string(random() % 2) +
                       "\"><VORNAK_EXCHANGE><PROJECT name=\"R\"><TS><TP name=\"R\" user_defined_id=\"R1\">"
                       "<TP name=\"F\" user_defined_id=\"f1\"/></TP></TS></PROJECT></VORNAK_EXCHANGE></CMD_DATA_TS>";
            case 7: {
                static constexpr int kCodes[] = {0, 1, 3, 8};
                errorCode = kCodes[random() % 4];
                return "<CMD_FAIL ErrorCode=\"" + std::to_string(errorCode) + "\" ErrorMessage=\"no\"/>";
            }
            case 16: {
                static constexpr const char* kIds[] = {"R1", "f1", "kavrotc-1", "", "nothing"};
                return std::string("<CMD_SHOW_TASK TaskID=\"") + kIds[random() % 5] + "\"/>";
            }
            default: return "<" + name + "/>";
        }
    }

    static std::string Garbage(std::mt19937& random) {
        static constexpr std::string_view kAlphabet = "<>/=\"' abcXYZ&;\n\t\xC3\xBC";
        std::string text;
        const std::size_t length = random() % 60;
        for (std::size_t i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
        return text + "</VORNAK_KAVRO_INTERFACE>";
    }

private:
    std::atomic<bool> stop_{false};
    std::thread drain_;
};

bool ShowsRefusal(const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        if (text.starts_with("KAVRO received an unexpected command: '") && text.ends_with("[W1074]")) return true;
    return false;
}

}  // namespace

TEST_F(RandomCommandsTest, AnyCommandInAnyStateKeepsTheExchangeSound) {
    const unsigned seed = Seed();
    std::cout << "KAVRO_RANDOM_SEED=" << seed << std::endl;
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    for (int run = 0; run < 400; ++run) {
        const int state = static_cast<int>(random() % 12);
        vornak->SetState(state);
        Boxes().messages.clear();
        const bool garbage = random() % 6 == 0;
        const CommandCase& command = kCommands[random() % std::size(kCommands)];
        int errorCode = 0;
        if (garbage)
            vornak->OnCommandFromManager(Garbage(random));
        else
            Receive(Body(command, random, errorCode));
        const std::string what = garbage ? "garbage" : std::string(command.element);
        ASSERT_GE(vornak->GetState(), 0) << what << " in " << state << ", seed " << seed;
        ASSERT_LE(vornak->GetState(), 11) << what << " in " << state << ", seed " << seed;
        const int number = garbage ? 0 : command.number;
        const bool lostByExit = state == 1 && number == 6;
        if (!lostByExit && !Accepted(state, number, errorCode)) {
            EXPECT_TRUE(ShowsRefusal(Boxes().Texts())) << what << " in " << state << ", seed " << seed;
        }
    }
}
