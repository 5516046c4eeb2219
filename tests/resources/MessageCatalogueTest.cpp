#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

TEST(MessageCode, FollowsTheKindOfTheIdRange) {
    const std::pair<int, const char*> cases[] = {
        {41037, "[F0037]"}, {42001, "[I0001]"}, {43001, "[Q0001]"}, {44463, "[W0463]"},
        {45114, "[W1114]"}, {45703, "[W1703]"}, {47001, ""},        {49001, ""},
        {40000, ""},        {0, ""},
    };
    for (const auto& [id, code] : cases) EXPECT_EQ(MessageCode(id), code) << id;
}

// Every text of a coded id ends in its own code (blanks after it aside), and no id appears twice: a copied text with
// a slipped digit or a second entry for one id would show the user the wrong message.
TEST(MessageCatalogue, EveryCodedTextEndsInItsCodeAndIdsAreUnique) {
    std::map<int, int> seen;
    for (const MessageEntry& e : AllMessageEntries()) {
        EXPECT_EQ(++seen[e.id], 1) << "id " << e.id << " appears more than once";
        std::string code = MessageCode(e.id);
        if (code.empty()) continue;
        // A blank after the code is part of one of the texts.
        std::string text = e.text;
        while (!text.empty() && text.back() == ' ') text.pop_back();
        // A few texts put the code before ":" and a detail on the next line.
        if (text.find(code + ":\n") != std::string::npos) continue;
        // One question closes its code with a brace, as the text was written ([Q0048}).
        if (text.ends_with(code.substr(0, code.size() - 1) + "}")) continue;
        ASSERT_GE(text.size(), code.size()) << e.id;
        EXPECT_EQ(text.substr(text.size() - code.size()), code) << "id " << e.id << ": " << text;
    }
}

TEST(MessageCatalogue, UnknownIdNamesItself) {
    EXPECT_EQ(FindMessageText(40999), nullptr);
    EXPECT_EQ(LoadMessage(40999), "<message 40999>");
}
