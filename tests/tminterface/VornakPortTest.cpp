// The interface on its own local port 60666, with a peer in Python that reads the messages with
// xml.etree. These tests share one lock, since only one of them can hold the port.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "InterfaceFixture.h"

namespace {

// fake_vornak.py on a port, reading that many messages; its lines as it prints them.
class PythonPeer {
public:
    PythonPeer(int port, int messages) {
        const std::string command = std::string("python3 ") + KAVRO_SOURCE_DIR + "/tests/tminterface/fake_vornak.py " +
                                    std::to_string(port) + " " + std::to_string(messages);
        output_ = ::popen(command.c_str(), "r");
        if (!output_) throw std::runtime_error("python3 cannot be started");
    }
    ~PythonPeer() { ::pclose(output_); }
    PythonPeer(const PythonPeer&) = delete;
    PythonPeer& operator=(const PythonPeer&) = delete;

    // The next line without its line feed; "" once the script has ended (it gives up by itself).
    std::string ReadLine() {
        char line[4096];
        if (!std::fgets(line, sizeof line, output_)) return "";
        std::string text = line;
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }

private:
    FILE* output_;
};

std::string MessageAsRead(const std::string& command) {
    return "{\"attributes\": {\"InterfaceVersion\": \"3.0\", \"ProcessID\": \"" + std::to_string(::getpid()) +
           "\", \"Tool\": \"KAVRO\", \"ToolVersion\": \"16.7\", "
           "\"{http://www.w3.org/2001/XMLSchema-instance}noNamespaceSchemaLocation\": \"Protocol.xsd\"}, "
           "\"bom\": false, \"commands\": [\"" +
           command + "\"], \"root\": \"VORNAK_KAVRO_INTERFACE\"}";
}

}  // namespace

TEST(VornakPort, TheToolConnectsFromPort60666AndItsMessagesReadAsXml) {
    PythonPeer python(0, 3);
    const std::string announced = python.ReadLine();
    ASSERT_TRUE(announced.starts_with("PORT ")) << announced;
    VornakPostQueue posts;
    CVornakIF vornak(posts);
    ASSERT_EQ(vornak.StartThread(static_cast<unsigned>(std::stoi(announced.substr(5)))), 1);
    EXPECT_EQ(python.ReadLine(), "{\"peer\": [\"127.0.0.1\", 60666]}");
    EXPECT_EQ(python.ReadLine(), MessageAsRead("CMD_OK"));
    EXPECT_EQ(python.ReadLine(), MessageAsRead("CMD_REQUEST_DATA"));
    const std::optional<VornakPost> state = posts.Take(kPatience);
    EXPECT_EQ(state, VornakPost::State(8));
    ASSERT_EQ(vornak.SendCommand(6), 1);
    EXPECT_EQ(python.ReadLine(), MessageAsRead("CMD_EXIT"));
}

TEST(VornakPort, Port60666HeldByAListenerCannotBeBound) {
    LoopbackPeer holder(60666);
    LoopbackPeer vornakSide;
    VornakPostQueue posts;
    CVornakIF vornak(posts);
    ASSERT_EQ(vornak.StartThread(vornakSide.Port()), 1);
    EXPECT_EQ(posts.Take(kPatience), VornakPost::LostConnection());
    EXPECT_EQ(posts.Take(kPatience), VornakPost::Error(41038, EADDRINUSE));
}
