#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/Interaction.h"
#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "platform/OutputFile.h"
#include "platform/UserFolders.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// UTF-16LE bytes of ASCII text.
std::string Wide(std::string_view ascii) {
    std::string bytes;
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

const std::string kBom = "\xFF\xFE";

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kavro_logfile_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        auto interaction = std::make_unique<ScriptedInteraction>();
        interaction_ = interaction.get();
        InstallInteraction(std::move(interaction));
        ClearGlobalMessage();
    }
    void TearDown() override {
        InstallInteraction(std::make_unique<ConsoleInteraction>());
        SetFileFaultInjector(nullptr);
        SetUserFolders({});
        ClearGlobalMessage();
        fs::remove_all(folder_);
    }
    fs::path LogPath() const { return folder_ / "Logfile.txt"; }

    fs::path folder_;
    ScriptedInteraction* interaction_ = nullptr;
};

}  // namespace

TEST_F(LogFileTest, WritesUtf16LinesWithCrLfAfterAByteOrderMark) {
    CLogFile log(LogPath());
    ASSERT_EQ(log.Open(false), 1);
    EXPECT_EQ(log.WriteLine("ab"), 1);
    EXPECT_EQ(log.WriteLine("\xC3\xA4\xF0\x9F\x98\x80"), 1);  // U+00E4 and a surrogate pair
    EXPECT_EQ(log.GetFilePath(), LogPath().string());
    EXPECT_EQ(log.Close(), 1);
    EXPECT_EQ(ReadBytes(LogPath()), kBom + std::string("a\0b\0\r\0\n\0", 8) +
                                        std::string("\xE4\0\x3D\xD8\x00\xDE\r\0\n\0", 10));
    EXPECT_TRUE(interaction_->messages.empty());
}

TEST_F(LogFileTest, AByteOrderMarkOnlyWhereTheWriteStartsTheFile) {
    const std::string old = kBom + Wide("old\r\n");
    struct Case {
        const char* name;
        std::optional<std::string> existing;
        bool append;
        std::string expected;
    };
    const Case cases[] = {
        {"new", std::nullopt, false, kBom + Wide("x\r\n")},
        {"appended, created", std::nullopt, true, kBom + Wide("x\r\n")},
        {"appended, empty", "", true, kBom + Wide("x\r\n")},
        {"appended to lines", old, true, old + Wide("x\r\n")},
        {"written anew", old, false, kBom + Wide("x\r\n")},
    };
    for (const Case& c : cases) {
        fs::remove(LogPath());
        if (c.existing) std::ofstream(LogPath(), std::ios::binary) << *c.existing;
        CLogFile log(LogPath());
        ASSERT_EQ(log.Open(c.append), 1) << c.name;
        log.WriteLine("x");
        ASSERT_EQ(log.Close(), 1) << c.name;
        EXPECT_EQ(ReadBytes(LogPath()), c.expected) << c.name;
    }
}

TEST_F(LogFileTest, AFileThatCannotBeOpenedWarnsAndWritesNothing) {
    fs::create_directories(folder_ / "Logfile.txt" / "in the way");
    const fs::path unusable[] = {folder_ / "missing" / "Logfile.txt", folder_ / "Logfile.txt", fs::path()};
    for (const fs::path& path : unusable) {
        interaction_->messages.clear();
        CLogFile log(path);
        EXPECT_EQ(log.Open(true), 0) << path;
        EXPECT_EQ(log.WriteLine("lost"), 1);
        EXPECT_EQ(log.Close(), 1);
        ASSERT_EQ(interaction_->Texts(), std::vector<std::string>{"Unable to open log file! [W0399]"}) << path;
        EXPECT_EQ(interaction_->messages[0].icon, MessageIcon::Warning);
    }
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(LogFileTest, LiesInTheLogsFolderAndNeverInTheWorkingDirectory) {
    CLogFile withoutFolders;
    EXPECT_EQ(withoutFolders.Open(false), 0);
    SetUserFolders({{}, {}, {}, folder_});
    CLogFile log;
    EXPECT_EQ(log.GetFilePath(), LogPath().string());
    EXPECT_EQ(log.Open(false), 1);
}

TEST_F(LogFileTest, AFailedWriteKeepsThePreviousLog) {
    {
        CLogFile first(LogPath());
        first.Open(false);
        first.WriteLine("kept");
    }
    std::string before = ReadBytes(LogPath());
    SetFileFaultInjector([](std::string_view step, const fs::path&) { return step != "rename"; });
    CLogFile log(LogPath());
    ASSERT_EQ(log.Open(false), 1);
    log.WriteLine("new");
    EXPECT_EQ(log.Close(), 0);
    EXPECT_EQ(interaction_->Texts(), std::vector<std::string>{"Unable to open log file! [W0399]"});
    EXPECT_EQ(ReadBytes(LogPath()), before);
}

TEST_F(LogFileTest, MessageLogSplitsTextIntoLines) {
    MessageLog log;
    std::vector<std::string> shown;
    log.SetLineListener([&](const std::string& line) { shown.push_back(line); });
    log.AddMessage("one\r\ntwo\nthree");
    log.AddMessage("");
    log.AddMessage("x\ny");  // bare line feeds keep every character
    const std::vector<std::string> expected = {"one", "two", "three", "", "x", "y"};
    EXPECT_EQ(log.Lines(), expected);
    EXPECT_EQ(shown, expected);
    log.Clear();
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(LogFileTest, SavingTheMessageLogReplacesTheFileAndSaysWhere) {
    MessageLog log;
    CLogFile file(LogPath());
    EXPECT_EQ(log.SaveToLogFile(file), 0);  // nothing to save
    EXPECT_FALSE(fs::exists(LogPath()));

    log.AddMessage("first\nsecond");
    for (int save = 0; save < 2; ++save) {
        ClearGlobalMessage();
        ASSERT_EQ(log.SaveToLogFile(file), 1);
        EXPECT_EQ(ReadBytes(LogPath()), kBom + Wide("first\r\nsecond\r\n"));
        EXPECT_EQ(GetGlobalMessageBuffer(), "Log saved to " + LogPath().string() + "! [I0024]");
    }

    CLogFile unusable(folder_ / "missing" / "Logfile.txt");
    ClearGlobalMessage();
    EXPECT_EQ(log.SaveToLogFile(unusable), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "");
}

TEST_F(LogFileTest, Utf8StringsAreWrittenAsTheyAre) {
    EXPECT_EQ(WriteUtf8String("text", nullptr), 0);
    OutputFile file(folder_ / "page.html");
    EXPECT_EQ(WriteUtf8String("a\xC3\xA4", &file), 1);
    EXPECT_EQ(WriteUtf8String("\xFF", &file), 1);
    ASSERT_TRUE(file.Commit().ok);
    EXPECT_EQ(ReadBytes(folder_ / "page.html"), "a\xC3\xA4\xEF\xBF\xBD");
}
