#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "generation/TCGRun.h"
#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "model/TransitionKav.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// Stands for a generator family: reports through the progress as the real ones do.
struct FakeBehaviour {
    int result = kGenerationSuccess;
    int count = 0;
    int failures = 0;          // elements counted as failed
    std::string message;       // left in the global message buffer
    bool stopsWhenAsked = false;
    int calls = 0;
    GeneratorFamily lastFamily{};
    GenerationRequest lastRequest;
};

class FakeGenerator : public TestCaseGenerator {
public:
    FakeGenerator(FakeBehaviour& behaviour, GeneratorFamily family) : behaviour_(behaviour), family_(family) {}
    int Generate(const GenerationRequest& request, Progress& progress, int& count) override {
        ++behaviour_.calls;
        behaviour_.lastFamily = family_;
        behaviour_.lastRequest = request;
        progress.SetTotal(3);
        progress.StepCompleted();
        for (int i = 0; i < behaviour_.failures; ++i) progress.StepFailed();
        count = behaviour_.count;
        if (behaviour_.stopsWhenAsked && progress.ShouldStop()) return kGenerationStopped;
        if (!behaviour_.message.empty()) SetGlobalMessage(behaviour_.message);
        return behaviour_.result;
    }

private:
    FakeBehaviour& behaviour_;
    GeneratorFamily family_;
};

class TCGRunTest : public ProjectTest {
protected:
    GeneratorTable Fakes() {
        auto factory = [this](GeneratorFamily family) {
            return [this, family] { return std::make_unique<FakeGenerator>(fake, family); };
        };
        return {factory(GeneratorFamily::TaskBased), factory(GeneratorFamily::Transition),
                factory(GeneratorFamily::Random)};
    }
    // A run of the method code over the whole project, whose conditions all parse.
    std::unique_ptr<CTCGRun> MakeRun(int code, bool autoClose = false) {
        auto run = std::make_unique<CTCGRun>(Fakes(), [this] { return conditionCheck(); });
        GenerationRequest request;
        request.project = &app;
        request.methodCode = code;
        run->SetParameters(request, autoClose);
        return run;
    }

    FakeBehaviour fake;
    std::function<int()> conditionCheck = [] { return 1; };
};

}  // namespace

TEST_F(TCGRunTest, EachMethodCodeAnnouncesItselfAndReportsTheNumberGenerated) {
    struct Case {
        int code;
        GeneratorFamily family;
        Lines log;
    };
    const Case cases[] = {
        {1, GeneratorFamily::TaskBased, {"Generating a single test case", "2 TASK Test Case(s) Generated!"}},
        {2, GeneratorFamily::TaskBased, {"Step coverage selected", "2 TASK Test Case(s) Generated!"}},
        {4, GeneratorFamily::TaskBased, {"Connection coverage selected", "2 TASK Test Case(s) Generated!"}},
        {8, GeneratorFamily::TaskBased, {"Covering all valid data records", "2 TASK Test Case(s) Generated!"}},
        {16, GeneratorFamily::TaskBased, {"Covering all invalid data records", "2 TASK Test Case(s) Generated!"}},
        {24, GeneratorFamily::TaskBased,
         {"Covering all valid and invalid data records", "2 TASK Test Case(s) Generated!"}},
        {32, GeneratorFamily::Transition, {"2 TRANSITION Test Case(s) Generated!"}},
        {64, GeneratorFamily::Random, {"2 Random Test Case(s) Generated!"}},
    };
    fake.count = 2;
    for (const Case& c : cases) {
        auto run = MakeRun(c.code);
        EXPECT_EQ(run->Run(), kGenerationSuccess);
        Lines expected = c.log;
        expected.push_back("Generation Completed");
        EXPECT_EQ(run->GetProgress().Log().Lines(), expected) << c.code;
        EXPECT_EQ(fake.lastFamily, c.family) << c.code;
        EXPECT_EQ(fake.lastRequest.methodCode, c.code);
        EXPECT_TRUE(run->Succeeded());
        EXPECT_EQ(run->GetProgress().Counts().completed, 1);
    }
}

TEST_F(TCGRunTest, TheOldTaskModeAnnouncesTheTaskGraphForGraphCoverageOnly) {
    app.SetOldTaskMode(1);
    auto graph = MakeRun(2);
    graph->Run();
    EXPECT_EQ(graph->GetProgress().Log().Lines()[1], "Initializing task graph");
    auto data = MakeRun(8);
    data->Run();
    EXPECT_EQ(data->GetProgress().Log().Lines()[1], "0 TASK Test Case(s) Generated!");
}

TEST_F(TCGRunTest, AFailureLogsTheGeneratorsMessageInsteadOfTheCount) {
    struct Case {
        int code;
        int result;
        Lines log;
    };
    const Case cases[] = {
        {1, kGenerationFailed, {"Generating a single test case", "No path", "Generation Stopped"}},
        {32, kGenerationFatal, {"No path", "Generation Stopped"}},
        {64, kGenerationFatal, {"Random Test Generation failed", "No path", "Generation Stopped"}},
    };
    for (const Case& c : cases) {
        fake.result = c.result;
        fake.message = "No path";
        auto run = MakeRun(c.code, true);
        EXPECT_EQ(run->Run(), c.result);
        EXPECT_EQ(run->GetProgress().Log().Lines(), c.log) << c.code;
        EXPECT_TRUE(run->IsFinished());
        EXPECT_FALSE(run->Succeeded());
        // A failed batch run ends too, rather than wait for someone to close its window.
        EXPECT_TRUE(run->ClosesByItself());
    }
}

// The run completes when an element fails, as the log says, but it has not succeeded.
TEST_F(TCGRunTest, ARunWithAFailedElementCompletesWithoutSucceeding) {
    fake.count = 1;
    fake.failures = 1;
    auto run = MakeRun(2, true);
    EXPECT_EQ(run->Run(), kGenerationSuccess);
    EXPECT_EQ(run->GetProgress().Log().Lines(),
              (Lines{"Step coverage selected", "1 TASK Test Case(s) Generated!", "Generation Completed"}));
    EXPECT_TRUE(run->ClosesByItself());
    EXPECT_FALSE(run->Succeeded());
}

TEST_F(TCGRunTest, AConditionThatDoesNotParseEndsTheRunBeforeAnyGenerator) {
    conditionCheck = [] {
        EXPECT_EQ(GetGlobalMessageBuffer(), "");  // the check starts on a clean buffer
        SetGlobalMessage("Syntax error in 'Main:$Exist =' [W0100]");
        return 0;
    };
    SetGlobalMessage("left over");
    auto run = MakeRun(1, true);
    EXPECT_EQ(run->Run(), kGenerationFatal);
    EXPECT_EQ(run->GetProgress().Log().Lines(),
              (Lines{"Condition Error: Syntax error in 'Main:$Exist =' [W0100]", "Generation Stopped"}));
    EXPECT_EQ(fake.calls, 0);
    EXPECT_TRUE(run->IsFinished());
    EXPECT_FALSE(run->Succeeded());
    EXPECT_TRUE(run->ClosesByItself());
}

TEST_F(TCGRunTest, AStopRequestEndsTheRunKeepingWhatWasGenerated) {
    fake.stopsWhenAsked = true;
    fake.count = 1;
    auto run = MakeRun(2);
    run->Stop();  // as the Stop button does while the generator runs
    EXPECT_EQ(run->Run(), kGenerationStopped);
    EXPECT_EQ(run->GetProgress().Log().Lines(),
              (Lines{"Step coverage selected", "1 TASK Test Case(s) Generated!", "Generation Stopped by User"}));
    EXPECT_TRUE(run->IsFinished());
    EXPECT_FALSE(run->Succeeded());
    EXPECT_FALSE(run->ClosesByItself());  // an interactive window stays for the user to read
}

TEST_F(TCGRunTest, ACodeWithoutMethodGeneratesNothingAndARunHappensOnce) {
    auto run = MakeRun(0);
    EXPECT_FALSE(run->IsFinished());
    EXPECT_EQ(run->Run(), kGenerationSuccess);
    EXPECT_EQ(run->GetProgress().Log().Lines(), Lines{"Generation Completed"});
    EXPECT_EQ(run->Run(), kGenerationSuccess);
    EXPECT_EQ(run->GetProgress().Log().Lines().size(), 1u);

    auto twice = MakeRun(1);
    twice->Run();
    twice->Run();
    EXPECT_EQ(fake.calls, 1);
}

TEST_F(TCGRunTest, AFamilyWithoutGeneratorFailsInsteadOfSucceedingSilently) {
    GeneratorTable table = Fakes();
    table.random = nullptr;
    CTCGRun run(table, [] { return 1; });
    run.SetParameters({&app, nullptr, nullptr, nullptr, 64, {}}, true);
    EXPECT_EQ(run.Run(), kGenerationFatal);
    EXPECT_EQ(run.GetProgress().Log().Lines(),
              (Lines{"Fatal Error: No generator for method code 64!", "Generation Stopped"}));
}

TEST_F(TCGRunTest, TheSavedLogIsAppendedToTheSharedLogFile) {
    fs::path folder = fs::temp_directory_path() / ("kavro_tcgrun_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::path path = folder / "Logfile.txt";
    auto bytes = [&] {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    auto wide = [](std::string_view ascii) {
        std::string out;
        for (char c : ascii) out += {c, '\0'};
        return out;
    };

    auto run = MakeRun(0);
    CLogFile file(path);
    EXPECT_EQ(run->SaveLog(file), 0);  // nothing logged yet
    EXPECT_FALSE(fs::exists(path));

    run->Run();
    ASSERT_EQ(run->SaveLog(file), 1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Log saved to " + path.string() + "! [I0010]");
    ASSERT_EQ(run->SaveLog(file), 1);
    const std::string line = wide("Generation Completed\r\n");
    EXPECT_EQ(bytes(), "\xFF\xFE" + line + line);  // the mark only where the file began
    fs::remove_all(folder);
}

TEST_F(TCGRunTest, TheProgramsRunChecksTheConditionsAndCoversTheTask) {
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = AddStep(*task, "Start");
    AddStepAfter(*task, "Work", {start})->SetDescription("Work");
    CTCGRun run;
    run.SetParameters({&app, nullptr, nullptr, task, 2, {}}, true);
    EXPECT_EQ(run.Run(), kGenerationSuccess);
    EXPECT_EQ(run.GetProgress().Log().Lines(),
              (Lines{"Step coverage selected", "Generating test cases for task 'T' and children",
                     "Generating test cases for task 'T'", "Test case 'T_001' generated",
                     "1 TASK Test Case(s) Generated!", "Generation Completed"}));
    EXPECT_EQ(app.GetTestCases().size(), 1u);

    CTransitionKav* bad = project.AddTransition(project.AddWindow("Main"), "Bad");
    bad->GetConditions().Add(new CConditionKav("c", "#Foo# = 1"));
    CTCGRun checked;
    checked.SetParameters({&app, nullptr, nullptr, task, 2, {}}, true);
    EXPECT_EQ(checked.Run(), kGenerationFatal);
    const Lines& log = checked.GetProgress().Log().Lines();
    ASSERT_EQ(log.size(), 3u);  // the check's message spans two lines
    EXPECT_TRUE(log[0].starts_with("Condition Error: In Transition 'Bad' from 'Main'")) << log[0];
    EXPECT_TRUE(log[1].ends_with("[W1129]")) << log[1];
    EXPECT_EQ(log[2], "Generation Stopped");
}
