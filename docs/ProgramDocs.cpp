// The program's command "Generate HTML Documentation", shown by the toolkit's window, with the
// pictures of the frame's views.
#include "docs/DocumentationPictures.h"
#include "docs/HTMLDlg.h"
#include "shell/HtmlDocumentation.h"
#include "views/pictures/ViewPicturesUi.h"

namespace {

[[maybe_unused]] const bool kDocumentationInstalled = [] {
    InstallHtmlDocumentation(MakeHtmlGeneratorWindow, [] {
        return std::make_unique<RenderedPictures>(
            RenderedPictures::Renderers{RenderWindowPng, RenderTaskFlowPng, RenderTestCasePng});
    });
    return true;
}();

}  // namespace
