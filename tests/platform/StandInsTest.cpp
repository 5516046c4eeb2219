#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/Clipboard.h"
#include "platform/Interaction.h"
#include "platform/ObjectList.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const std::string& name) {
    fs::path dir = fs::temp_directory_path() / ("kavro_platform_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(Settings, ValuesByHiveKeyAndNameWithoutCase) {
    MemorySettings s;
    const std::string key = "SOFTWARE\\Quorvel\\KAVRO";
    EXPECT_TRUE(s.WriteNumber(SettingsHive::CurrentUser, key, "TCG_Method", 11));
    EXPECT_EQ(s.ReadNumber(SettingsHive::CurrentUser, "software\\quorvel\\kavro", "tcg_method"), 11u);
    EXPECT_FALSE(s.ReadNumber(SettingsHive::LocalMachine, key, "TCG_Method"));
    EXPECT_FALSE(s.ReadText(SettingsHive::CurrentUser, key, "TCG_Method"));  // other kind reads as absent
}

TEST(Settings, FileStoreSurvivesARestartWithAwkwardTexts) {
    fs::path dir = FreshFolder("settings");
    const std::string key = "SOFTWARE\\Quorvel\\KAVRO";
    const std::string awkward = "a=b]c\\d\r\ne\n";
    {
        FileSettings s(dir / "user" / "settings.txt", dir / "machine.txt");
        ASSERT_TRUE(s.WriteText(SettingsHive::CurrentUser, key, "Language", awkward));
        ASSERT_TRUE(s.WriteNumber(SettingsHive::LocalMachine, key, "Port", 4711));
    }
    FileSettings again(dir / "user" / "settings.txt", dir / "machine.txt");
    EXPECT_EQ(again.ReadText(SettingsHive::CurrentUser, key, "Language"), awkward);
    EXPECT_EQ(again.ReadNumber(SettingsHive::LocalMachine, key, "Port"), 4711u);
    fs::remove_all(dir);
}

// An unchanged value must not touch the disk, yet a value whose save failed must be saved by the
// next write of it, or the file would stay without it while the write reports success.
TEST(Settings, AnUnchangedValueIsNotWrittenAgainUnlessItsSaveFailed) {
    fs::path dir = FreshFolder("settings_unchanged");
    const fs::path user = dir / "user.txt";
    const std::string key = "SOFTWARE\\Quorvel\\KAVRO";
    int opens = 0;
    bool failOpen = false;
    SetFileFaultInjector([&](std::string_view step, const fs::path&) {
        if (step != "open") return true;
        ++opens;
        return !failOpen;
    });
    FileSettings s(user, dir / "machine.txt");
    EXPECT_TRUE(s.WriteText(SettingsHive::CurrentUser, key, "Format", "3"));
    EXPECT_TRUE(s.WriteText(SettingsHive::CurrentUser, key, "FORMAT", "3"));
    EXPECT_TRUE(s.WriteText(SettingsHive::CurrentUser, key, "Empty", ""));  // new, though empty
    EXPECT_EQ(opens, 2);

    failOpen = true;
    EXPECT_FALSE(s.WriteText(SettingsHive::CurrentUser, key, "Format", "4"));
    EXPECT_FALSE(s.WriteText(SettingsHive::CurrentUser, key, "Format", "4"));
    failOpen = false;
    EXPECT_TRUE(s.WriteText(SettingsHive::CurrentUser, key, "Format", "4"));
    EXPECT_EQ(opens, 5);
    SetFileFaultInjector(nullptr);
    EXPECT_EQ(FileSettings(user, dir / "machine.txt").ReadText(SettingsHive::CurrentUser, key, "Format"), "4");
    fs::remove_all(dir);
}

TEST(Settings, MissingOrMangledFileReadsAsEmpty) {
    fs::path dir = FreshFolder("settings_bad");
    std::ofstream(dir / "user.txt") << "garbage\n[key\nname=X:1\nn=N:12abc\n=T:\n";
    FileSettings s(dir / "user.txt", dir / "none.txt");
    EXPECT_FALSE(s.ReadNumber(SettingsHive::CurrentUser, "", "n"));
    EXPECT_FALSE(s.ReadText(SettingsHive::LocalMachine, "k", "v"));
    fs::remove_all(dir);
}

TEST(AtomicFile, ReplacesTheFileWhole) {
    fs::path dir = FreshFolder("atomic");
    fs::path target = dir / "project.xml";
    ASSERT_TRUE(WriteFileAtomically(target, "first").ok);
    ASSERT_TRUE(WriteFileAtomically(target, "second").ok);
    EXPECT_EQ(ReadAll(target), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(AtomicFile, AFailedStepLeavesTheOldFileAndNoTemporary) {
    fs::path dir = FreshFolder("atomic_fail");
    fs::path target = dir / "project.xml";
    ASSERT_TRUE(WriteFileAtomically(target, "old content").ok);
    for (const char* step : {"open", "write", "sync", "close", "rename"}) {
        SetFileFaultInjector([&](std::string_view s, const fs::path&) { return s != step; });
        FileWriteResult r = WriteFileAtomically(target, "new content");
        SetFileFaultInjector(nullptr);
        EXPECT_FALSE(r.ok) << step;
        EXPECT_FALSE(r.error.empty()) << step;
        EXPECT_EQ(ReadAll(target), "old content") << step;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << step;
    }
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.xml", "x").ok);
    fs::remove_all(dir);
}

TEST(Interaction, ScriptedAnswersInOrderThenTheDefault) {
    ScriptedInteraction s;
    s.answers = {MessageAnswer::No};
    EXPECT_EQ(s.Ask("first?", MessageButtons::YesNo, MessageAnswer::Yes), MessageAnswer::No);
    EXPECT_EQ(s.Ask("second?", MessageButtons::YesNo, MessageAnswer::Yes), MessageAnswer::Yes);
    s.Inform("done");
    EXPECT_EQ(s.Texts(), (std::vector<std::string>{"first?", "second?", "done"}));
    s.paths = {std::string("/tmp/a.xml")};
    EXPECT_EQ(s.AskForPath({}), "/tmp/a.xml");
    EXPECT_EQ(s.AskForPath({}), std::nullopt);
}

TEST(Clipboard, OnlyTheWritingProcessGetsTheObjectBack) {
    int object = 5;
    PutClipboardObject("CF_KAVRO_TASK_COPY", &object);
    EXPECT_EQ(GetClipboardObject("CF_KAVRO_TASK_COPY"), &object);
    EXPECT_EQ(GetClipboardObject("CF_KAVRO_TASK_CUT"), nullptr);
    SetClipboardText("CF_KAVRO_TASK_COPY", "1:12345");  // another process
    EXPECT_EQ(GetClipboardObject("CF_KAVRO_TASK_COPY"), nullptr);
    SetClipboardText("CF_KAVRO_TASK_COPY", "garbage");
    EXPECT_EQ(GetClipboardObject("CF_KAVRO_TASK_COPY"), nullptr);
    ClearClipboard();
    EXPECT_EQ(GetClipboardText("CF_KAVRO_TASK_COPY"), "");
}

TEST(Paths, SafeFileNamesStayInsideTheirFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"Login", "Login"}, {"a/b", "a_b"},   {"a\\b", "a_b"}, {"..", "_"},
        {".", "_"},         {"", "_"},        {"x\ty", "x_y"}, {std::string("n\0ul", 4), "n_ul"},
        {"../../etc", ".._.._etc"},
    };
    for (const auto& [name, safe] : cases) EXPECT_EQ(MakeSafeFileName(name), safe) << name;
}

TEST(Paths, StoredPathsResolveAgainstTheNamingFile) {
    EXPECT_EQ(ResolveStoredPath("lib\\Lib.xml", "/p/main/Proj.xml"), fs::path("/p/main/lib/Lib.xml"));
    EXPECT_EQ(ResolveStoredPath("../Lib.xml", "/p/main/Proj.xml"), fs::path("/p/Lib.xml"));
    EXPECT_EQ(ResolveStoredPath("/abs/Lib.xml", "/p/main/Proj.xml"), fs::path("/abs/Lib.xml"));
    EXPECT_EQ(ResolveStoredPath("C:\\x\\Lib.xml", "/p/Proj.xml"), fs::path("C:/x/Lib.xml"));
}

namespace {
struct Counted {
    explicit Counted(int& alive) : alive_(alive) { ++alive_; }
    ~Counted() { --alive_; }
    int& alive_;
};
}  // namespace

TEST(OwningList, OwnsWhatItHoldsUntilReleased) {
    int alive = 0;
    Counted* kept = nullptr;
    {
        OwningList<Counted> list;
        Counted* a = list.Add(new Counted(alive));
        list.Add(new Counted(alive));
        kept = list.InsertAt(0, new Counted(alive));
        EXPECT_EQ(list.IndexOf(kept), 0);
        EXPECT_TRUE(list.Release(kept));
        EXPECT_FALSE(list.Release(kept));
        EXPECT_TRUE(list.Delete(a));
        EXPECT_EQ(alive, 2);
        OwningList<Counted> moved = std::move(list);
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(moved.size(), 1u);
    }
    EXPECT_EQ(alive, 1);
    delete kept;
    EXPECT_EQ(alive, 0);
}
