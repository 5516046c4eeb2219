// SMURF object maps: one TestObjects.xml per application, with a test object per window that
// carries SMURF data and per such descendant.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "XmlLint.h"
#include "conversion/xml/XMLConverter.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "tests/support/GoldenFiles.h"

namespace {

constexpr const char* kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<TestObjects xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:noNamespaceSchemaLocation=\"TestObjects.xsd\">\n";

class SmurfObjectMapsTest : public ConversionTest {
protected:
    // A window of the class with SMURF data of the application only (none when it is null).
    CWindowKav* Window(const std::string& name, CWindowKav* parent, const char* application,
                       const std::string& className = "Button") {
        CWindowKav* window = CreateWindowOfType(parent ? kWndPushButton : kWndDialogBox, {.id = name, .className = className});
        app.GetWindowList().Add(window);
        if (parent) parent->AddChild(window);
        window->SetInternalID("id_" + name);
        window->SetRect({1, 2, 30, 40});
        // A child inherits its parent's application.
        delete window->GetToolData();
        window->SetToolData(nullptr);
        if (application) window->SetSmurfValue("application", application, nullptr, false);
        return window;
    }

    std::filesystem::path Base() const { return folder_ / "maps"; }
    std::string Map(const std::string& application) const { return ReadBytes(Base() / application / "TestObjects.xml"); }
    int Export(const std::string& filter = {}, int expected = 1) {
        int count = -1;
        EXPECT_EQ(converter.ExportSmurfObjectMaps(Base(), count, filter), expected) << GetGlobalMessageBuffer();
        return count;
    }

    CXMLConverter converter{XmlConverterMode::SmurfObjectMaps};
};

// Expected maps under tests/golden/conversion/smurf_object_maps/expected/ (refreshed by
// scripts/refresh-golden.sh).
TEST_F(SmurfObjectMapsTest, WindowsAndTheirDescendantsWithSmurfDataMatchTheGoldenMaps) {
    CWindowKav* dialog = Window("Login", nullptr, "Calc & Co", "#32770");
    dialog->SetSmurfValue("description", "The <login> dialog", nullptr, false);
    dialog->SetSmurfValue("smurfType", "Dialog", nullptr, false);
    dialog->SetSmurfValue("locator", "name=login", nullptr, false);
    auto* properties = dialog->GetToolData()->GetChildren().Add(new CXMLElement("properties"));
    properties->SetValue("dropped: it has children");
    properties->GetChildren().Add(new CXMLElement("visible"))->SetValue("true");
    properties->GetChildren().Add(new CXMLElement("empty"));
    Window("OK", dialog, "Calc & Co");
    CWindowKav* plain = Window("Frame", dialog, nullptr);
    Window("Hidden", plain, "Calc & Co");
    Window("Units", nullptr, "Ünits")->SetSmurfValue("smurfType", "Window", nullptr, false);

    EXPECT_EQ(Export(), 3) << "the written test objects are counted";
    ExpectFolderMatchesGolden(Base(), std::filesystem::path(KAVRO_SOURCE_DIR) / "tests" / "golden" / "conversion" /
                                          "smurf_object_maps" / "expected");
    for (const char* application : {"Calc & Co", "Ünits"})
        EXPECT_TRUE(PassesXmlLint(Base() / application / "TestObjects.xml")) << application;
}

TEST_F(SmurfObjectMapsTest, WindowsShareTheMapOfTheirApplicationAndTheFilterPicksOne) {
    Window("A1", nullptr, "Alpha");
    Window("A2", nullptr, "Alpha");
    Window("B1", nullptr, "Beta");
    Window("None", nullptr, nullptr);
    Window("Blank", nullptr, "");

    EXPECT_EQ(Export(), 3);
    EXPECT_EQ(FilesBelow(Base()), (std::vector<std::string>{"Alpha/TestObjects.xml", "Beta/TestObjects.xml"}));
    for (const char* application : {"Alpha", "Beta"})
        EXPECT_TRUE(PassesXmlLint(Base() / application / "TestObjects.xml")) << application;
    const std::string alpha = Map("Alpha");
    EXPECT_NE(alpha.find("id_A1"), std::string::npos);
    EXPECT_NE(alpha.find("id_A2"), std::string::npos);

    std::filesystem::remove_all(Base());
    EXPECT_EQ(Export("Beta"), 1);
    EXPECT_EQ(FilesBelow(Base()), std::vector<std::string>{"Beta/TestObjects.xml"});
    EXPECT_EQ(Export("beta"), 0) << "the filter compares with case";
}

TEST_F(SmurfObjectMapsTest, NoSmurfDataWritesNothing) {
    Window("Plain", nullptr, nullptr);
    CWindowKav* other = Window("Other", nullptr, nullptr);
    other->SetToolData(new CXMLElement("qtpRep:Object"));
    EXPECT_EQ(Export(), 0);
    EXPECT_FALSE(std::filesystem::exists(Base()));
}

TEST_F(SmurfObjectMapsTest, ApplicationNamesCannotLeaveTheBaseFolder) {
    Window("Up", nullptr, "../outside");
    Window("Slash", nullptr, "a/b");
    Window("Dot", nullptr, "..");
    EXPECT_EQ(Export(), 3);
    EXPECT_EQ(FilesBelow(Base()), (std::vector<std::string>{".._outside/TestObjects.xml", "_/TestObjects.xml",
                                                            "a_b/TestObjects.xml"}));
    EXPECT_EQ(FilesBelow(folder_).size(), 3u) << "nothing outside the base folder";
}

TEST_F(SmurfObjectMapsTest, AnExistingFolderIsReusedAndFailuresNameWhatCouldNotBeMade) {
    Window("A", nullptr, "Alpha");
    std::filesystem::create_directories(Base() / "Alpha");
    EXPECT_EQ(Export(), 1);

    std::filesystem::remove(Base() / "Alpha" / "TestObjects.xml");
    std::filesystem::create_directories(Base() / "Alpha" / "TestObjects.xml");
    Export({}, 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot open file " + (Base() / "Alpha" / "TestObjects.xml").string() + " [W0791]");

    std::filesystem::remove_all(Base());
    std::filesystem::create_directories(Base());
    std::ofstream(Base() / "Alpha") << "a file in the folder's place";
    Export({}, 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Could not create directory " + (Base() / "Alpha").string() + "! [W0695]");
}

}  // namespace
