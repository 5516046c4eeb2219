#pragma once
// The pictures of the object pages: the view of a window, a task's flow or a test case drawn
// and saved as a PNG file. The window program provides them; without it the documentation has
// no object pictures.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

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

// A view's drawing as the bytes of a PNG file; none when it is too large for a picture, and no
// bytes when it could not be drawn or encoded.
using PngPicture = std::optional<std::string>;

// The pictures as the window program renders them, each saved by replacing its file as a whole,
// so that a failed save leaves the previous picture.
class RenderedPictures : public DocumentationPictures {
public:
    struct Renderers {
        std::function<PngPicture(CWindowKav&)> window;
        std::function<PngPicture(CTaskKav&)> taskFlow;
        std::function<PngPicture(CTestCase&)> testCase;
    };
    explicit RenderedPictures(Renderers renderers) : renderers_(std::move(renderers)) {}

    PictureResult SaveWindowPicture(CWindowKav& window, const std::filesystem::path& file) override {
        return Save(renderers_.window(window), file);
    }
    PictureResult SaveTaskFlowPicture(CTaskKav& task, const std::filesystem::path& file) override {
        return Save(renderers_.taskFlow(task), file);
    }
    PictureResult SaveTestCasePicture(CTestCase& testCase, const std::filesystem::path& file) override {
        return Save(renderers_.testCase(testCase), file);
    }

private:
    static PictureResult Save(const PngPicture& picture, const std::filesystem::path& file);

    Renderers renderers_;
};
