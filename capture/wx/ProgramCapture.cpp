// The program's capture dialogs: every main frame runs the window wizard and the GUI builder
// editor from its commands.
#include "capture/wx/FrameCaptureDialogsUi.h"

namespace {

[[maybe_unused]] const bool kCaptureDialogsInstalled = [] {
    InstallFrameCaptureDialogs();
    return true;
}();

}  // namespace
