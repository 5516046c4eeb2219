// The objects this process puts on the clipboard: who gets them back, and who frees them.
#include <gtest/gtest.h>

#include <memory>

#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "shell/ClipboardObjects.h"
#include "shell/ProjectSession.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/GlobalState.h"

namespace {

std::string Payload(std::uint32_t pid, const void* object) {
    return std::to_string(pid) + ":" + std::to_string(reinterpret_cast<std::uintptr_t>(object));
}

// A window copy with a child, as Copy makes one.
CWindowKav* WindowWithChild(const std::string& name) {
    CWindowKav* window = CreateWindowOfType(kWndDialogBox, {.id = name});
    window->AddChild(CreateWindowOfType(kWndPushButton, {.id = name + "OK"}));
    return window;
}

// The system clipboard as another process may leave it.
class ScriptedMirror : public ClipboardMirror {
public:
    bool Publish(const std::map<std::string, std::string>& payloads) override {
        if (refuse) return false;
        offered = payloads;
        return true;
    }
    std::optional<std::string> Read(const std::string& format) override {
        const auto it = offered.find(format);
        if (it == offered.end()) return std::nullopt;
        return it->second;
    }

    bool refuse = false;
    std::map<std::string, std::string> offered;
};

class ClipboardObjectsTest : public ::testing::Test {
protected:
    ~ClipboardObjectsTest() override {
        ClearClipboardObjects();
        InstallClipboardMirror(nullptr);
    }
};

}  // namespace

// Only a text that names the very object this process put gives it back.
TEST_F(ClipboardObjectsTest, OnlyTheTextOfAPutObjectGivesItBack) {
    const std::uint32_t own = GetClock().ProcessId();
    int put = 1;
    int neverPut = 2;
    ASSERT_TRUE(PutClipboardObject(kTaskCopyFormat, &put));
    ASSERT_EQ(GetClipboardObject(kTaskCopyFormat), &put);
    const struct {
        std::string text;
        bool found;
    } cases[] = {
        {Payload(own, &put), true},
        {Payload(own + 1, &put), false},      // another process
        {Payload(own, &neverPut), false},     // a live object of this process, never put
        {std::to_string(own), false},         // no ":"
        {Payload(own, &put) + "x", false},
        {"garbage", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SetClipboardText(kTaskCopyFormat, c.text);
        EXPECT_EQ(GetClipboardObject(kTaskCopyFormat), c.found ? &put : nullptr) << '"' << c.text << '"';
    }
    // The object of one format is not that of another.
    SetClipboardText(kTaskCutFormat, Payload(own, &put));
    EXPECT_EQ(GetClipboardObject(kTaskCutFormat), nullptr);
}

// Released with the sanitizer watching: a child listed beside its parent is freed once, with
// the parent; every copy goes with its children; nothing leaks.
TEST_F(ClipboardObjectsTest, ReleasingFreesEveryCopyOnceAndLeavesCutObjectsToTheModel) {
    auto* list = new WindowClipboardList;
    CWindowKav* parent = WindowWithChild("Parent");
    list->push_back(parent->GetChildren()[0]);
    list->push_back(parent);
    list->push_back(WindowWithChild("Other"));
    ASSERT_TRUE(PutWindowListCopy(list));
    ASSERT_TRUE(PutWindowCopy(WindowWithChild("Single")));
    auto* task = new CTaskKav("Copied", kTaskPlain);
    task->AddChild(new CTaskKav("CopiedChild", kTaskPlain));
    ASSERT_TRUE(PutTaskCopy(task));
    auto* steps = new TaskStepClipboardList;
    steps->Add(MakeStep("S1"));
    ASSERT_TRUE(PutTaskStepsCopy(steps));
    EXPECT_EQ(GetClipboardTask(), task);
    EXPECT_EQ(GetClipboardTaskSteps(), steps);

    std::unique_ptr<CWindowKav> cutWindow(CreateWindowOfType(kWndMain, {.id = "Cut"}));
    CTaskKav cutTask("CutTask", kTaskPlain);
    ASSERT_TRUE(PutWindowCut(cutWindow.get()));
    ASSERT_TRUE(PutTaskCut(&cutTask));
    EXPECT_EQ(GetClipboardObject(kWindowCutFormat), cutWindow.get());

    ClearClipboardObjects();
    for (const char* format : kClipboardFormats) EXPECT_EQ(GetClipboardObject(format), nullptr) << format;
    // The cut objects are the model's still.
    EXPECT_EQ(cutWindow->GetName(), "Cut");
    EXPECT_EQ(cutTask.GetName(), "CutTask");
}

TEST_F(ClipboardObjectsTest, ANewCopyReplacesTheOldOneAndARefusedOneIsReleased) {
    auto* first = new CTaskKav("First", kTaskPlain);
    ASSERT_TRUE(PutTaskCopy(first));
    auto* second = new CTaskKav("Second", kTaskPlain);
    ASSERT_TRUE(PutTaskCopy(second));  // the first is freed here
    EXPECT_EQ(GetClipboardTask(), second);

    auto mirror = std::make_unique<ScriptedMirror>();
    ScriptedMirror& system = *mirror;
    InstallClipboardMirror(std::move(mirror));
    system.refuse = true;
    EXPECT_FALSE(PutTaskCopy(new CTaskKav("Refused", kTaskPlain)));
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Cannot create shared memory file! [F0091]");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    // What was on the clipboard stays.
    system.refuse = false;
    ASSERT_TRUE(PutTaskCopy(second));
    EXPECT_EQ(GetClipboardTask(), second);
}

// With the system clipboard mirrored, what it offers decides: another program's data there
// gives nothing, though this process still holds (and frees) its copy.
TEST_F(ClipboardObjectsTest, TheSystemClipboardDecidesWhatIsOffered) {
    auto mirror = std::make_unique<ScriptedMirror>();
    ScriptedMirror& system = *mirror;
    InstallClipboardMirror(std::move(mirror));
    auto* task = new CTaskKav("Copied", kTaskPlain);
    ASSERT_TRUE(PutTaskCopy(task));
    EXPECT_EQ(system.offered.at(kTaskCopyFormat), Payload(GetClock().ProcessId(), task));
    EXPECT_EQ(GetClipboardTask(), task);
    system.offered = {{kTaskCopyFormat, Payload(GetClock().ProcessId() + 1, task)}};
    EXPECT_EQ(GetClipboardTask(), nullptr);
    system.offered.clear();
    EXPECT_EQ(GetClipboardTask(), nullptr);
    ClearClipboardObjects();
    EXPECT_TRUE(system.offered.empty());
}

TEST_F(ClipboardObjectsTest, ClosingTheProjectReleasesTheClipboardsObjects) {
    CProjectSession session;
    ASSERT_TRUE(PutWindowCopy(WindowWithChild("Copied")));
    session.CloseProject();
    EXPECT_EQ(GetClipboardObject(kWindowCopyFormat), nullptr);
}
