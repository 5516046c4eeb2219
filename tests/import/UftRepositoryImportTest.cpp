// Importing UFT repositories: UFT's XML form of the file through the automation's backend, the
// windows completed from their descriptions, and the identification settings job.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "conversion/uft/QTP.h"
#include "model/windows/WindowTypes.h"
#include "platform/Progress.h"
#include "tests/conversion/RecordingUftAutomation.h"
#include "tests/import/RepositoryFixture.h"
#include "tests/support/Refusal.h"

namespace {

class UftImportTest : public RepositoryTest {
protected:
    UftImportTest() { progress_.Log().SetLineListener(nullptr); }

    int Import(const std::string& path) {
        CQTP converter(0, &progress_);
        return converter.ImportRepository(path);
    }
    const std::vector<std::string>& Lines() const { return progress_.Log().Lines(); }

    // One object of the class with these properties (name, value) and child objects.
    static std::string Object(const std::string& className, const std::string& name,
                              const std::vector<std::pair<std::string, std::string>>& properties,
                              const std::string& children = "") {
        std::string text = "<qtpRep:Object Class=\"" + className + "\" Name=\"" + name + "\"><qtpRep:Properties>";
        std::string references;
        for (const auto& [property, value] : properties) {
            text += "<qtpRep:Property Name=\"" + property + "\" Type=\"STRING\"><qtpRep:Value>" + value +
                    "</qtpRep:Value></qtpRep:Property>";
            references += "<qtpRep:PropertyRef>" + property + "</qtpRep:PropertyRef>";
        }
        return text + "</qtpRep:Properties><qtpRep:BasicIdentification>" + references +
               "</qtpRep:BasicIdentification><qtpRep:ChildObjects>" + children + "</qtpRep:ChildObjects></qtpRep:Object>";
    }

    Progress progress_;
};

WindowRect RectOf(const CWindowKav* window) { return window ? window->GetRect() : WindowRect{-1, -1, -1, -1}; }

TEST_F(UftImportTest, TheRepositoryIsReadInItsXmlFormBesideIt) {
    const std::string xml = WriteUft("src.xml", Object("Window", "Main", {{"width", "10"}}));
    const std::string bytes = ScratchFolder::Read(xml);
    struct Case {
        std::string repository;  // written with the XML text
        std::string xmlForm;
    };
    const std::string base = folder.Path().string();
    std::filesystem::create_directories(folder.Path() / "v1.2");
    const Case cases[] = {
        {base + "/a.b.tsr", base + "/a.b.xml"},
        {base + "/repo", base + "/repo.xml"},
        {base + "/v1.2/repo", base + "/v1.2/repo.xml"},
        {xml, xml},
    };
    for (const Case& c : cases) {
        if (c.repository != xml) folder.Write(std::filesystem::path(c.repository).lexically_relative(base), bytes);
        app.GetWindowList().DeleteAll();
        EXPECT_EQ(Refusal([&] { return Import(c.repository); }), "") << c.repository;
        EXPECT_EQ(ScratchFolder::Read(c.xmlForm), bytes) << c.repository;
        EXPECT_NE(Window("Main"), nullptr) << c.repository;
    }
    EXPECT_FALSE(std::filesystem::exists(base + "/v1.xml"));
}

TEST_F(UftImportTest, ARepositoryThatIsNoXmlCannotBeRead) {
    const std::string binary = folder.Write("binary.tsr", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10));
    EXPECT_EQ(Refusal([&] { return Import(binary); }), "Could not export object repository '" + binary +
                                                           "' as XML! [W0880]");
    const std::string missing = (folder.Path() / "missing.tsr").string();
    EXPECT_EQ(Refusal([&] { return Import(missing); }), "Could not export object repository '" + missing +
                                                            "' as XML! [W0880]");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "binary.xml"));
    EXPECT_EQ(app.GetWindowList().GetCount(), 0u);
}

TEST_F(UftImportTest, WindowsGetTheirPlaceCaptionAndNameFromTheirDescriptions) {
    std::vector<CWindowKav*> announced;
    SetImportedWindowHook([&](CWindowKav* window) { announced.push_back(window); });
    ASSERT_EQ(Refusal([&] { return Import(Fixture("uft_login.xml")); }), "");

    CWindowKav* login = Window("Login");
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->GetType(), kWndDialogBox);
    EXPECT_EQ(login->GetCaption(), "Login");
    EXPECT_EQ(login->GetImportTool(), 7);
    // Placed at 0, 0 as a top window, grown to hold the OK button.
    EXPECT_EQ(RectOf(login), (WindowRect{0, 0, 575, 403}));

    CWindowKav* user = Window("Username");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->GetCaption(), "User name");  // no text, innertext or label: the name
    EXPECT_EQ(user->GetParent(), login);
    EXPECT_EQ(RectOf(user), (WindowRect{90, 20, 240, 41}));
    EXPECT_EQ(RectOf(Window("OK")), (WindowRect{500, 380, 575, 403}));

    // A Windows object of the button class is a group box: its label is the caption, its
    // absolute position its place; its check box lies at 0, 0 and widens it.
    CWindowKav* options = Window("Options");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->GetType(), kWndGroupBox);
    EXPECT_EQ(options->GetCaption(), "Options");
    EXPECT_EQ(options->GetParent(), login);
    EXPECT_EQ(RectOf(options), (WindowRect{15, 60, 315, 120}));
    ASSERT_NE(Window("Rememberme"), nullptr);
    EXPECT_EQ(Window("Rememberme")->GetParent(), options);
    EXPECT_EQ(RectOf(Window("Rememberme")), (WindowRect{0, 0, 300, 17}));

    // Without size: the menu bar stays; the banner goes with its logo.
    ASSERT_NE(Window("Menu"), nullptr);
    EXPECT_EQ(RectOf(Window("Menu")), (WindowRect{}));
    EXPECT_EQ(Window("Banner"), nullptr);
    EXPECT_EQ(Window("Logo"), nullptr);
    EXPECT_EQ(login->GetChildren().size(), 4u);

    // The rectangle holds the geometry now; the rest of the description stays.
    EXPECT_EQ(login->GetToolData()->FindByAttribute("qtpRep:Property", "Name", "x"), nullptr);
    EXPECT_EQ(login->GetToolData()->FindNamedValue("qtpRep:PropertyRef", "height"), nullptr);
    EXPECT_EQ(login->GetQtpPropertyValue("nativeclass"), "#32770");
    EXPECT_NE(login->GetToolData()->FindNamedValue("qtpRep:PropertyRef", "text"), nullptr);

    EXPECT_EQ(announced, std::vector<CWindowKav*>{login});
    EXPECT_EQ(app.GetWindowList().GetCount(), 6u);
    const std::vector<std::string>& lines = Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Connecting to UFT Object Repository Utilities");
    EXPECT_EQ(lines[1], "Dialog Login");
    EXPECT_EQ(lines[lines.size() - 2], "No size information available for window 'Banner'. Please initialize object "
                                       "identification settings before recording an object repository in UFT! [W1187]");
    EXPECT_EQ(lines.back(), "6 UFT objects successfully imported! [I0033]");
}

TEST_F(UftImportTest, SapAndWebObjectsArePlacedByTheirAbsolutePositions) {
    ASSERT_EQ(Refusal([&] { return Import(Fixture("uft_sap_web.xml")); }), "");
    // A SAP session needs no size; each SAP window starts a base for the objects after it.
    EXPECT_EQ(RectOf(Window("Session")), (WindowRect{0, 0, 800, 600}));
    EXPECT_EQ(RectOf(Window("SAPEasyAccess")), (WindowRect{0, 0, 800, 600}));
    EXPECT_EQ(RectOf(Window("Save")), (WindowRect{50, 60, 70, 80}));
    EXPECT_EQ(RectOf(Window("Second")), (WindowRect{0, 0, 400, 300}));
    EXPECT_EQ(RectOf(Window("Field")), (WindowRect{10, 20, 110, 40}));
    EXPECT_EQ(Window("Field")->GetGuiID(), 991);
    // A web page lies at 0, 0 of its browser; its button is placed relative to it.
    EXPECT_EQ(RectOf(Window("Home")), (WindowRect{0, 0, 1000, 650}));
    EXPECT_EQ(RectOf(Window("Buy")), (WindowRect{100, 50, 160, 74}));
    EXPECT_EQ(Window("Buy")->GetCaption(), "Buy now");
    EXPECT_EQ(Window("Buy")->GetGuiID(), 995);
}

TEST_F(UftImportTest, PositionsFollowTheParentUnlessItIsAnOwnedWindow) {
    const std::string objects =
        Object("Window", "Top", {{"width", "500"}, {"height", "400"}},
               Object("WinObject", "Panel", {{"x", "100"}, {"y", "50"}, {"width", "200"}, {"height", "100"}},
                      Object("WinButton", "Near", {{"x", "130"}, {"y", "40"}, {"width", "10"}, {"height", "10"}})) +
                   Object("Window", "Owner", {{"is owned window", "-1"}, {"x", "40"}, {"width", "300"}, {"height", "300"}},
                          Object("WinButton", "Owned", {{"x", "70"}, {"y", "5"}, {"width", "10"}, {"height", "10"}})) +
                   Object("WinButton", "Flat", {{"abs_x", "-3"}, {"abs_y", "7"}, {"width", "1"}}));
    ASSERT_EQ(Refusal([&] { return Import(WriteUft("positions.xml", objects)); }), "");
    EXPECT_EQ(RectOf(Window("Panel")), (WindowRect{100, 50, 300, 150}));
    EXPECT_EQ(RectOf(Window("Near")), (WindowRect{30, 0, 40, 10}));  // 40 - 50 raised to 0
    EXPECT_EQ(RectOf(Window("Owner")), (WindowRect{40, 0, 340, 300}));
    EXPECT_EQ(RectOf(Window("Owned")), (WindowRect{70, 5, 80, 15}));
    EXPECT_EQ(RectOf(Window("Flat")), (WindowRect{0, 7, 1, 7}));
}

// The caption is the first of text, innertext and label that is not empty, else the name.
TEST_F(UftImportTest, TheCaptionIsTheFirstTextPropertyThatHoldsOne) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> properties;
        const char* caption;
    };
    const Case cases[] = {
        {"All", {{"label", "L"}, {"innertext", "I"}, {"text", "T"}}, "T"},
        {"EmptyText", {{"text", ""}, {"label", "L"}, {"innertext", "I"}}, "I"},
        {"LabelOnly", {{"text", ""}, {"innertext", ""}, {"label", "L"}}, "L"},
        {"NoneHeld", {{"text", ""}}, "NoneHeld"},
    };
    std::string objects;
    for (const Case& c : cases) {
        auto properties = c.properties;
        properties.emplace_back("width", "10");
        objects += Object("Window", c.name, properties);
    }
    ASSERT_EQ(Refusal([&] { return Import(WriteUft("captions.xml", objects)); }), "");
    for (const Case& c : cases) {
        ASSERT_NE(Window(c.name), nullptr) << c.name;
        EXPECT_EQ(Window(c.name)->GetCaption(), c.caption) << c.name;
    }
}

// A window the table refuses ends the import: the windows before it stay, it and the ones after
// it are deleted, and their parents in the project no longer hold them.
TEST_F(UftImportTest, AWindowTheTableRefusesEndsTheImport) {
    RefuseWindowNamed("OK");
    EXPECT_EQ(Refusal([&] { return Import(Fixture("uft_login.xml")); }), "refused");
    ASSERT_NE(Window("Login"), nullptr);
    EXPECT_NE(Window("Username"), nullptr);
    EXPECT_EQ(Window("OK"), nullptr);
    EXPECT_EQ(Window("Options"), nullptr);
    EXPECT_EQ(Window("Login")->GetChildren(), std::vector<CWindowKav*>{Window("Username")});
    EXPECT_EQ(app.GetWindowList().GetCount(), 2u);
    for (const std::string& line : Lines()) EXPECT_EQ(line.find("[I0033]"), std::string::npos) << line;
}

TEST_F(UftImportTest, AFileThatBreaksOffImportsNothing) {
    const std::string text = ScratchFolder::Read(Fixture("uft_login.xml"));
    const std::string path = folder.Write("cut.xml", text.substr(0, text.find("Remember me") + 200));
    EXPECT_NE(Refusal([&] { return Import(path); }).find("[W1110]"), std::string::npos);
    EXPECT_EQ(app.GetWindowList().GetCount(), 0u);
}

class UftIdentificationTest : public UftImportTest {
protected:
    int Configure(int reset) {
        CQTP converter(0, &progress_, std::make_unique<RecordingUftAutomation>(state_));
        return converter.ConfigureIdentification(reset);
    }
    // The calls that change or look for the class's identifying properties.
    std::vector<std::string> CallsFor(const std::string& className) const {
        std::vector<std::string> calls;
        for (const std::string& call : state_->calls)
            if (call.find(" " + className + " ") != std::string::npos) calls.push_back(call);
        return calls;
    }

    std::shared_ptr<RecordingUftAutomation::State> state_ = std::make_shared<RecordingUftAutomation::State>();
};

TEST_F(UftIdentificationTest, ConfigureAddsTheGeometryToTheClassesOfActiveEnvironments) {
    state_->environments = {{"Siebel", "Active"}, {"SAP", "Active"}, {"Java", "Inactive"}};
    state_->offeredIndex = 0;
    ASSERT_EQ(Refusal([&] { return Configure(0); }), "");
    EXPECT_EQ(CallsFor("WinButton"),
              (std::vector<std::string>{"FindOfferedProperty WinButton x", "AddIdentifyingProperty WinButton x",
                                        "FindOfferedProperty WinButton abs_x", "AddIdentifyingProperty WinButton abs_x",
                                        "FindOfferedProperty WinButton y", "AddIdentifyingProperty WinButton y",
                                        "FindOfferedProperty WinButton abs_y", "AddIdentifyingProperty WinButton abs_y",
                                        "FindOfferedProperty WinButton width", "AddIdentifyingProperty WinButton width",
                                        "FindOfferedProperty WinButton height",
                                        "AddIdentifyingProperty WinButton height"}));
    // SAP's windows get no x and y; its web classes do. Siebel and inactive Java stay as they are.
    EXPECT_EQ(CallsFor("SAPGuiButton").size(), 8u);
    EXPECT_EQ(CallsFor("SAPButton").size(), 12u);
    EXPECT_TRUE(CallsFor("SiebButton").empty());
    EXPECT_TRUE(CallsFor("JavaButton").empty());
    const std::vector<std::string>& lines = Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "UFT does not permit changing the settings for Siebel! [W1194]"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Configuring UFT environment 'SAP'"), lines.end());
    EXPECT_EQ(lines.back(), "UFT object repository settings successfully configured! [I0003]");
    // UFT, launched for the job, is closed again.
    EXPECT_EQ(state_->calls.back(), "Quit");
}

TEST_F(UftIdentificationTest, ResetRemovesWhatIdentifiesAndOnlyOfferedPropertiesAreAdded) {
    state_->environments = {{"SAP", "Active"}};
    state_->identifyingIndex = 3;
    ASSERT_EQ(Refusal([&] { return Configure(1); }), "");
    EXPECT_EQ(CallsFor("SAPGuiButton").size(), 12u);
    EXPECT_EQ(CallsFor("SAPGuiButton")[1], "RemoveIdentifyingProperty SAPGuiButton 3");
    EXPECT_EQ(Lines().back(), "UFT object repository settings successfully reset! [I0034]");

    state_->calls.clear();
    state_->offeredIndex = -1;
    ASSERT_EQ(Refusal([&] { return Configure(0); }), "");
    for (const std::string& call : state_->calls) EXPECT_FALSE(call.starts_with("AddIdentifyingProperty")) << call;
}

TEST_F(UftIdentificationTest, WithoutUftThereAreNoSettingsToChange) {
    MessageLog jobLog;
    EXPECT_EQ(Refusal([&] { return RunUftIdentificationSettings(0, jobLog); }),
              "Failed to change UFT object identification settings! [W1181]");
    EXPECT_EQ(jobLog.Lines().front(), "Connecting to UFT Application");
    // The import job reports into the log it is given.
    EXPECT_EQ(Refusal([&] { return RunUftRepositoryImport(Fixture("uft_sap_web.xml"), jobLog); }), "");
    EXPECT_EQ(jobLog.Lines().back(), "8 UFT objects successfully imported! [I0033]");
}

}  // namespace
