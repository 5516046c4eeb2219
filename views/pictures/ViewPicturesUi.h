#pragma once
// The views' pictures for the documentation: the whole drawing of the view of a window (with
// its transitions and grandchildren, whatever the frame's view mode), of a task's flow or of a
// test case, white behind it and its width rounded up to a multiple of 4, as the bytes of a PNG
// file. The view open for the object draws it; without one, the main frame opens one for the
// while and closes it again.
//
// None when the drawing is 16385 pixels or more wide or high; no bytes when there is no main
// frame or no view to draw it, or the image cannot be encoded.
#include <optional>
#include <string>

class CTaskKav;
class CTestCase;
class CWindowKav;

std::optional<std::string> RenderWindowPng(CWindowKav& window);
std::optional<std::string> RenderTaskFlowPng(CTaskKav& task);
std::optional<std::string> RenderTestCasePng(CTestCase& testCase);
