// The commands the frame handles so far and their states: the window palette, the bar switches,
// the languages, the recent files, Open and the application's own commands.
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

bool CMainFrame::OnCommand(int command) {
    if (IsTestDataPageCommand(command)) {
        if (GetCommandState(command).enabled) testDataPage_->RunDataCommand(command);
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
    switch (command) {
        case command::kEnglish:
        case command::kGerman: SwitchLanguage(); return true;
        case command::kOpenProject: OpenProject(); return true;
        case command::kGenerateHtml:
            if (GetCommandState(command).enabled) HtmlDocumentationCommand()();
            return true;
        case command::kHelp:
        case command::kContextHelp: ShowHelp(kMainFrameHelpContext); return true;
        default: return false;
    }
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
    if (IsRecentFileCommand(command))
        return {!VornakMode && static_cast<std::size_t>(command - command::kRecentFile1) < recentFiles_.Size(), false};
    switch (command) {
        case command::kEnglish:
        case command::kGerman: return GetLanguageState(command);
        case command::kOpenProject: return {!VornakMode, false};
        case command::kGenerateHtml: return {IsProjectOpen() && pick_.mode == 0 && HtmlDocumentationCommand(), false};
        case command::kExit:
        case command::kPrinterSetUp:
        case command::kAbout:
        case command::kHelp:
        case command::kContextHelp: return {true, false};
        default: return {};
    }
}

// The item of the language in force is checked and disabled; the other one switches to its
// language.
CommandState CMainFrame::GetLanguageState(int command) const {
    const bool inForce = GermanInForce() == (command == command::kGerman);
    return {!inForce, inForce};
}

void CMainFrame::SwitchLanguage() {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kLanguageValue,
                        GermanInForce() ? "English" : "German", kRegistryText);
    GetInteraction().ShowMessage({LoadMessage(kLanguageChanged), LoadMessage(kLanguageSettingsCaption),
                                  MessageButtons::Ok, MessageIcon::Information});
}
