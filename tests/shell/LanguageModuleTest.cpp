#include <gtest/gtest.h>

#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"
#include "shell/LanguageModule.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ScratchFolder.h"

namespace {

const std::string kGermanLine = "{44874, \"Projektdatei '%s' fehlt! [W0874]\"},\n";

void SetLanguage(const std::string& language) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "Language", language, kRegistryText);
}

}  // namespace

TEST(MessageCatalogueFile, ReadsLinesAsTheBuiltInCatalogueWritesThem) {
    const CatalogueReading reading = ParseMessageCatalogue("// German texts\r\n\n" + kGermanLine +
                                                           "  {49048, \"Generierung \\\"fertig\\\"\\t\\\\ \\'x\\'\\r\\n\"}  \n"
                                                           "{47071,\"Datei nicht gefunden\"}");
    EXPECT_EQ(reading.faultLine, 0);
    EXPECT_EQ(reading.texts, (std::unordered_map<int, std::string>{{44874, "Projektdatei '%s' fehlt! [W0874]"},
                                                                    {49048, "Generierung \"fertig\"\t\\ 'x'\r\n"},
                                                                    {47071, "Datei nicht gefunden"}}));
}

// A text that would show other values than its message means, or stand for no message, is a
// fault of its line, and nothing of the file is kept.
TEST(MessageCatalogueFile, RefusesTextsThatCannotStandForTheirMessage) {
    const std::pair<std::string, const char*> cases[] = {
        {"{44874, \"Datei fehlt! [W0874]\"},", "a placeholder dropped"},
        {"{44874, \"Datei %d fehlt! [W0874]\"},", "another placeholder"},
        {"{44874, \"Datei '%99999999999999999999s' fehlt! [W0874]\"},", "a width"},
        {"{44874, \"Datei '%.3s' fehlt! [W0874]\"},", "a precision"},
        {"{44874, \"Datei '%-s' fehlt! [W0874]\"},", "a flag"},
        {"{45110, \"Zeile %d in %s: %s [W1110]\"},", "placeholders in another order"},
        {"{44874, \"Projektdatei '%s' fehlt!\"},", "the code dropped"},
        {"{44874, \"Projektdatei '%s' fehlt! [W0875]\"},", "another code"},
        {"{40999, \"Unbekannt\"},", "an id the program does not know"},
        {"{44874, \"Projektdatei '%s' fehlt! [W0874]\"", "the closing brace missing"},
        {"{44874 \"Projektdatei '%s' fehlt! [W0874]\"},", "the comma missing"},
        {"{, \"Text\"},", "no id"},
        {"{49048, \"offen},", "an unterminated text"},
        {"{49048, \"a\\qb\"},", "an unknown escape"},
        {"{49048, \"Fertig\"}, x", "text after the entry"},
        {"49048 Fertig", "another notation"},
    };
    for (const auto& [line, what] : cases) {
        SCOPED_TRACE(what);
        const CatalogueReading reading = ParseMessageCatalogue("{47071, \"Datei nicht gefunden\"},\n\n" + line + "\n");
        EXPECT_EQ(reading.faultLine, 3);
        EXPECT_TRUE(reading.texts.empty());
    }
    EXPECT_EQ(ParseMessageCatalogue(kGermanLine + kGermanLine).faultLine, 2) << "an id given twice";
}

// The file that ships beside the program.
TEST(MessageCatalogueFile, TheGermanCatalogueOfTheProgramReadsWithoutFault) {
    const CatalogueReading reading =
        ParseMessageCatalogue(ScratchFolder::Read(std::string(KAVRO_SOURCE_DIR) + "/shell/KavroDEU.cat"));
    EXPECT_EQ(reading.faultLine, 0);
    EXPECT_GT(reading.texts.size(), 20u);
}

class LanguageModuleTest : public ::testing::Test {
protected:
    ScratchFolder folder_;
};

TEST_F(LanguageModuleTest, GermanTakesTheCatalogueBesideTheProgram) {
    folder_.Write("KavroDEU.cat", kGermanLine);
    SetLanguage("German");
    ASSERT_EQ(LoadLanguageModule(folder_.Path()), 1);
    EXPECT_EQ(FormatMessageId(44874, "a.xml"), "Projektdatei 'a.xml' fehlt! [W0874]");
    // What the file leaves out stays English.
    EXPECT_EQ(LoadMessage(44699).substr(0, 21), "Invalid command line!");
}

TEST_F(LanguageModuleTest, AnyOtherLanguageKeepsEnglishWithoutReadingAFile) {
    for (const std::string language : {"", "german", "GERMAN", "German ", "English"}) {
        SCOPED_TRACE(language);
        SetLanguage(language);
        EXPECT_EQ(LoadLanguageModule(folder_.Path() / "nowhere"), 1);
        EXPECT_EQ(FormatMessageId(44874, "a.xml"), "Invalid command line parameter: Project file 'a.xml' not found! [W0874]");
    }
}

TEST_F(LanguageModuleTest, AMissingOrFaultyCatalogueEndsWithW1114AndKeepsEnglish) {
    SetLanguage("German");
    const std::string file = (folder_.Path() / "KavroDEU.cat").string();
    EXPECT_EQ(LoadLanguageModule(folder_.Path()), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Failed to load language DLL " + file + "! [W1114]");

    std::filesystem::create_directory(file);
    EXPECT_EQ(LoadLanguageModule(folder_.Path()), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Failed to load language DLL " + file + "! [W1114]");
    std::filesystem::remove(file);

    folder_.Write("KavroDEU.cat", kGermanLine + "{44874, \"zweimal %s [W0874]\"},\n");
    EXPECT_EQ(LoadLanguageModule(folder_.Path()), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Failed to load language DLL " + file + " (line 2)! [W1114]");
    EXPECT_EQ(LoadMessage(44874), "Invalid command line parameter: Project file '%s' not found! [W0874]");
}
