#include "DocsFixture.h"

#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/AtomicFile.h"
#include "resources/ProgramLogo.h"

namespace {

std::string WithLineFeeds(std::string text) {
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

}  // namespace

std::string PageContent(const std::string& page) {
    const std::string body = "vlink=\"#990066\">\r\n";
    const size_t start = page.find(body);
    const size_t end = page.find("<A href=\"KAVRO_Title.htm\">");
    if (start == std::string::npos || end == std::string::npos) return "(not a page)";
    return WithLineFeeds(page.substr(start + body.size(), end - start - body.size()));
}

std::vector<std::string> PageLines(const std::string& page) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = page.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(page.substr(from, at - from));
    if (from < page.size()) lines.push_back(page.substr(from));
    return lines;
}

PictureResult FakePictures::SaveWindowPicture(CWindowKav& window, const std::filesystem::path& file) {
    return Save("window " + window.GetName(), file);
}

PictureResult FakePictures::SaveTaskFlowPicture(CTaskKav& task, const std::filesystem::path& file) {
    return Save("task " + task.GetName(), file);
}

PictureResult FakePictures::SaveTestCasePicture(CTestCase& testCase, const std::filesystem::path& file) {
    return Save("test case " + testCase.GetDisplayName(), file);
}

PictureResult FakePictures::Save(const std::string& request, const std::filesystem::path& file) {
    requests.push_back(request + " " + file.filename().string());
    if (result == PictureResult::Saved) WriteFileAtomically(file, ProgramLogoPng());
    return result;
}
