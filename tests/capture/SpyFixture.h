#pragma once
// The spy dialog over a scripted desktop: windows of one program laid down in a window tree,
// web pages in a page tree, a window that records what the spy asks of it, and a project.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "persistence/XMLDataManager.h"
#include "platform/HtmlTreeSource.h"
#include "platform/MessageBuffer.h"
#include "platform/WindowTreeSource.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

// The windows of the source are one program's, but for the top windows marked as this program's.
class ScriptedLocator : public WindowLocator {
public:
    static constexpr int kProcess = 4242;

    PointedWindow WindowAt(int x, int y) override {
        const WindowHandle window = source.WindowAtPoint(x, y);
        if (!window) return {};
        WindowHandle top = window;
        while (source.GetParent(top)) top = source.GetParent(top);
        if (own.contains(top)) return {.source = nullptr, .window = 0, .process = 0, .topWindow = 0, .own = true};
        return {.source = &source, .window = window, .process = kProcess, .topWindow = topWindowIds[top], .own = false};
    }
    void Forget() override { ++forgotten; }

    WindowTreeSource source;
    std::map<WindowHandle, std::uint64_t> topWindowIds;
    std::set<WindowHandle> own;
    int forgotten = 0;
};

// Records what the spy asks of its window; RunModal runs the test's steps and ends as they say.
class RecordingSpyHost : public GuiSpyHost {
public:
    void ShowMainWindow(bool show) override { calls.push_back(show ? "show main window" : "hide main window"); }
    int RunModal() override {
        calls.push_back("modal");
        return steps ? steps() : CGuiSpyDlg::kOk;
    }
    void CaptureMouse() override { calls.push_back("capture mouse"); }
    void ReleaseMouse() override { calls.push_back("release mouse"); }
    void SetCursor(SpyCursor cursor) override {
        cursor_ = cursor;
    }
    void ShowHighlight(const ScreenRect& r) override {
        calls.push_back("highlight " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                        std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    void RemoveHighlight() override { calls.push_back("remove highlight"); }
    void ShowInformation(const std::vector<std::string>& lines) override { shownLines = lines; }

    // The calls that framed or unframed a window.
    std::vector<std::string> Highlights() const {
        std::vector<std::string> highlights;
        for (const std::string& call : calls) {
            if (call.find("highlight") != std::string::npos) highlights.push_back(call);
        }
        return highlights;
    }
    SpyCursor Cursor() const { return cursor_; }

    std::function<int()> steps;
    std::vector<std::string> calls;
    std::vector<std::string> shownLines;

private:
    SpyCursor cursor_ = SpyCursor::Arrow;
};

class SpyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
    }

    CGuiSpyDlg& Spy() {
        if (!spy_) spy_ = std::make_unique<CGuiSpyDlg>(host_, locator_, pages_, project_.App(), GetGuiBuilderDatabase());
        return *spy_;
    }
    // A drag from the target image over the points, released at the last.
    void Drag(const std::vector<std::pair<int, int>>& points) {
        Spy().OnLButtonDown(true);
        for (const auto& [x, y] : points) Spy().OnMouseMove(x, y);
        Spy().OnLButtonUp();
    }
    CWindowList& Table() { return project_.App().GetWindowList(); }

    TestProject project_;
    ScriptedLocator locator_;
    HtmlTreeSource pages_;
    RecordingSpyHost host_;
    std::unique_ptr<CGuiSpyDlg> spy_;
};
