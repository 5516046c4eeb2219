// The program's command "Generate HTML Documentation", shown by the toolkit's window.
#include "docs/HTMLDlg.h"
#include "shell/HtmlDocumentation.h"

namespace {

[[maybe_unused]] const bool kDocumentationInstalled = [] {
    InstallHtmlDocumentation(MakeHtmlGeneratorWindow, nullptr);
    return true;
}();

}  // namespace
