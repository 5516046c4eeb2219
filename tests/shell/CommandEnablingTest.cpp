// The one enabling function of the frame, row by row: whether a command can be given in a
// situation, and its check mark. Commands whose part a later folder installs are disabled
// until it is there.
#include <gtest/gtest.h>

#include <functional>

#include "model/ShellServices.h"
#include "platform/Registry.h"
#include "shell/CommandIds.h"
#include "CommandFixture.h"

namespace {

class CommandEnablingTest;

struct EnablingRow {
    const char* name;
    std::function<void(CommandEnablingTest&)> setup;
    int command;
    CommandState expected;
};

class CommandEnablingTest : public CommandFixture, public ::testing::WithParamInterface<EnablingRow> {
public:

    CMainFrame& Frame() { return frame_; }
    FrameServices& Services() { return frame_.Services(); }
    void SetPickMode(int mode) { frame_.Pick().mode = mode; }
    void SetOutputFormat(int format) { Project().SetOutputFormat(format); }
    void SetLanguage(const char* language) {
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "Language", language, kRegistryText);
    }
    // The parts installed as doubles that do nothing.
    void InstallParts() {
        FrameServices& services = frame_.Services();
        services.run.generateTestCases = [](CWindowKav*, CTransitionKav*, CTaskKav*) {};
        services.run.convertTestCases = [](CWindowKav*, CTaskKav*) { return 1; };
        services.run.selectTestCase = [](CWindowKav*, CStepKav*, CTaskKav*, const std::vector<CTestCase*>&) {};
        services.run.setRepositoryOptions = [](int, MessageLog&) { return 1; };
        services.editors.editMetaConditions = [] {};
        services.editors.editParameters = [](OwningList<CAttributeKav>&, int, bool, const std::string&) { return 0; };
        services.capture.runGuiSpy = [] { return std::vector<CWindowKav*>{}; };
        services.capture.editGuiBuilders = [] {};
        services.capture.runWindowWizard = [] { return static_cast<CWindowKav*>(nullptr); };
        services.importers.javaGuiInfo = [] {};
        services.importers.importUftRepository = [](const std::string&, MessageLog&) { return 1; };
        services.importers.importProjectData = [](const std::string&, MessageLog&) { return 1; };
        services.importers.xmiModelData = [] {};
    }
    FakeView& View(PaneKind kind, CKavroObj* object) { return ActiveView(kind, object); }
    CWindowKav* WindowNamed(const std::string& name) { return Window(name); }
};

TEST_P(CommandEnablingTest, FollowsItsRow) {
    const EnablingRow& row = GetParam();
    row.setup(*this);
    EXPECT_EQ(frame_.GetCommandState(row.command), row.expected);
}

using Fixture = CommandEnablingTest;
constexpr CommandState kOff{false, false};
constexpr CommandState kOn{true, false};
constexpr CommandState kChecked{true, true};
constexpr CommandState kCheckedOff{false, true};

void Nothing(Fixture&) {}

// Each part-dependent command: disabled without its part, enabled with it.
std::vector<EnablingRow> PartRows() {
    const struct {
        const char* name;
        int command;
    } commands[] = {
        {"GenerateTestCases", command::kGenerateTestCases},   {"ConvertTestCases", command::kConvertTestCases},
        {"ViewTestCases", command::kViewTestCases},           {"MetaConditionEditor", command::kMetaConditionEditor},
        {"AttributesEditor", command::kAttributesEditor},     {"UserDefinedFields", command::kUserDefinedFields},
        {"GuiSpy", command::kGuiSpy},                         {"GuiBuilderEditor", command::kGuiBuilderEditor},
        {"WindowWizard", command::kWindowWizard},             {"ImportJavaGui", command::kImportJavaGui},
        {"ImportUftRepository", command::kImportUftRepository}, {"ImportProjectData", command::kImportProjectData},
        {"ImportXmi", command::kImportXmi},                   {"InitializeRepositoryOptions", command::kInitializeRepositoryOptions},
    };
    std::vector<EnablingRow> rows;
    for (const auto& c : commands) {
        rows.push_back({c.name, Nothing, c.command, kOff});
        rows.push_back({c.name, [](Fixture& f) { f.InstallParts(); }, c.command, kOn});
        rows.push_back({c.name, [](Fixture& f) {
                             f.InstallParts();
                             f.SetPickMode(4);
                         },
                        c.command, kOff});
    }
    return rows;
}

std::vector<EnablingRow> Rows() {
    std::vector<EnablingRow> rows = {
        {"NewTransitionWhileItsPickWaits", [](Fixture& f) { f.SetPickMode(1); }, command::kNewTransition, kChecked},
        {"NewTransitionInAWindowView",
         [](Fixture& f) {
             f.Services().editors.editStep = [](CStepKav&, bool, CTaskKav*) { return 1; };
             f.View(PaneKind::WindowView, f.WindowNamed("Insurance"));
         },
         command::kNewTransition, kOn},
        {"NewTransitionWhileAnObjectIsAssigned",
         [](Fixture& f) {
             f.Services().editors.editStep = [](CStepKav&, bool, CTaskKav*) { return 1; };
             f.View(PaneKind::WindowView, f.WindowNamed("Insurance"));
             f.SetPickMode(6);
         },
         command::kNewTransition, kOff},
        {"UndoAfterAChange", [](Fixture& f) { f.Frame().SetModified("Create Window"); }, command::kUndo, kOn},
        {"UndoWhileAPickWaits",
         [](Fixture& f) {
             f.Frame().SetModified("Create Window");
             f.SetPickMode(1);
         },
         command::kUndo, kOff},
        {"RanorexRepositoryNever", [](Fixture& f) { f.InstallParts(); }, command::kImportRanorexRepository, kOff},
        {"OpenOutsideVornakMode", Nothing, command::kOpenProject, kOn},
        {"OpenInVornakMode", [](Fixture&) { VornakMode = true; }, command::kOpenProject, kOff},
        {"ProjectDataInVornakModeWithoutPermission",
         [](Fixture& f) {
             f.InstallParts();
             VornakMode = true;
         },
         command::kImportProjectData, kOff},
        {"SortByUftClassForOtherFormats", Nothing, command::kSortByUftClass, kOff},
        {"SortByUftClassForUft", [](Fixture& f) { f.SetOutputFormat(7); }, command::kSortByUftClass, kOn},
        {"SortByName", Nothing, command::kSortByName, kOn},
        {"SortByTypeWhileAPickWaits", [](Fixture& f) { f.SetPickMode(2); }, command::kSortByType, kOff},
        {"EsaObjectMapsForOtherFormats", Nothing, command::kExportEsaObjectMaps, kOff},
        {"EsaObjectMapsForEsa", [](Fixture& f) { f.SetOutputFormat(14); }, command::kExportEsaObjectMaps, kOn},
        {"EnglishWhileEnglish", Nothing, command::kEnglish, kCheckedOff},
        {"GermanWhileEnglish", Nothing, command::kGerman, kOn},
        {"EnglishWhileGerman", [](Fixture& f) { f.SetLanguage("German"); }, command::kEnglish, kOn},
        {"GermanWhileGerman", [](Fixture& f) { f.SetLanguage("German"); }, command::kGerman, kCheckedOff},
        {"ShowTransitionsByTheViewMode", Nothing, command::kShowTransitions, kChecked},
        {"ShowCoverageByTheViewMode", Nothing, command::kShowCoverage, kOn},
        {"VerticalDiagramsByTheViewMode", Nothing, command::kVerticalDiagrams, kOn},
        {"ShowStepInfoWhileAPickWaits", [](Fixture& f) { f.SetPickMode(8); }, command::kShowStepInfo, kCheckedOff},
        {"ShowLoadErrorsWithoutErrors", Nothing, command::kShowLoadErrors, kOff},
        {"DeleteAllTestCases", Nothing, command::kDeleteAllTestCases, kOn},
        {"ConnectStepsWhileItsPickWaits", [](Fixture& f) { f.SetPickMode(5); }, command::kConnectSteps, kChecked},
        {"AssignWhileATestCaseViewWaits", [](Fixture& f) { f.SetPickMode(7); }, command::kAssignObject, kChecked},
        {"WindowBuildingBlockWhileItsPickWaits", [](Fixture& f) { f.SetPickMode(8); },
         command::kCreateWindowBuildingBlock, kChecked},
        {"WindowBuildingBlockOutsideEsa",
         [](Fixture& f) { f.View(PaneKind::WindowView, f.WindowNamed("Insurance")).selectedControls = {f.WindowNamed("Age")}; },
         command::kCreateWindowBuildingBlock, kOff},
        {"CutWhileACutWaits", [](Fixture& f) { f.SetPickMode(9); }, command::kCut, kOn},
        {"CopyWithNothingSelected", Nothing, command::kCopy, kOff},
        {"PasteWithAnEmptyClipboard",
         [](Fixture& f) { f.View(PaneKind::TaskFlowView, f.Frame().Root().GetRootTask()); }, command::kPaste, kOff},
        {"NewStepInAFlowWithoutSelection",
         [](Fixture& f) { f.View(PaneKind::TaskFlowView, f.Frame().Root().FindTask("CalculatePremiums", false)); },
         command::kNewStep, kOff},
        {"NewMenuItemOutsideAMenuView", Nothing, command::kNewMenuItem, kOff},
        {"SearchReferencesInAnEmptyPane", Nothing, command::kSearchReferences, kOn},
        {"SearchObjectWithoutTheSearchDialogs", Nothing, command::kSearchObject, kOff},
    };
    for (EnablingRow& row : PartRows()) rows.push_back(std::move(row));
    return rows;
}

std::string RowName(const ::testing::TestParamInfo<EnablingRow>& info) {
    return std::string(info.param.name) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandEnablingTest, ::testing::ValuesIn(Rows()), RowName);

}  // namespace
