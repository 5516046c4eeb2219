// The program's GUI spy: every main frame records windows of a running application over the
// live desktop, the captures getting the recognition tags of the project's test tool.
#include "capture/wx/GuiSpyDlgUi.h"
#include "conversion/framework/TagGeneration.h"
#include "shell/wx/MainFrameUi.h"

namespace {

void GiveFrameTheGuiSpy(CMainFrame& frame, wxWindow* window) {
    frame.Services().capture.runGuiSpy = [&frame, window]() -> std::vector<CWindowKav*> {
        CApplicationKav& root = frame.Root();
        const TagGenerator tags = [&root](int format, CWindowKav* captured) {
            return GenerateWindowTags(root, format, captured, 0) == 1;
        };
        CWindowKav* captured = RunGuiSpy(window, root, tags);
        if (!captured) return {};
        return {captured};
    };
}

[[maybe_unused]] const bool kGuiSpyInstalled = [] {
    InstallFrameParts("gui-spy", GiveFrameTheGuiSpy);
    return true;
}();

}  // namespace
