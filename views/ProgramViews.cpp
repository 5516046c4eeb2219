// The program's views: each installs itself in the frame's document template of its kind when
// the program starts. A new view adds its line here.
#include "views/flow/TaskflowViewUi.h"
#include "views/menu/MenuScrollViewUi.h"
#include "views/testcase/TestCaseViewUi.h"
#include "views/window/DialogViewUi.h"

namespace {

[[maybe_unused]] const bool kViewsInstalled = [] {
    InstallDialogView();
    InstallTestCaseView();
    InstallMenuView();
    InstallTaskflowView();
    return true;
}();

}  // namespace
