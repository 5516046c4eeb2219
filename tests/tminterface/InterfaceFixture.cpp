#include "InterfaceFixture.h"

#include <unistd.h>

#include "tminterface/VornakCommands.h"

VornakSocketOptions TestOptions(std::chrono::milliseconds pingInterval, std::chrono::milliseconds answerTimeout) {
    VornakSocketOptions options;
    options.localPort = 0;
    options.pingInterval = pingInterval;
    options.answerTimeout = answerTimeout;
    return options;
}

std::string Describe(const VornakPost& post) {
    switch (post.kind) {
        case VornakPostKind::LostConnection: return "lost";
        case VornakPostKind::SetState: return "state " + std::to_string(post.value);
        case VornakPostKind::Error: return "error " + std::to_string(post.value) + " code " + std::to_string(post.code);
        case VornakPostKind::MessageFromSocket: return "message " + post.text;
    }
    return "?";
}

void PrintTo(const VornakPost& post, std::ostream* out) { *out << Describe(post).substr(0, 200); }

std::string OwnHeader() { return BuildEnvelopeHeader(std::to_string(::getpid())); }

std::string OwnMessage(std::string_view commandElement) {
    return OwnHeader() + "<COMMAND>\n" + std::string(commandElement) + "\n</COMMAND>\n</VORNAK_KAVRO_INTERFACE>\n";
}

void InterfaceTest::Connect(VornakSocketOptions options) {
    vornak = std::make_unique<CVornakIF>(posts, options, interfaceHost);
    ASSERT_EQ(vornak->StartThread(peer.Port()), 1);
    ASSERT_TRUE(peer.Accept());
    ASSERT_EQ(peer.ReadMessage(), OwnMessage("<CMD_OK/>"));
    ASSERT_EQ(peer.ReadMessage(), OwnMessage("<CMD_REQUEST_DATA/>"));
    ASSERT_EQ(TakePosts(1), std::vector<std::string>{"state 8"});
}

std::vector<std::string> InterfaceTest::TakePosts(size_t count, std::chrono::milliseconds limit) {
    std::vector<std::string> taken;
    while (taken.size() < count) {
        const std::optional<VornakPost> post = posts.Take(limit);
        if (!post) break;
        taken.push_back(Describe(*post));
    }
    return taken;
}

std::vector<std::string> InterfaceTest::PostsSoFar() {
    std::vector<std::string> taken;
    while (const std::optional<VornakPost> post = posts.Take()) taken.push_back(Describe(*post));
    return taken;
}
