// Part of the program kavro: every main frame can start the VORNAK interface, whose worker's
// posts reach the frame on the user-interface thread.
#include <memory>

#include <wx/window.h>

#include "shell/MainFrame.h"
#include "shell/MainFrameVornakHost.h"
#include "shell/wx/MainFrameUi.h"
#include "tminterface/VornakFrameLink.h"

namespace {

// Hands each post to the frame through the window's event queue, which the worker may fill;
// posts still queued when the window goes are dropped with it.
class FrameSink : public VornakSink {
public:
    FrameSink(CMainFrame& frame, wxWindow& window) : frame_(frame), window_(window) {}

    void Post(VornakPost post) override {
        CMainFrame* frame = &frame_;
        window_.GetEventHandler()->CallAfter([frame, post = std::move(post)] {
            switch (post.kind) {
                case VornakPostKind::LostConnection: frame->OnVornakConnectionLost(); break;
                case VornakPostKind::MessageFromSocket: frame->OnVornakMessage(post.text); break;
                case VornakPostKind::SetState: frame->OnVornakState(post.value); break;
                case VornakPostKind::Error: frame->OnVornakError(post.value, post.code); break;
            }
        });
    }

private:
    CMainFrame& frame_;
    wxWindow& window_;
};

[[maybe_unused]] const bool kVornakInstalled = [] {
    InstallFrameParts("tminterface", [](CMainFrame& frame, wxWindow* window) {
        frame.SetVornakStarter([&frame, window](long port) {
            return StartVornakLink(std::make_unique<FrameSink>(frame, *window),
                                   std::make_unique<MainFrameVornakHost>(frame), port);
        });
    });
    return true;
}();

}  // namespace
