#pragma once
// Windows of the SilkTest tests that need more than a name: a GUI builder, a class, a caption,
// a control id and a place.
#include "model/windows/WindowTypes.h"
#include "tests/support/ProjectBuilder.h"

struct WindowSpec {
    int type = kWndPushButton;
    WindowRect rect{};
    std::string caption{};
    int guiId = 0;
    std::string className{};
    int numId = 0;
    std::uint32_t style = 0;
};

// The window in the project's table (main file), attached to the parent.
inline CWindowKav* AddSpecWindow(TestProject& project, const std::string& name, CWindowKav* parent,
                                 const WindowSpec& spec) {
    CWindowKav* window = CreateWindowOfType(spec.type, {.id = name, .numId = spec.numId, .guiId = spec.guiId,
                                                        .className = spec.className, .caption = spec.caption,
                                                        .style = spec.style});
    window->SetFile(project.Main());
    window->SetFileId(project.Main()->GetID());
    window->SetRect(spec.rect);
    project.App().GetWindowList().Add(window);
    if (parent) parent->AddChild(window);
    return window;
}
