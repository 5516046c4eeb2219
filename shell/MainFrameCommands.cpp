// The commands the frame handles and the one place that says whether each can be given: the
// window palette, the bar switches, the recent files, the pages' own commands, and the table of
// the frame's own commands with their handlers and states.
#include <iterator>

#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/FrameBars.h"
#include "shell/Help.h"
#include "shell/HtmlDocumentation.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kLanguageChanged = 42032;        // [I0032]
constexpr int kLanguageSettingsCaption = 47241;

const PaletteButton* FindPaletteButton(int command) {
    for (const PaletteButton& button : kPaletteButtons)
        if (button.command == command) return &button;
    return nullptr;
}

struct BarSwitch {
    int command;
    FrameBar bar;
};

constexpr BarSwitch kBarSwitches[] = {
    {command::kWorkspace, FrameBar::Application},       {command::kGeneralToolBar, FrameBar::General},
    {command::kEditorToolBar, FrameBar::Editors},       {command::kDrawToolBar, FrameBar::Drawing},
    {command::kWindowToolBar, FrameBar::WindowPalette},
};

const BarSwitch* FindBarSwitch(int command) {
    for (const BarSwitch& entry : kBarSwitches)
        if (entry.command == command) return &entry;
    return nullptr;
}

const std::string kLanguageValue = "Language";

// The language module loads only for the exact text "German"; every other value keeps English.
bool GermanInForce() {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kLanguageValue) == "German";
}

bool IsRecentFileCommand(int command) {
    return command >= command::kRecentFile1 &&
           command < command::kRecentFile1 + static_cast<int>(CMainFrame::kRecentFileCount);
}

// The Test Data page carries these out on its own selection.
constexpr int kTestDataPageCommands[] = {command::kNewDataSet,          command::kNewDataField,
                                         command::kPropertiesEditor,    command::kDelete,
                                         command::kGenerateDataRecords, command::kImportTestData};

}  // namespace

void CMainFrame::SelectWindowTool(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kPaletteButtons))) return;
    OnCommand(kPaletteButtons[index].command);
}

bool CMainFrame::IsTestDataPageCommand(int command) const {
    if (!testDataPage_) return false;
    // The import works on the page's selection from whichever pane is active.
    if (command == command::kImportTestData) return true;
    if (GetActivePane().kind != PaneKind::TestDataPage) return false;
    for (int pageCommand : kTestDataPageCommands)
        if (pageCommand == command) return true;
    return false;
}

bool CMainFrame::IsRequirementsPageCommand(int command) const {
    const bool requirementCommand = command == command::kNewRequirement || command == command::kPropertiesEditor;
    return requirementCommand && requirementsPage_ && GetActivePane().kind == PaneKind::RequirementsPage;
}

const CMainFrame::FrameCommand* CMainFrame::FindFrameCommand(int command) {
    // Exit, Printer Set-up and About are the window's own; the frame only answers their state.
    static const FrameCommand kCommands[] = {
        // Project
        {command::kNewProject, &CMainFrame::RunNewProject, &CMainFrame::NewProjectState},
        {command::kOpenProject, &CMainFrame::OpenProject, &CMainFrame::OpenProjectState},
        {command::kSaveProject, &CMainFrame::SaveProject, &CMainFrame::SaveProjectState},
        {command::kSaveProjectAs, &CMainFrame::SaveProjectAs, &CMainFrame::SaveProjectState},
        {command::kCloseProject, &CMainFrame::CloseProjectCommand, &CMainFrame::ProjectOpenState},
        {command::kProjectProperties, &CMainFrame::EditProjectProperties, &CMainFrame::ProjectPropertiesState},
        {command::kExit, nullptr, &CMainFrame::Enabled},
        {command::kPrinterSetUp, nullptr, &CMainFrame::Enabled},
        // Edit
        {command::kUndo, &CMainFrame::Undo, &CMainFrame::UndoState},
        {command::kRedo, &CMainFrame::Redo, &CMainFrame::RedoState},
        {command::kCut, &CMainFrame::Cut, &CMainFrame::CutState},
        {command::kCopy, &CMainFrame::Copy, &CMainFrame::CopyState},
        {command::kPaste, &CMainFrame::Paste, &CMainFrame::PasteState},
        {command::kDelete, &CMainFrame::Delete, &CMainFrame::DeleteState},
        {command::kDeleteAllTestCases, &CMainFrame::DeleteAllTestCases, &CMainFrame::OpenAndIdleState},
        {command::kSearchObject, &CMainFrame::SearchObject, &CMainFrame::SearchObjectState},
        {command::kSearchReferences, &CMainFrame::SearchReferences, &CMainFrame::SearchReferencesState},
        // View
        {command::kShowTransitions, &CMainFrame::ShowTransitions, &CMainFrame::ShowTransitionsState},
        {command::kShowCoverage, &CMainFrame::ShowCoverage, &CMainFrame::ShowCoverageState},
        {command::kShowGrandchildren, &CMainFrame::ShowGrandchildren, &CMainFrame::ShowGrandchildrenState},
        {command::kShowStepInfo, &CMainFrame::ShowStepInfo, &CMainFrame::ShowStepInfoState},
        {command::kVerticalDiagrams, &CMainFrame::VerticalDiagrams, &CMainFrame::VerticalDiagramsState},
        {command::kShowInTaskTree, &CMainFrame::ShowInTaskTree, &CMainFrame::ShowInTaskTreeState},
        {command::kShowInWindowTree, &CMainFrame::ShowInWindowTree, &CMainFrame::ShowInWindowTreeState},
        {command::kShowLoadErrors, &CMainFrame::ShowLoadErrors, &CMainFrame::ShowLoadErrorsState},
        {command::kSortByName, &CMainFrame::SortByName, &CMainFrame::SortState},
        {command::kSortByType, &CMainFrame::SortByType, &CMainFrame::SortState},
        {command::kSortByUftClass, &CMainFrame::SortByUftClass, &CMainFrame::SortByUftClassState},
        {command::kEnglish, &CMainFrame::SwitchLanguage, &CMainFrame::EnglishState},
        {command::kGerman, &CMainFrame::SwitchLanguage, &CMainFrame::GermanState},
        // Windows
        {command::kWindowEditor, &CMainFrame::WindowEditor, &CMainFrame::WindowEditorState},
        {command::kMenuEditor, &CMainFrame::MenuEditor, &CMainFrame::MenuEditorState},
        {command::kWindowWizard, &CMainFrame::WindowWizard, &CMainFrame::WindowWizardState},
        {command::kNewMenu, &CMainFrame::NewMenu, &CMainFrame::NewMenuState},
        {command::kNewMenuItem, &CMainFrame::NewMenuItem, &CMainFrame::NewMenuItemState},
        {command::kChangeWindowType, &CMainFrame::ChangeWindowType, &CMainFrame::ChangeWindowTypeState},
        {command::kReplaceWindow, &CMainFrame::ReplaceWindow, &CMainFrame::ReplaceWindowState},
        {command::kSetStartWindow, &CMainFrame::SetStartWindow, &CMainFrame::SetStartWindowState},
        {command::kGenerateWindowTags, &CMainFrame::GenerateWindowTags, &CMainFrame::GenerateWindowTagsState},
        {command::kNewTransition, &CMainFrame::NewTransition, &CMainFrame::NewTransitionState},
        {command::kRedirectTransition, &CMainFrame::RedirectTransitionCommand, &CMainFrame::RedirectTransitionState},
        {command::kCreateWindowBuildingBlock, &CMainFrame::CreateWindowBuildingBlock,
         &CMainFrame::CreateWindowBuildingBlockState},
        // Tasks
        {command::kNewTask, &CMainFrame::NewTask, &CMainFrame::NewTaskState},
        {command::kNewBuildingBlock, &CMainFrame::NewBuildingBlock, &CMainFrame::NewBuildingBlockState},
        {command::kNewFolder, &CMainFrame::NewFolder, &CMainFrame::NewFolderState},
        {command::kTaskFlowEditor, &CMainFrame::TaskFlowEditor, &CMainFrame::TaskFlowEditorState},
        {command::kNewStep, &CMainFrame::NewStep, &CMainFrame::NewStepState},
        {command::kEditStep, &CMainFrame::EditSelectedStep, &CMainFrame::EditStepState},
        {command::kConnectSteps, &CMainFrame::ConnectSteps, &CMainFrame::ConnectStepsState},
        {command::kAssignObject, &CMainFrame::AssignObjectToStep, &CMainFrame::AssignObjectState},
        // Editors
        {command::kAttributesEditor, &CMainFrame::AttributesEditor, &CMainFrame::AttributesEditorState},
        {command::kPropertiesEditor, &CMainFrame::PropertiesEditor, &CMainFrame::PropertiesEditorState},
        {command::kMetaConditionEditor, &CMainFrame::MetaConditionEditor, &CMainFrame::MetaConditionEditorState},
        {command::kUserDefinedFields, &CMainFrame::UserDefinedFields, &CMainFrame::UserDefinedFieldsState},
        {command::kGuiBuilderEditor, &CMainFrame::GuiBuilderEditor, &CMainFrame::GuiBuilderEditorState},
        {command::kGuiSpy, &CMainFrame::GuiSpy, &CMainFrame::GuiSpyState},
        // Generation and conversion
        {command::kGenerateTestCases, &CMainFrame::GenerateTestCases, &CMainFrame::GenerateTestCasesState},
        {command::kConvertTestCases, &CMainFrame::ConvertTestCases, &CMainFrame::ConvertTestCasesState},
        {command::kViewTestCases, &CMainFrame::ViewTestCases, &CMainFrame::ViewTestCasesState},
        {command::kGenerateHtml, &CMainFrame::GenerateHtmlDocumentation, &CMainFrame::HtmlDocumentationState},
        {command::kInitializeRepositoryOptions, &CMainFrame::InitializeRepositoryOptions,
         &CMainFrame::RepositoryOptionsState},
        {command::kResetRepositoryOptions, &CMainFrame::ResetRepositoryOptions, &CMainFrame::RepositoryOptionsState},
        // Imports and the export
        {command::kImportJavaGui, &CMainFrame::ImportJavaGui, &CMainFrame::ImportJavaGuiState},
        {command::kImportProjectData, &CMainFrame::ImportProjectData, &CMainFrame::ImportProjectDataState},
        {command::kImportUftRepository, &CMainFrame::ImportUftRepository, &CMainFrame::ImportUftRepositoryState},
        // The Ranorex repository import is on the menu but never offered.
        {command::kImportRanorexRepository, nullptr, &CMainFrame::Never},
        {command::kImportXmi, &CMainFrame::ImportXmi, &CMainFrame::ImportXmiState},
        {command::kExportEsaObjectMaps, &CMainFrame::ExportEsaObjectMaps, &CMainFrame::ExportEsaObjectMapsState},
        // Help
        {command::kHelp, &CMainFrame::ShowFrameHelp, &CMainFrame::Enabled},
        {command::kContextHelp, &CMainFrame::ShowFrameHelp, &CMainFrame::Enabled},
        {command::kAbout, nullptr, &CMainFrame::Enabled},
    };
    for (const FrameCommand& entry : kCommands)
        if (entry.command == command) return &entry;
    return nullptr;
}

bool CMainFrame::OnCommand(int command) {
    if (IsTestDataPageCommand(command)) {
        if (GetCommandState(command).enabled) testDataPage_->RunDataCommand(command);
        return true;
    }
    if (IsRequirementsPageCommand(command)) {
        if (GetCommandState(command).enabled) requirementsPage_->RunRequirementCommand(command);
        return true;
    }
    if (const PaletteButton* button = FindPaletteButton(command)) {
        drawingTool_ = button->tool;
        RefreshAll();
        return true;
    }
    if (const BarSwitch* entry = FindBarSwitch(command)) {
        window_.ShowBar(entry->bar, !window_.IsBarShown(entry->bar));
        return true;
    }
    if (IsRecentFileCommand(command)) {
        OpenRecentFile(static_cast<std::size_t>(command - command::kRecentFile1));
        return true;
    }
    const FrameCommand* entry = FindFrameCommand(command);
    if (!entry || !entry->run) return false;
    // A command that its state refuses is not given (a key or a stale menu may still send it).
    if ((this->*entry->state)().enabled) (this->*entry->run)();
    return true;
}

CommandState CMainFrame::GetCommandState(int command) const {
    if (IsClosed()) return {};
    if (const PaletteButton* button = FindPaletteButton(command)) return {true, button->tool == drawingTool_};
    if (const BarSwitch* entry = FindBarSwitch(command)) {
        bool enabled = true;
        if (entry->bar == FrameBar::WindowPalette) {
            const FrameView* active = window_.GetActiveView();
            enabled = active && active->Kind() == PaneKind::WindowView && pick_.mode != 6 && pick_.mode != 7 &&
                      pick_.mode != 8;
        }
        return {enabled, window_.IsBarShown(entry->bar)};
    }
    if (IsTestDataPageCommand(command)) {
        // The import needs an open project only; a pending pick leaves it open.
        const bool allowed = command == command::kImportTestData ? IsProjectOpen() : pick_.mode == 0;
        return {allowed && testDataPage_->IsDataCommandEnabled(command), false};
    }
    if (IsRequirementsPageCommand(command))
        return {pick_.mode == 0 && requirementsPage_->IsRequirementCommandEnabled(command), false};
    if (IsRecentFileCommand(command))
        return {!VornakMode && static_cast<std::size_t>(command - command::kRecentFile1) < recentFiles_.Size(), false};
    if (const FrameCommand* entry = FindFrameCommand(command)) return (this->*entry->state)();
    return {};
}

void CMainFrame::GenerateHtmlDocumentation() { HtmlDocumentationCommand()(); }

void CMainFrame::CloseProjectCommand() {
    // VORNAK started the program for this project: closing it ends the program.
    if (VornakMode) window_.RequestFrameClose();
    else CloseProject(true);
}

void CMainFrame::ShowFrameHelp() { ::ShowHelp(kMainFrameHelpContext); }

// The item of the language in force is checked and disabled; the other one switches to its
// language.
CommandState CMainFrame::GetLanguageState(bool german) const {
    const bool inForce = GermanInForce() == german;
    return {!inForce, inForce};
}

void CMainFrame::SwitchLanguage() {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kLanguageValue,
                        GermanInForce() ? "English" : "German", kRegistryText);
    GetInteraction().ShowMessage({LoadMessage(kLanguageChanged), LoadMessage(kLanguageSettingsCaption),
                                  MessageButtons::Ok, MessageIcon::Information});
}
