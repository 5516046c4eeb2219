// Part of the program kavro itself: every main frame runs the Java-GUI Info command, and the
// trees it adds get their recognition tags from the editors and show on the Windows page.
#include "import/java/JavaGuiImport.h"
#include "import/java/JavaGuiInfoCommand.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"

namespace {

void GiveFrameTheJavaImport(CMainFrame& frame, wxWindow*) {
    frame.Services().importers.javaGuiInfo = [&frame] {
        if (RunJavaGuiInfoCommand()) frame.UpdateControlBars(PaneKind::WindowsPage);
    };
    SetJavaImportHooks({[&frame](CWindowKav& root) {
                            const auto& generate = frame.Services().editors.generateWindowTags;
                            return generate ? generate(root) : 1;
                        },
                        [&frame](CWindowKav& root) { frame.OnNewControl(&root); }});
}

[[maybe_unused]] const bool kJavaImportInstalled = [] {
    InstallFrameParts("import/java", GiveFrameTheJavaImport);
    return true;
}();

}  // namespace
