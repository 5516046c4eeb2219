#pragma once
// A host whose RunModal shows the editor's real window and runs the test's steps in it.
#include <functional>
#include <memory>

#include <wx/uiaction.h>

#include "editors/EditorWindows.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/gui/GuiTest.h"

class WindowHost : public FakeEditorHost {
public:
    std::function<void(EditorDialogUi&)> steps;

    int RunModal(EditorDialog& dialog) override {
        std::unique_ptr<EditorDialogUi> window = MakeEditorWindow(dialog, nullptr);
        const int end = ::RunModal(*window, [&] {
            // The display has no window manager: the window under the pointer gets the keys.
            EXPECT_TRUE(WaitUntil([&] { return window->IsShownOnScreen(); }));
            const wxRect area = window->GetScreenRect();
            wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
            EXPECT_TRUE(WaitUntil([&] { return window->IsActive(); }));
            steps(*window);
        });
        return end == wxID_OK ? kIdOk : kIdCancel;
    }
};
