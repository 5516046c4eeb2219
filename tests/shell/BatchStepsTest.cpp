#include <gtest/gtest.h>

#include "conversion/framework/OutputFormats.h"
#include "generation/TestCaseGenerator.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/Registry.h"
#include "shell/BatchSteps.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

class BatchStepsTest : public ProjectTest {
protected:
    std::vector<std::string> Warnings() const {
        std::vector<std::string> texts;
        for (const MessageRequest& message : TestInteraction().messages) {
            EXPECT_EQ(message.icon, MessageIcon::Warning) << message.text;
            texts.push_back(message.text);
        }
        return texts;
    }

    CWindowKav* AddUsableWindow(const std::string& name, CWindowKav* parent = nullptr) {
        CWindowKav* window = project.AddWindow(name, parent, parent ? kWndPushButton : kWndDialogBox);
        window->SetVisible(true);
        return window;
    }
};

}  // namespace

TEST_F(BatchStepsTest, PairsSetGlobalAttributesInOrderAndWarnAboutNamesThatNameNothing) {
    CAttributeKav* a = project.AddAttribute("A");
    CAttributeKav* b = project.AddAttribute("B");
    AddUsableWindow("Main1");
    ApplyNameValuePairs({{":A", "1"}, {":Missing", "x"}, {":B", "x=y"}, {"Main1", "ignored"}, {":A", "2"}});
    EXPECT_EQ(a->GetValue(), "2");
    EXPECT_EQ(b->GetValue(), "x=y");
    EXPECT_EQ(Warnings(), (std::vector<std::string>{
                              "Invalid Designator: No attribute with name 'Missing' existing! [W0749]",
                          }));
}

TEST_F(BatchStepsTest, AStartWindowMustBeATopLevelWindowThatIsVisibleAndEnabled) {
    CWindowKav* previous = AddUsableWindow("Previous");
    CWindowKav* dialog = AddUsableWindow("Dialog");
    AddUsableWindow("Button", dialog);
    project.AddWindow("Hidden", nullptr, kWndDialogBox);
    AddUsableWindow("Disabled")->SetEnabled(false);
    app.SetStartWindow(previous);

    const std::pair<const char*, const char*> refused[] = {
        {"Nowhere", "is not existing! [W0985]"},
        {"Button", "has a parent! [W0986]"},
        {"Hidden", "must be visible and enabled! [W0987]"},
        {"Disabled", "must be visible and enabled! [W0987]"},
    };
    for (const auto& [name, reason] : refused) {
        TestInteraction().messages.clear();
        EXPECT_EQ(SetStartWindowFromCommandLine(name), 0);
        EXPECT_EQ(Warnings(), std::vector<std::string>{std::string("Invalid command line!\nThe start window '") +
                                                       name + "' specified with the -w option " + reason});
        EXPECT_EQ(app.GetStartWindow(), previous);
    }
    TestInteraction().messages.clear();
    EXPECT_EQ(SetStartWindowFromCommandLine("dialog"), 1);
    EXPECT_EQ(app.GetStartWindow(), dialog);
    EXPECT_TRUE(Warnings().empty());
}

namespace {

// Records the request it was given and answers with the result set.
class RecordingGenerator : public TestCaseGenerator {
public:
    RecordingGenerator(std::vector<GenerationRequest>& requests, int result) : requests_(requests), result_(result) {}
    int Generate(const GenerationRequest& request, Progress&, int& count) override {
        requests_.push_back(request);
        count = 0;
        if (result_ != kGenerationSuccess) SetGlobalMessage("no way through");
        return result_;
    }

private:
    std::vector<GenerationRequest>& requests_;
    int result_;
};

class LogLines : public ProgressObserver {
public:
    void OnLogLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace

TEST_F(BatchStepsTest, GenerationCoversTheWholeProjectWithTheBatchRandomSettings) {
    std::vector<GenerationRequest> requests;
    int result = kGenerationSuccess;
    GeneratorTable generators;
    generators.taskBased = [&] { return std::make_unique<RecordingGenerator>(requests, result); };
    generators.random = generators.taskBased;
    LogLines log;

    EXPECT_EQ(GenerateInBatch(64, &log, generators), 1);
    ASSERT_EQ(requests.size(), 1u);
    const GenerationRequest& request = requests[0];
    EXPECT_EQ(request.project, &app);
    EXPECT_EQ(request.window, nullptr);
    EXPECT_EQ(request.transition, nullptr);
    EXPECT_EQ(request.task, nullptr);
    EXPECT_EQ(request.methodCode, 64);
    EXPECT_EQ(request.random, (RandomTestSettings{.goal = 1, .percentage = 100, .iterations = 70, .maxTestCases = 3,
                                                  .maxLength = 100, .timeout = 0, .method = 1, .dfsDepth = 6}));
    EXPECT_EQ(log.lines.back(), "Generation Completed");
    EXPECT_TRUE(TestInteraction().messages.empty());

    result = kGenerationFailed;
    EXPECT_EQ(GenerateInBatch(2, &log, generators), 0);
    EXPECT_EQ(requests.back().methodCode, 2);
    EXPECT_EQ(log.lines.back(), "Generation Stopped");
    EXPECT_EQ(Warnings(), std::vector<std::string>{"no way through"});
}

namespace {

// A converter of one exchange file that notes the format it was made for.
class FormatRecorder : public CTestcaseConverter {
public:
    int ExportFile(ExchangeExport& request) override {
        outputs.push_back(request.output.string());
        return 1;
    }
    static inline std::vector<std::string> outputs;
};

}  // namespace

// The line's format, else the one stored by the last conversion (1 to 14), else the project's.
TEST_F(BatchStepsTest, ConversionTakesTheLinesFormatFirstAndItsScriptPathOnce) {
    std::vector<int> made;
    const ConverterTable converters = {{{kFormatSilkTest, kFormatPlainText, kFormatTestPartner, kFormatUft},
                                        ConversionRoad::ExchangeFile,
                                        [&](const ConverterSettings& settings) {
                                            made.push_back(settings.format);
                                            return std::make_unique<FormatRecorder>();
                                        }}};
    app.SetOutputFormat(kFormatUft);
    const struct {
        int line;
        const char* stored;
        int used;
    } cases[] = {{kFormatPlainText, "5", kFormatPlainText}, {0, "5", kFormatTestPartner}, {0, "1", kFormatSilkTest},
                 {0, "abc", kFormatUft},                   {0, "15", kFormatUft}};
    for (const auto& c : cases) {
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCC_OUTPUT_FORMAT", c.stored,
                            kRegistryText);
        GetCommandLineSettings().outputFormat = c.line;
        made.clear();
        EXPECT_EQ(ConvertInBatch(nullptr, converters), 1);
        EXPECT_EQ(made, std::vector<int>{c.used}) << c.line << " " << c.stored;
    }

    FormatRecorder::outputs.clear();
    GetCommandLineSettings().scriptPath = "/given/scripts";
    EXPECT_EQ(ConvertInBatch(nullptr, converters), 1);
    EXPECT_EQ(FormatRecorder::outputs, std::vector<std::string>{"/given/scripts"});
    EXPECT_EQ(GetCommandLineSettings().scriptPath, "");

    // A format that no converter serves fails the step after its message.
    GetCommandLineSettings().outputFormat = kFormatWinRunner;
    EXPECT_EQ(ConvertInBatch(nullptr, converters), 0);
    EXPECT_NE(Warnings().back().find("No converter serves the output format 8"), std::string::npos);
}

// The object maps go below the folder of the line; a failure is a warning only.
TEST_F(BatchStepsTest, TheExportWritesTheObjectMapsAndWarnsWhenItCannot) {
    ScratchFolder folder;
    AddUsableWindow("Login")->SetSmurfValue("application", "Shop", nullptr, false);
    EXPECT_EQ(ExportSmurfInBatch((folder.Path() / "maps").string()), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "maps" / "Shop" / "TestObjects.xml"));
    EXPECT_TRUE(Warnings().empty());

    const std::string blocked = folder.Write("blocked", "a file");
    EXPECT_EQ(ExportSmurfInBatch(blocked), 0);
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_NE(Warnings()[0].find(blocked), std::string::npos) << Warnings()[0];
}
