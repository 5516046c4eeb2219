#include <gtest/gtest.h>
#include <unistd.h>

#include "model/FileKav.h"
#include "PersistenceFixture.h"
#include "RecordingReader.h"
#include "WrittenFiles.h"

namespace fs = std::filesystem;

namespace {

class FileAccessTest : public PersistenceTest {
protected:
    // Writes a project file whose body is one PROJECT element with the given name.
    bool SaveWithName(const fs::path& path, const std::string& name) {
        std::string used;
        if (!reader_.OpenProjectFile(path.string(), true, used)) return false;
        CXMLInterface& xml = reader_.Builder();
        xml.SetDocument();
        xml.AppendElement("PROJECT", "");
        xml.SetAttribute("Name", name);
        std::string unused;
        reader_.FlushDocument(true, unused);
        return reader_.WriteFooter(true);
    }

    RecordingReader reader_;
};

}  // namespace

TEST_F(FileAccessTest, AMissingFileDeclinedGivesW0857) {
    const std::string path = (folder_ / "missing.xml").string();
    interaction_->answers = {MessageAnswer::No};
    CFileKav file("", path, path);
    EXPECT_FALSE(reader_.ParseFile(&file, "UTF-8", CXMLDataManager::StandardHandlers()));
    EXPECT_EQ(Message(), "Could not open file '" + path + "' for reading! [W0857]");
    ASSERT_EQ(interaction_->messages.size(), 1u);
    EXPECT_EQ(interaction_->messages[0].text,
              "File '" + path + "' not found!\nDo you want to search for the correct path? [Q0049]");
    EXPECT_EQ(interaction_->messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(interaction_->messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(interaction_->pathRequests.empty());
}

TEST_F(FileAccessTest, AFileLocatedElsewhereIsReadAndTheEntryTakesItsPath) {
    const std::string missing = (folder_ / "old" / "Lib.xml").string();
    const std::string moved = WriteFile("new/Lib.xml", "<KAVRO_DATA/>");
    const std::string stillMissing = (folder_ / "nowhere.xml").string();
    // The first choice is missing as well: the question comes again, for the new path.
    interaction_->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    interaction_->paths = {stillMissing, moved};

    CFileKav file("Lib", "old/Lib.xml", missing);
    const fs::path workingDirectory = fs::current_path();
    ASSERT_TRUE(reader_.ParseFile(&file, "UTF-8", CXMLDataManager::StandardHandlers())) << Message();
    EXPECT_EQ(file.GetFullPath(), moved);
    EXPECT_EQ(file.GetPath(), moved);
    EXPECT_EQ(reader_.events, std::vector<std::string>{"start KAVRO_DATA in ''"});

    ASSERT_EQ(interaction_->pathRequests.size(), 2u);
    const FileDialogRequest& dialog = interaction_->pathRequests[0];
    EXPECT_EQ(dialog.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(dialog.title, "Open File");
    EXPECT_EQ(dialog.filter, "XML Files (*.xml)|*.xml|All files (*.*)|*.*||");
    EXPECT_EQ(dialog.initialPath, missing);
    EXPECT_EQ(interaction_->messages[1].text,
              "File '" + stillMissing + "' not found!\nDo you want to search for the correct path? [Q0049]");
    EXPECT_EQ(fs::current_path(), workingDirectory);  // never changed: paths resolve against files
}

TEST_F(FileAccessTest, ACancelledDialogOrAFolderGivesW0857) {
    const std::string missing = (folder_ / "gone.xml").string();
    interaction_->answers = {MessageAnswer::Yes};
    std::string used;
    EXPECT_FALSE(reader_.OpenProjectFile(missing, false, used));
    EXPECT_EQ(Message(), "Could not open file '" + missing + "' for reading! [W0857]");

    EXPECT_FALSE(reader_.OpenProjectFile(folder_.string(), false, used));
    EXPECT_EQ(Message(), "Could not open file '" + folder_.string() + "' for reading! [W0857]");
}

TEST_F(FileAccessTest, AnUnreadableFileGivesW0882) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the super-user";
    const std::string path = WriteFile("locked.xml", "<a/>");
    fs::permissions(path, fs::perms::none);
    std::string used;
    EXPECT_FALSE(reader_.OpenProjectFile(path, false, used));
    EXPECT_EQ(Message(), "Cannot open file '" + path + "': Access denied! [W0882]");
}

TEST_F(FileAccessTest, AWrittenFileHasTheRootTagsAndLoadsAgain) {
    const fs::path path = folder_ / "Demo.xml";
    ASSERT_TRUE(SaveWithName(path, "Demo")) << Message();
    EXPECT_EQ(ReadFile(path), kWrittenHeader + "<PROJECT Name=\"Demo\"/>\r\n" + kWrittenFooter);

    CFileKav file("", path.string(), path.string());
    ASSERT_TRUE(reader_.ParseFile(&file, "UTF-8", CXMLDataManager::StandardHandlers())) << Message();
    EXPECT_EQ(reader_.events.back(), "start PROJECT in 'KAVRO_DATA' Name=Demo");
}

// Whatever a value holds, the file written must load again and give back the value, up to the
// characters that XML cannot carry.
TEST_F(FileAccessTest, AnyValueWrittenReadsBack) {
    std::string everyByte, everyByteRead;
    for (int c = 1; c < 256; ++c) {
        everyByte += static_cast<char>(c);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            everyByteRead += ' ';
        else if (c < 0x80)
            everyByteRead += static_cast<char>(c);
        else
            everyByteRead += "\xEF\xBF\xBD";  // each byte above 0x7F alone is invalid UTF-8
    }
    const std::pair<std::string, std::string> cases[] = {
        {"<![CDATA[x", "<![CDATA[x"},
        {"<![CDATA[a]]>", "<![CDATA[a]]>"},
        {"q\"a'<>&\r\n\tz", "q\"a'<>&\r\n\tz"},
        {std::string("nul\0bell\a", 9), "nul bell "},
        {"\xEF\xBF\xBE\xF0\x9F\x98\x80", " \xF0\x9F\x98\x80"},
        {everyByte, everyByteRead},
    };
    for (const auto& [value, expected] : cases) {
        const fs::path path = folder_ / "values.xml";
        ASSERT_TRUE(SaveWithName(path, value)) << Message();
        reader_.events.clear();
        CFileKav file("", path.string(), path.string());
        ASSERT_TRUE(reader_.ParseFile(&file, "UTF-8", CXMLDataManager::StandardHandlers())) << Message();
        EXPECT_EQ(reader_.events.back(), "start PROJECT in 'KAVRO_DATA' Name=" + expected);
    }
}

TEST_F(FileAccessTest, WritingIntoAMissingFolderGivesW0856AndCreatesNothing) {
    const fs::path path = folder_ / "no" / "such" / "P.xml";
    std::string used;
    EXPECT_FALSE(reader_.OpenProjectFile(path.string(), true, used));
    EXPECT_EQ(Message(), "Could not open file '" + path.string() + "' for writing! [W0856]");
    EXPECT_FALSE(fs::exists(folder_ / "no"));
}

TEST_F(FileAccessTest, AFailedOrAbandonedWriteLeavesThePreviousFile) {
    const fs::path path = folder_ / "P.xml";
    ASSERT_TRUE(SaveWithName(path, "first"));
    const std::string before = ReadFile(path);

    SetFileFaultInjector([](std::string_view step, const fs::path&) { return step != "rename"; });
    EXPECT_FALSE(SaveWithName(path, "second"));
    EXPECT_EQ(Message(), "Could not open file '" + path.string() + "' for writing! [W0856]");
    SetFileFaultInjector(nullptr);
    EXPECT_EQ(ReadFile(path), before);

    std::string used;
    ASSERT_TRUE(reader_.OpenProjectFile(path.string(), true, used));
    reader_.Builder().AppendElement("PROJECT", "");
    EXPECT_TRUE(reader_.WriteFooter(false));
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileAccessTest, AWriteProtectedFolderGivesW0881) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the super-user";
    const fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    std::string used;
    EXPECT_FALSE(reader_.OpenProjectFile((locked / "P.xml").string(), true, used));
    EXPECT_EQ(Message(), "Can not write file '" + (locked / "P.xml").string() + "': Access denied! [W0881]");
    fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(FileAccessTest, TextModeCollectsTheElementsWithoutTheRootTags) {
    CXMLInterface& xml = reader_.Builder();
    std::string out = "kept ";
    xml.AppendElement("PROJECT", "");
    reader_.FlushDocument(false, out);
    xml.AppendElement("REQ", "");
    reader_.FlushDocument(false, out);
    EXPECT_EQ(out, "kept <PROJECT/>\r\n<REQ/>\r\n");
    EXPECT_EQ(xml.GetDocumentText(), "");
}
