#pragma once
// Which pane of the main frame has the focus, as every command asks it: a workspace page while
// its tree holds the focus, else the active view.

enum class PaneKind : int {
    None = 0,
    WindowsPage = 1,
    WindowView = 2,
    MenuView = 3,
    TasksPage = 4,
    TaskFlowView = 5,
    RequirementsPage = 6,
    TestCaseView = 7,
    TestDataPage = 8,
};

// The four kinds of view, in the order of their document templates.
inline constexpr PaneKind kViewKinds[] = {PaneKind::WindowView, PaneKind::MenuView, PaneKind::TaskFlowView,
                                          PaneKind::TestCaseView};
