#include <gtest/gtest.h>

#include <cstdlib>

#include "model/ApplicationKav.h"
#include "model/DovaTemplate.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/InstallationData.h"
#include "platform/Registry.h"
#include "PersistenceFixture.h"

namespace {

class InstallationDataTest : public PersistenceTest {
protected:
    // The installation folder becomes the test's folder.
    void InstallHere() {
        WriteRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir", folder_.string(),
                            kRegistryText);
    }

    std::string WriteTemplates(const std::string& body, const std::string& version = "1.0") {
        InstallHere();
        return WriteFile("Bin/DovaDriverData.xml",
                         "<DOVA_DRIVER_DATA version=\"" + version + "\">" + body + "</DOVA_DRIVER_DATA>");
    }

    static std::vector<std::string> TemplateNames() {
        std::vector<std::string> names;
        for (const CDovaTemplate* t : GetDovaTemplateList()) names.push_back(t->GetName());
        return names;
    }

    CXMLDataManager reader_;
};

const std::string kTwoTemplates =
    "<DOVA_TEMPLATE Name=\"MyFunc\" Instruction=\"Call it\" HelpText=\"Calls\" AllowNewParameters=\"1\">"
    "<DOVA_PARAMETER Name=\"Speed\" HelpText=\"How fast\" FixedValue=\"1\" DefaultValue=\"3\"/>"
    "<DOVA_PARAMETER Name=\"Mode\" Optional=\"1\"/></DOVA_TEMPLATE>"
    "<DOVA_TEMPLATE Name=\"Other\" Instruction=\"Do\" AllowNewParameters=\"true\"/>";

}  // namespace

TEST_F(InstallationDataTest, TheShippedFilesAreWellFormed) {
    for (const char* name : {"Predefined_GUI_Builders.xml", "DovaDriverData.xml"}) {
        const std::string path = std::string(KAVRO_SOURCE_DIR) + "/data/Bin/" + name;
        EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0) << path;
    }
}

// From the build tree the programs find the copy of the installation data there.
TEST_F(InstallationDataTest, TheShippedBuildersCoverEveryBuilderNumber) {
    ASSERT_TRUE(reader_.LoadPredefinedGuiBuilders()) << Message();
    CGUIBuilderList& database = GetGuiBuilderDatabase();
    ASSERT_EQ(database.size(), 11u);
    for (int guiId = 989; guiId <= 999; ++guiId) {
        const CGUIBuilder* builder = database.FindByGuiID(guiId);
        ASSERT_NE(builder, nullptr) << guiId;
        EXPECT_TRUE(builder->IsPreDef());
        EXPECT_FALSE(builder->HasUserDefinedClasses());
        EXPECT_FALSE(builder->GetWindowClasses().empty());
    }
    EXPECT_EQ(database.FindByGuiID(999)->GetName(), "Standard Windows");

    struct Case {
        const char* className;
        int guiId;
        int type;
    };
    const Case cases[] = {
        {"Button", 999, 8},
        {"#32770", 999, 2},
        {"SysListView32", 999, 15},
        {"WindowsForms10.BUTTON.app.0.2bf8098_r11_ad1", 990, 8},
        {"WindowsForms10.Window.8.app.0.2bf8098_r11_ad1", 990, 3},
        {"ThunderRT6DriveListBox", 998, 11},
        {"ThunderRT6ListBox", 998, 12},
        {"SunAwtDialog", 996, 2},
        {"TButton", 997, 8},
        {"html_edit", 995, 6},
    };
    for (const Case& c : cases) {
        CGUIBuilder* builder = nullptr;
        CWindowClass* windowClass = nullptr;
        ASSERT_TRUE(database.FindWindowClass(c.className, builder, windowClass)) << c.className;
        EXPECT_EQ(builder->GetGuiID(), c.guiId) << c.className;
        EXPECT_EQ(windowClass->GetBaseType(), c.type) << c.className;
    }
    EXPECT_EQ(database.FindByGuiID(999)->GetClassNameForType(6), "Edit");
    EXPECT_EQ(database.FindByGuiID(996)->GetClassNameForType(8), "javax.swing.JButton");
}

TEST_F(InstallationDataTest, TheShippedTemplatesLoad) {
    ASSERT_TRUE(reader_.LoadDriverTemplates()) << Message();
    ASSERT_FALSE(GetDovaTemplateList().empty());
    for (const CDovaTemplate* t : GetDovaTemplateList()) EXPECT_FALSE(t->GetInstruction().empty()) << t->GetName();
    const CDovaTemplate* start = GetDovaTemplateList().FindTemplate("startapplication");
    ASSERT_NE(start, nullptr);
    EXPECT_NE(start->FindParameter("PATH"), nullptr);
}

TEST_F(InstallationDataTest, TemplatesAndParametersAreFoundByNameWithoutCase) {
    WriteTemplates(kTwoTemplates);
    ASSERT_TRUE(reader_.LoadDriverTemplates()) << Message();
    EXPECT_EQ(TemplateNames(), (std::vector<std::string>{"MyFunc", "Other"}));
    const CDovaTemplate* myFunc = GetDovaTemplateList().FindTemplate("myfunc");
    ASSERT_NE(myFunc, nullptr);
    EXPECT_EQ(myFunc->GetInstruction(), "Call it");
    EXPECT_EQ(myFunc->GetHelpText(), "Calls");
    EXPECT_TRUE(myFunc->AllowsNewParameters());
    const CDovaParameter* speed = myFunc->FindParameter("SPEED");
    ASSERT_NE(speed, nullptr);
    EXPECT_TRUE(speed->IsFixedValue());
    EXPECT_FALSE(speed->IsOptional());
    EXPECT_EQ(speed->GetDefaultValue(), "3");
    EXPECT_EQ(speed->GetHelpText(), "How fast");
    EXPECT_TRUE(myFunc->FindParameter("mode")->IsOptional());
    EXPECT_EQ(myFunc->FindParameter("Speeds"), nullptr);
    // Only "1" counts as true.
    EXPECT_FALSE(GetDovaTemplateList().FindTemplate("other")->AllowsNewParameters());
    EXPECT_EQ(GetDovaTemplateList().FindTemplate("unknown"), nullptr);
    EXPECT_TRUE(interaction_->messages.empty());
}

TEST_F(InstallationDataTest, AnotherFileVersionIsShownAndReadAllTheSame) {
    const std::string path = WriteTemplates(kTwoTemplates, "1.1");
    ASSERT_TRUE(reader_.LoadDriverTemplates()) << Message();
    EXPECT_EQ(interaction_->Texts(),
              std::vector<std::string>{"Warning: The version of " + path +
                                       " does not match the current XSD scheme version 1.0! [W0456]"});
    EXPECT_EQ(interaction_->messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(TemplateNames().size(), 2u);
}

// The templates read before an error stay.
TEST_F(InstallationDataTest, AnErrorInTheTemplateFileEndsTheRead) {
    struct Case {
        std::string body, message;
    };
    const std::string kFirst = "<DOVA_TEMPLATE Name=\"First\" Instruction=\"Go\"/>";
    const Case cases[] = {
        {"<DOVA_PARAMETER Name=\"Loose\"/>",
         "Invalid file structure: 'DOVA_PARAMETER' tag detected at invalid position in file %s! [W0913]"},
        {"<DOVA_TEMPLATE Name=\"NoInstruction\"/>",
         "Error in XML file %s:\nMissing or invalid instruction for tag 'DOVA_TEMPLATE '! [W0938]"},
        {"<DOVA_TEMPLATE Instruction=\"Go\"/>",
         "Error in XML file %s:\nMissing or invalid name for tag 'DOVA_TEMPLATE '! [W0914]"},
        {"<DOVA_TEMPLATE Name=\"T\" Instruction=\"Go\"><DOVA_PARAMETER/></DOVA_TEMPLATE>",
         "Error in XML file %s:\nMissing or invalid name for tag 'DOVA_PARAMETER '! [W0915]"},
        {"<DOVA_TEMPLATE Name=\"T\" Instruction=\"Go\"><DOVA_TEMPLATE Name=\"U\" Instruction=\"Go\"/></DOVA_TEMPLATE>",
         "Invalid file structure: 'DOVA_TEMPLATE' tag detected at invalid position in file %s! [W0912]"},
        {"<DOVA_DRIVER_DATA/>",
         "Invalid file structure: 'DOVA_DRIVER_DATA' tag detected at invalid position in file %s! [W0911]"},
        {"<TEMPLATE/>", "Invalid tag 'TEMPLATE' detected in file %s! [W0910]"},
    };
    for (const Case& c : cases) {
        GetDovaTemplateList().DeleteAll();
        const std::string path = WriteTemplates(kFirst + c.body);
        EXPECT_FALSE(reader_.LoadDriverTemplates()) << c.body;
        std::string expected = c.message;
        expected.replace(expected.find("%s"), 2, path);
        EXPECT_EQ(Message(), expected);
        ASSERT_FALSE(GetDovaTemplateList().empty()) << c.body;
        EXPECT_EQ(GetDovaTemplateList().front()->GetName(), "First");
        EXPECT_EQ(GetDovaTemplateList().FindTemplate("U"), nullptr);
    }
}

TEST_F(InstallationDataTest, AMissingFileLeavesTheListsEmpty) {
    InstallHere();
    interaction_->answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_FALSE(reader_.LoadDriverTemplates());
    EXPECT_TRUE(GetDovaTemplateList().empty());
    EXPECT_EQ(Message(), "Could not open file '" + (folder_ / "Bin" / "DovaDriverData.xml").string() +
                             "' for reading! [W0857]");
    GetGuiBuilderDatabase().Add(new CGUIBuilder("Left over", 5, 1));
    EXPECT_FALSE(reader_.LoadPredefinedGuiBuilders());
    EXPECT_TRUE(GetGuiBuilderDatabase().empty());
}

// Nothing of the installation's files reaches the open project.
TEST_F(InstallationDataTest, TheBuilderDatabaseKeepsPredefinedEntriesAndTouchesNoProject) {
    InstallHere();
    WriteFile("Bin/Predefined_GUI_Builders.xml",
              "<KAVRO_DATA Version=\"12.4\"><GUIBUILDER ID=\"7_x\" GuiID=\"7\" Name=\"Seven\" PreDef=\"1\">"
              "<WNDCLASS ID=\"c\" Name=\"Knob\" BaseType=\"8\" PreDef=\"1\"/></GUIBUILDER>"
              "<REQ ID=\"r\" Name=\"R\"/></KAVRO_DATA>");
    CApplicationKav project;
    CurrentApplication = &project;
    ASSERT_TRUE(reader_.LoadPredefinedGuiBuilders()) << Message();
    CurrentApplication = nullptr;
    EXPECT_TRUE(project.GetRequirements().empty());
    ASSERT_EQ(GetGuiBuilderDatabase().size(), 1u);
    EXPECT_EQ(GetGuiBuilderDatabase().front()->GetWindowClasses().size(), 1u);
    EXPECT_TRUE(reader_.IsProjectMode());
}
