// The commands the frame handles and their states: the window palette, the bar switches, the
// recent files, and the table of the frame's own commands (project, undo, languages, help).
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

}  // namespace

void CMainFrame::SelectWindowTool(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kPaletteButtons))) return;
    OnCommand(kPaletteButtons[index].command);
}

bool CMainFrame::IsTestDataPageCommand(int command) const {
    const bool dataCommand = command == command::kNewDataSet || command == command::kNewDataField ||
                             command == command::kPropertiesEditor || command == command::kDelete;
    return dataCommand && testDataPage_ && GetActivePane().kind == PaneKind::TestDataPage;
}

bool CMainFrame::IsRequirementsPageCommand(int command) const {
    const bool requirementCommand = command == command::kNewRequirement || command == command::kPropertiesEditor;
    return requirementCommand && requirementsPage_ && GetActivePane().kind == PaneKind::RequirementsPage;
}

const CMainFrame::FrameCommand* CMainFrame::FindFrameCommand(int command) {
    // Exit, Printer Set-up and About are the window's own; the frame only answers their state.
    static const FrameCommand kCommands[] = {
        {command::kNewProject, &CMainFrame::RunNewProject, &CMainFrame::NewProjectState},
        {command::kOpenProject, &CMainFrame::OpenProject, &CMainFrame::OpenProjectState},
        {command::kSaveProject, &CMainFrame::SaveProject, &CMainFrame::SaveProjectState},
        {command::kSaveProjectAs, &CMainFrame::SaveProjectAs, &CMainFrame::SaveProjectState},
        {command::kCloseProject, &CMainFrame::CloseProjectCommand, &CMainFrame::ProjectOpenState},
        {command::kProjectProperties, &CMainFrame::EditProjectProperties, &CMainFrame::ProjectPropertiesState},
        {command::kUndo, &CMainFrame::Undo, &CMainFrame::UndoState},
        {command::kRedo, &CMainFrame::Redo, &CMainFrame::RedoState},
        {command::kGenerateHtml, &CMainFrame::GenerateHtmlDocumentation, &CMainFrame::HtmlDocumentationState},
        {command::kEnglish, &CMainFrame::SwitchLanguage, &CMainFrame::EnglishState},
        {command::kGerman, &CMainFrame::SwitchLanguage, &CMainFrame::GermanState},
        {command::kHelp, &CMainFrame::ShowFrameHelp, &CMainFrame::Enabled},
        {command::kContextHelp, &CMainFrame::ShowFrameHelp, &CMainFrame::Enabled},
        {command::kExit, nullptr, &CMainFrame::Enabled},
        {command::kPrinterSetUp, nullptr, &CMainFrame::Enabled},
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
    if (IsTestDataPageCommand(command)) return {pick_.mode == 0 && testDataPage_->IsDataCommandEnabled(command), false};
    if (IsRequirementsPageCommand(command))
        return {pick_.mode == 0 && requirementsPage_->IsRequirementCommandEnabled(command), false};
    if (IsRecentFileCommand(command))
        return {!VornakMode && static_cast<std::size_t>(command - command::kRecentFile1) < recentFiles_.Size(), false};
    if (const FrameCommand* entry = FindFrameCommand(command)) return (this->*entry->state)();
    return {};
}

// New needs the project dialog, which edits the new project.
CommandState CMainFrame::NewProjectState() const { return {static_cast<bool>(projectDialog_), false}; }

CommandState CMainFrame::OpenProjectState() const { return {!VornakMode, false}; }

// In VORNAK mode the interface must be active, or lost (then the project can still be saved).
CommandState CMainFrame::SaveProjectState() const {
    const bool interfaceReady = !VornakMode || (vornak_ && (vornak_->GetState() == 1 || vornak_->IsConnectionLost()));
    return {IsProjectOpen() && interfaceReady, false};
}

CommandState CMainFrame::ProjectOpenState() const { return {IsProjectOpen(), false}; }

// The dialog, or in VORNAK mode the interface that asks for the libraries first.
CommandState CMainFrame::ProjectPropertiesState() const {
    const bool editor = VornakMode ? static_cast<bool>(vornak_) : static_cast<bool>(projectDialog_);
    return {IsProjectOpen() && editor, false};
}

CommandState CMainFrame::UndoState() const { return {pick_.mode == 0 && undo_.CanUndo(), false}; }

CommandState CMainFrame::RedoState() const { return {pick_.mode == 0 && undo_.CanRedo(), false}; }

void CMainFrame::GenerateHtmlDocumentation() { HtmlDocumentationCommand()(); }

// The documentation installs its command when the program starts.
CommandState CMainFrame::HtmlDocumentationState() const {
    return {IsProjectOpen() && pick_.mode == 0 && static_cast<bool>(HtmlDocumentationCommand()), false};
}

void CMainFrame::CloseProjectCommand() {
    // VORNAK started the program for this project: closing it ends the program.
    if (VornakMode) window_.RequestFrameClose();
    else CloseProject(true);
}

void CMainFrame::ShowFrameHelp() { ShowHelp(kMainFrameHelpContext); }

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
