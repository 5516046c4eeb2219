// The program's views: each installs itself in the frame's document template of its kind when
// the program starts, as do the application pane and the reference picker. A new view adds its
// line here.
#include "views/flow/TaskflowViewUi.h"
#include "views/menu/MenuScrollViewUi.h"
#include "views/pane/ApplicationDlgUi.h"
#include "views/picker/WindowSelectDlgUi.h"
#include "views/testcase/TestCaseViewUi.h"
#include "views/window/DialogViewUi.h"

namespace {

[[maybe_unused]] const bool kViewsInstalled = [] {
    InstallDialogView();
    InstallTestCaseView();
    InstallMenuView();
    InstallTaskflowView();
    InstallApplicationPane();
    InstallReferencePickerDialog();
    return true;
}();

}  // namespace
