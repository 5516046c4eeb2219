#pragma once
// The pictures of the object pages: the view of a window, a task's flow or a test case drawn
// and saved as a PNG file. The window program provides them; without it the documentation has
// no object pictures.
#include <filesystem>

class CTaskKav;
class CTestCase;
class CWindowKav;

enum class PictureResult {
    Saved,
    // The drawing is 16385 pixels or more wide or high: nothing was saved.
    TooLarge,
    // The file could not be written.
    Failed,
};

class DocumentationPictures {
public:
    virtual ~DocumentationPictures() = default;

    virtual PictureResult SaveWindowPicture(CWindowKav& window, const std::filesystem::path& file) = 0;
    virtual PictureResult SaveTaskFlowPicture(CTaskKav& task, const std::filesystem::path& file) = 0;
    virtual PictureResult SaveTestCasePicture(CTestCase& testCase, const std::filesystem::path& file) = 0;
};
