#include "ConversionFixture.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/CommandLineSettings.h"
#include "platform/UserFolders.h"
#include "tests/support/GoldenFiles.h"

void ConversionTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("kavro_conversion_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
               std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    UserFolders folders;
    folders.scripts = Scripts();
    SetUserFolders(folders);
    app.SetName("Demo");
    root_ = project.AddTask("Root", nullptr, kTaskFolder);
    app.SetRootTask(root_);
}

void ConversionTest::TearDown() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

CTestStep* ConversionTest::AddStep(CTestCase* testCase, const std::string& name, CWindowKav* window,
                                   const std::string& description, const std::string& expected) {
    return testCase->GetSteps().Add(new CTestStep(name, "", "", description, "", expected, window, window, 0, 2, "",
                                                  nullptr, testCase->GetTask(), nullptr, ""));
}

CTestStep* ConversionTest::AddEventStep(CTestCase* testCase, const std::string& name, CWindowKav* window,
                                        const std::string& event, const std::string& description) {
    CTestStep* step = AddStep(testCase, name, window, description);
    step->SetEvent(event);
    return step;
}

CTestCase* ConversionTest::AddTaskTestCase(CTaskKav* task, int number, int steps, int kind) {
    CTestCase* testCase = project.AddTestCase(number, kind, task);
    for (int i = 1; i <= steps; ++i) AddStep(testCase, task->GetName() + " step " + std::to_string(i));
    return testCase;
}

CWindowKav* ConversionTest::AddCaptionedWindow(const std::string& name, CWindowKav* parent, int type) {
    CWindowKav* window = project.AddWindow(name, parent, type);
    window->SetHasCaption(true);
    return window;
}

void ConversionTest::InstallFixedClock() {
    auto clock = std::make_unique<FixedClock>();
    clock->local = {2024, 5, 17, 9, 30, 0};
    InstallClock(std::move(clock));
}

void ConversionTest::GenerateTags(int format) {
    const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), format);
    ASSERT_TRUE(entry && entry->generateTags) << format;
    for (CWindowKav* window : app.GetWindowList().Snapshot())
        if (!window->GetParent()) entry->generateTags(*window, 0);
}

void ConversionTest::ConvertInBatch(int format) {
    GetCommandLineSettings().outputFormat = format;
    CTestcaseConverterDlg().ConvertTestCases(nullptr, nullptr, true);
}

void ConversionTest::ExpectOutsideReaderAccepts(const std::string& reader, const std::filesystem::path& folder) {
    const std::string script = std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/" + reader;
    EXPECT_EQ(std::system(("python3 '" + script + "' '" + folder.string() + "'").c_str()), 0) << reader;
}

std::string ConversionTest::ReadBytes(const std::filesystem::path& path) { return ReadFileBytes(path); }

std::string ConversionTest::ReadUtf16(const std::filesystem::path& path) {
    const std::string bytes = ReadFileBytes(path);
    if (bytes.compare(0, 2, "\xFF\xFE") != 0) {
        ADD_FAILURE() << path << " does not start with the UTF-16 byte-order mark";
        return {};
    }
    return ReadableText(bytes);
}

std::vector<std::string> ConversionTest::FilesBelow(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(folder).string());
    std::sort(files.begin(), files.end());
    return files;
}
