// The program's editors: every main frame shows their windows and pages.
#include "editors/FrameEditorsUi.h"

namespace {

[[maybe_unused]] const bool kEditorsInstalled = [] {
    InstallFrameEditors();
    return true;
}();

}  // namespace
