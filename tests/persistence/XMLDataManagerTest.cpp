#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "model/FileKav.h"
#include "platform/MessageLog.h"
#include "PersistenceFixture.h"
#include "RecordingReader.h"

namespace {

class ReaderTest : public PersistenceTest {
protected:
    bool Parse(const std::string& name, const std::string& bytes, const std::string& encoding = "UTF-8",
               const XmlHandlers& handlers = CXMLDataManager::StandardHandlers()) {
        std::string path = WriteFile(name, bytes);
        file_ = CFileKav("", path, path);
        return reader_.ParseFile(&file_, encoding, handlers);
    }

    RecordingReader reader_;
    CFileKav file_;
};

}  // namespace

TEST_F(ReaderTest, MalformedFileNamesPathLineAndTheParserReason) {
    ASSERT_FALSE(Parse("bad.xml", "<KAVRO_DATA>\n<PROJECT ID=\"p\">\n</KAVRO_DATA>"));
    EXPECT_EQ(Message(), "Error while parsing XML file " + file_.GetFullPath() + " in line 3: mismatched tag [W1110]");
    EXPECT_EQ(reader_.OpenElementCount(), 0u);

    const std::pair<std::string, std::string> cases[] = {
        {"", "in line 1: no element found [W1110]"},
        {"<a>\n<b x=\"1\" x=\"2\"/></a>", "in line 2: duplicate attribute [W1110]"},
        {"<a/>\n<b/>", "in line 2: junk after document element [W1110]"},
        {"<a>\xFF</a>", "in line 1: not well-formed (invalid token) [W1110]"},
        {"<a>&undefined;</a>", "in line 1: undefined entity [W1110]"},
        {"<a", "in line 1: unclosed token [W1110]"},
    };
    for (const auto& [bytes, ending] : cases) {
        ClearGlobalMessage();
        EXPECT_FALSE(Parse("case.xml", bytes)) << bytes;
        EXPECT_TRUE(Message().ends_with(ending)) << Message();
        EXPECT_EQ(reader_.OpenElementCount(), 0u);
    }
}

TEST_F(ReaderTest, HandlersSeeParentsAttributesAndTheTextOfTextOnlyElements) {
    ASSERT_TRUE(Parse("ok.xml",
                      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<ROOT a=\"1\" b=\"&lt;&#xa;\">\n"
                      "  <DESCRIPTION>Line &amp; <![CDATA[<raw>]]></DESCRIPTION>\n"
                      "  <MIXED>before<CHILD/>after</MIXED>\n"
                      "  <EMPTY></EMPTY>\n"
                      "</ROOT>\n"))
        << Message();
    const std::vector<std::string> expected = {
        "start ROOT in '' a=1 b=<\n",
        "start DESCRIPTION in 'ROOT'",
        "text DESCRIPTION in 'ROOT': Line & <raw>",
        "start MIXED in 'ROOT'",
        "start CHILD in 'MIXED'",
        "start EMPTY in 'ROOT'",
    };
    EXPECT_EQ(reader_.events, expected);
    EXPECT_EQ(reader_.OpenElementCount(), 0u);
    EXPECT_EQ(Message(), "");
}

TEST_F(ReaderTest, AHandlersOwnMessageStandsAndNothingIsDispatchedAfterItStops) {
    reader_.onStart = [](RecordingReader& r, const std::string& name) {
        if (name != "BAD") return;
        SetGlobalMessage("Invalid tag 'BAD' detected in file x! [W0910]");
        r.StopParser();
    };
    ASSERT_FALSE(Parse("stop.xml", "<R><A/><BAD><IN/></BAD><AFTER/></R>", "UTF-8", RecordingReader::Handlers()));
    EXPECT_EQ(Message(), "Invalid tag 'BAD' detected in file x! [W0910]");
    EXPECT_EQ(reader_.events.back(), "start BAD in 'R'");
    EXPECT_EQ(reader_.OpenElementCount(), 0u);

    // A stop without a message of its own still fails, with the parser's reason; the parser's
    // late end event of the empty element that stopped reaches no handler.
    reader_.events.clear();
    reader_.onStart = [](RecordingReader& r, const std::string& name) {
        if (name == "A") r.StopParser();
    };
    ASSERT_FALSE(Parse("stop2.xml", "<R>\n<A/><B/></R>", "UTF-8", RecordingReader::Handlers()));
    EXPECT_EQ(Message(), "Error while parsing XML file " + file_.GetFullPath() + " in line 2: parsing aborted [W1110]");
    EXPECT_EQ(reader_.events, (std::vector<std::string>{"start R in ''", "start A in 'R'"}));
}

TEST_F(ReaderTest, ASuspendedParseIsASuccessThatReadsNoFurther) {
    reader_.suspendAfter = "PROJECT";
    ASSERT_TRUE(Parse("head.xml", "<KAVRO_DATA><PROJECT ID=\"p\"><FILE/></PROJECT><TASK/><unclosed></KAVRO_DATA>",
                      "UTF-8", RecordingReader::Handlers()))
        << Message();
    EXPECT_EQ(reader_.events, (std::vector<std::string>{"start KAVRO_DATA in ''", "start PROJECT in 'KAVRO_DATA' ID=p",
                                                        "start FILE in 'PROJECT'", "end FILE", "end PROJECT"}));
    EXPECT_EQ(reader_.OpenElementCount(), 0u);
    EXPECT_EQ(Message(), "");
}

TEST_F(ReaderTest, OnlyTheExactLatin2DeclarationIsReadAsLatin1) {
    const std::string body = "<a v=\"\xE9\"/>";
    ASSERT_TRUE(Parse("l2.xml", "<?xml version=\"1.0\" encoding=\"iso-8859-2\" ?>\n" + body)) << Message();
    EXPECT_EQ(reader_.events.back(), "start a in '' v=\xC3\xA9");

    const std::string otherSpellings[] = {
        "<?xml version='1.0' encoding='iso-8859-2' ?>\n",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-2\" ?>\n",
        "<?xml version=\"1.0\" encoding=\"iso-8859-2\"?>\n",
    };
    for (const std::string& declaration : otherSpellings) {
        ClearGlobalMessage();
        EXPECT_FALSE(Parse("other.xml", declaration + body)) << declaration;
        EXPECT_TRUE(Message().ends_with("not well-formed (invalid token) [W1110]")) << Message();
    }
    // The caller's encoding applies to every other file.
    EXPECT_TRUE(Parse("latin1.xml", body, "ISO-8859-1")) << Message();
}

// Only a file that begins with the declaration is read as Latin-1: the same text inside a UTF-8
// file is text like any other.
TEST_F(ReaderTest, TheLatin2DeclarationCountsOnlyAtTheStartOfTheFile) {
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-2\" ?>";
    const std::string places[] = {
        "<a v=\"\xC3\xA9\"><!-- " + declaration + " --></a>",
        "<a v=\"\xC3\xA9\"><![CDATA[" + declaration + "]]></a>",
        "<a v=\"\xC3\xA9\"><?note " + declaration + "</a>",
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<a v=\"\xC3\xA9\"><!--" + declaration + "--></a>",
    };
    for (const std::string& text : places) {
        reader_.events.clear();
        ASSERT_TRUE(Parse("utf8.xml", text)) << text << "\n" << Message();
        ASSERT_FALSE(reader_.events.empty());
        EXPECT_TRUE(reader_.events.front().starts_with("start a in '' v=\xC3\xA9")) << reader_.events.front();
    }
}

TEST_F(ReaderTest, AttributeAccessorsReadTheElementBeingStarted) {
    struct Seen {
        std::string name, missing, defaulted;
        std::vector<int> ints, bools;
    } seen;
    reader_.onStart = [&seen](RecordingReader& r, const std::string&) {
        seen.name = r.FindAttribute("name");
        seen.missing = r.FindAttribute("none");
        seen.defaulted = r.GetAttribute("Empty", "dflt");
        for (const char* n : {"i1", "i2", "i3", "i4", "i5", "i6", "i7", "i8", "i9", "i10", "none"})
            seen.ints.push_back(r.GetAttributeInt(n, 42));
        for (const char* n : {"b1", "b0", "bt", "bf", "b2", "Empty"}) seen.bools.push_back(r.GetAttributeBool(n, 7));
    };
    ASSERT_TRUE(Parse("attrs.xml",
                      "<E Name=\"n\" Empty=\"\" i1=\"12abc\" i2=\"  -7x\" i3=\"abc\" i4=\"\" i5=\"4294967295\""
                      " i6=\"-4294967295\" i7=\"+5\" i8=\"99999999999999999999999\" i9=\"-2147483648\" i10=\"  \""
                      " b1=\"1\" b0=\"0\" bt=\"true\" bf=\"false\" b2=\"2\"/>"))
        << Message();
    EXPECT_EQ(seen.name, "n");
    EXPECT_EQ(seen.missing, "");
    EXPECT_EQ(seen.defaulted, "dflt");
    EXPECT_EQ(seen.ints, (std::vector<int>{12, -7, 0, 42, INT_MAX, INT_MIN, 5, INT_MAX, INT_MIN, 0, 42}));
    EXPECT_EQ(seen.bools, (std::vector<int>{1, 0, 7, 7, 7, 7}));
    EXPECT_EQ(reader_.FindAttribute("Name"), "");  // no element is being started now
}

// Lookups skip absent names by a hashed bit of each name and start at the first attribute of
// the asked name's bit: names that differ only in the case of letters, ASCII or not, must still
// meet, the first of two such names wins, and names of one length, one first letter or one bit
// ("ba" and "ad") stay apart. An element of ASCII names alone has none that a name with other
// letters matches.
TEST_F(ReaderTest, AttributeNamesMatchWithoutRegardToCase) {
    struct Case {
        const char* element;
        std::vector<std::pair<const char*, const char*>> lookups;
    };
    const Case cases[] = {
        {"<E ID=\"1\" iD2=\"2\" Caption=\"c\" CAPTIONS=\"cs\" N\xC3\xA9v=\"hu\" \xCE\xA9mega=\"gr\" Zz=\"z\"/>",
         {{"id", "1"}, {"ID2", "2"}, {"caption", "c"}, {"Captions", "cs"}, {"Captio", ""}, {"CaptionS_", ""},
          {"N\xC3\x89V", "hu"}, {"n\xC3\xA9v", "hu"}, {"Nev", ""}, {"\xCF\x89MEGA", "gr"}, {"zZ", "z"}, {"Z", ""},
          {"Yz", ""}, {"", ""}}},
        {"<E ba=\"1\" ad=\"2\" AD=\"3\" N\xC3\xA9v=\"4\"/>",
         {{"AD", "2"}, {"aD", "2"}, {"BA", "1"}, {"ab", ""}, {"n\xC3\xA9V", "4"}}},
        {"<E ba=\"1\" Nev=\"2\"/>", {{"n\xC3\xA9v", ""}, {"\xC3\xA9", ""}, {"NEV", "2"}}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> seen;
        reader_.onStart = [&](RecordingReader& r, const std::string&) {
            for (const auto& [name, value] : c.lookups) seen.push_back(r.FindAttribute(name));
        };
        ASSERT_TRUE(Parse("names.xml", c.element)) << Message();
        ASSERT_EQ(seen.size(), c.lookups.size());
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], c.lookups[i].second) << c.lookups[i].first;
    }
}

TEST_F(ReaderTest, LinesGoToTheAttachedLogOnlyWhenAsked) {
    reader_.LogMessage("nobody listens", true);  // no log attached: nothing happens
    MessageLog log;
    reader_.SetMessageLog(&log);
    reader_.LogMessage("Opening Project /p/a.xml", true);
    reader_.LogMessage("not logged", false);
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"Opening Project /p/a.xml"});
}
