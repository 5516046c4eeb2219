// The main program of GUI test executables: wxWidgets is started once, when the tests run (not
// when CTest only lists them), on an X server of the process's own (on $DISPLAY when
// KAVRO_SHARED_DISPLAY is set, to watch the tests, or when no Xvfb can be started).
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/log.h>

#include "tests/support/gui/PrivateDisplay.h"

// LeakSanitizer reads this at start-up: GTK, GLib and fontconfig keep caches and one-time
// allocations until the process ends, none of them ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void FailOnWxAssert(const wxString& file, int line, const wxString& function,
                    const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line) << "wxWidgets assertion in " << function.utf8_str()
                                           << ": " << condition.utf8_str() << " "
                                           << message.utf8_str();
}

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static char program[] = "gui_tests";
        static char* argv[] = {program, nullptr};
        int argc = 1;
        // No accessibility bus: it is not there under Xvfb, and looking for it is slow.
        setenv("NO_AT_BRIDGE", "1", 0);
        std::string why;
        if (!std::getenv("KAVRO_SHARED_DISPLAY") && !display_.Start(why))
            std::fprintf(stderr, "GUI tests run on $DISPLAY: %s\n", why.c_str());
        wxApp::SetInstance(new GuiTestApp);
        ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display: run the GUI tests under xvfb-run";
        ASSERT_TRUE(wxTheApp->CallOnInit());
        // An assertion fails the test instead of opening a dialog; log messages go to stderr
        // instead of message boxes.
        wxSetAssertHandler(FailOnWxAssert);
        delete wxLog::SetActiveTarget(new wxLogStderr);
        wxImage::AddHandler(new wxPNGHandler);
        loop_ = new wxEventLoop;
        wxEventLoopBase::SetActive(loop_);
    }

    void TearDown() override {
        if (!wxTheApp) return;
        wxEventLoopBase::SetActive(nullptr);
        delete loop_;
        wxTheApp->OnExit();
        wxEntryCleanup();
        display_.Stop();
    }

private:
    PrivateDisplay display_;
    wxEventLoopBase* loop_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WxEnvironment);
    return RUN_ALL_TESTS();
}
