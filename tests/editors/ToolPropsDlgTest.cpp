// The dialogs of the data that outside test tools keep on a window: UFT's identification
// properties and SMURF's object map data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "editors/windows/PropertiesDlg.h"
#include "editors/windows/SmurfPropsDlg.h"
#include "editors/windows/UftPropsDlg.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WindowBuilder.h"

namespace {

// A button with UFT tool data: the properties "text" (a constant, used for basic
// identification) and "nativeclass" (a parameter), and an index as ordinal identifier.
CXMLElement* UftData(bool withBasicIdentification = true) {
    auto property = [](const char* name, CXMLElement* value) {
        return MakeElement("qtpRep:Property", "", {{"Name", name}, {"Type", "STRING"}}, {value});
    };
    std::vector<CXMLElement*> children{MakeElement(
        "qtpRep:Properties", "",
        {},
        {property("text", MakeElement("qtpRep:Value", "OK", {{"RegularExpression", "0"}})),
         property("nativeclass",
                  MakeElement("qtpRep:Parameter", "param2", {{"RegularExpression", "-1"}, {"Type", "Repository"}}))})};
    if (withBasicIdentification)
        children.push_back(MakeElement("qtpRep:BasicIdentification", "", {},
                                       {MakeElement("qtpRep:PropertyRef", "text"),
                                        MakeElement("qtpRep:OrdinalIdentifier", "", {{"Type", "Index"}},
                                                    {MakeElement("qtpRep:Value", "0")})}));
    return MakeElement("qtpRep:Object", "", {{"Name", "OK"}, {"Class", "WinButton"}}, children);
}

class UftPropsTest : public ProjectTest {
protected:
    UftPropsTest() { button->SetToolData(UftData()); }

    std::unique_ptr<CXMLElement> Run(const std::function<int(CPropsQTPDlg&)>& steps, bool readOnly = false) {
        host.session = [&](EditorDialog& open) { return steps(static_cast<CPropsQTPDlg&>(open)); };
        return dialog.EditUftProperties(*button, button->GetToolData(), readOnly);
    }
    static int RowOf(const CPropsQTPDlg& open, const std::string& name) {
        const EditorList& rows = open.List(kUftProperties);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == name) return row;
        return -1;
    }
    static Refused Set(CPropsQTPDlg& open) {
        return Attempt(open, [&] { return open.ApplyProperty(); });
    }

    FakeEditorHost host;
    CPropsQTPDlg dialog{host};
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", main, kWndPushButton);
};

}  // namespace

TEST_F(UftPropsTest, ItOpensWithTheEntryAndItsEnvironmentAndRefusesAnUnknownClass) {
    auto edited = Run([&](CPropsQTPDlg& open) {
        EXPECT_EQ(open.GetTitle(), "UFT Properties of Push Button OK");
        EXPECT_EQ(open.GetText(kUftName), "OK");
        EXPECT_EQ(open.GetText(kUftEnvironment), "Standard Windows");
        EXPECT_EQ(open.GetText(kUftOrdinalType), "Index");
        EXPECT_EQ(open.GetText(kUftOrdinalValue), "0");
        const EditorList& rows = open.List(kUftProperties);
        EXPECT_EQ(rows.Columns().size(), 5u);
        if (rows.RowCount() != 2) return ADD_FAILURE() << rows.RowCount(), kIdCancel;
        EXPECT_EQ(rows.RowTexts(0), (std::vector<std::string>{"nativeclass", "STRING", "param2", "Y", "N"}));
        EXPECT_EQ(rows.RowTexts(1), (std::vector<std::string>{"text", "STRING", "OK", "N", "Y"}));
        open.SetText(kUftClass, "Foo");
        EXPECT_EQ(Attempt(open, [&] { return open.OnOK(); }),
                  (Refused{"'Foo' is not a valid UFT class! [W1186]", "Invalid Class", kUftClass}));
        return kIdCancel;
    });
    EXPECT_FALSE(edited);

    button->GetToolData()->SetAttributeValue("Class", "Foo");
    Run([&](CPropsQTPDlg& open) {
        EXPECT_EQ(open.GetText(kUftEnvironment), "UNKNOWN");
        return kIdCancel;
    });
}

TEST_F(UftPropsTest, WithoutToolDataOrReadOnlyNothingComesBack) {
    CWindowKav* bare = project.AddWindow("Bare", main, kWndPushButton);
    EXPECT_FALSE(dialog.EditUftProperties(*bare, nullptr, false));
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Window does not have UFT properties! [W1184]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "No UFT Window");

    EXPECT_FALSE(Run(
        [&](CPropsQTPDlg& open) {
            for (int id : {kUftNew, kUftSet, kUftDelete}) EXPECT_FALSE(open.IsShown(id));
            EXPECT_FALSE(open.IsEnabled(kUftName));
            EXPECT_TRUE(open.OnOK());
            return kIdOk;
        },
        true));
}

TEST_F(UftPropsTest, TheOrdinalValueMustBeDigits) {
    struct Case {
        const char* value;
        std::string refused;
    };
    const Case cases[] = {{"12a", "The ordinal value must only contain digits! [W1193]"},
                          {"", "Please specify an ordinal value! [W1192]"},
                          {"007", ""}};
    for (const Case& c : cases) {
        auto edited = Run([&](CPropsQTPDlg& open) {
            open.SetText(kUftOrdinalValue, c.value);
            const Refused refused = Attempt(open, [&] { return open.OnOK(); });
            EXPECT_EQ(refused.text, c.refused) << c.value;
            if (!c.refused.empty()) {
                EXPECT_EQ(refused.caption, "Invalid Ordinal Value");
                return kIdCancel;
            }
            return kIdOk;
        });
        if (c.refused.empty()) {
            ASSERT_TRUE(edited);
            EXPECT_EQ(edited->FindByName("qtpRep:OrdinalIdentifier")->FindChild("qtpRep:Value")->GetValue(), "007");
        }
    }
    auto edited = Run([&](CPropsQTPDlg& open) {
        open.SetText(kUftOrdinalType, "");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->FindByName("qtpRep:OrdinalIdentifier"));
}

TEST_F(UftPropsTest, PropertiesAreAddedRenamedAndSwitchedBetweenValueAndParameter) {
    auto edited = Run([&](CPropsQTPDlg& open) {
        open.SetText(kUftPropertyName, "TEXT");
        EXPECT_EQ(Set(open), (Refused{"An item with this name is already existing! [W0746]", "Invalid Name",
                                      kUftPropertyName}));
        open.SetText(kUftPropertyName, "");
        EXPECT_EQ(Set(open).text, "Please enter a valid name! [W0739]");

        // A constant becomes a parameter, used for basic identification twice over.
        open.ChooseRow(kUftProperties, RowOf(open, "text"));
        EXPECT_EQ(open.GetText(kUftValue), "OK");
        EXPECT_TRUE(open.IsChecked(kUftBasicId));
        open.SetChecked(kUftConstant, false);
        open.SetChecked(kUftParameter, true);
        open.OnValueKind();
        EXPECT_FALSE(open.IsEnabled(kUftValue));
        open.SetText(kUftParameterName, "param3");
        EXPECT_EQ(Set(open), Refused{});
        open.ChooseRow(kUftProperties, RowOf(open, "text"));
        EXPECT_EQ(open.GetText(kUftParameterName), "param3");
        EXPECT_EQ(Set(open), Refused{});

        // Renamed in letter case only; to another's name it is refused.
        open.ChooseRow(kUftProperties, RowOf(open, "nativeclass"));
        open.SetText(kUftPropertyName, "Text");
        EXPECT_EQ(Set(open).text, "An item with this name is already existing! [W0747]");
        open.SetText(kUftPropertyName, "NativeClass");
        EXPECT_EQ(Set(open), Refused{});

        // A name typed but not set is taken by OK.
        open.SetText(kUftPropertyName, "width");
        open.SetText(kUftPropertyType, "NUMBER");
        open.SetText(kUftValue, "80");
        open.SetChecked(kUftRegex, true);
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    ASSERT_TRUE(edited);
    const CXMLElement* text = edited->FindByAttribute("qtpRep:Property", "Name", "text");
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->FindChild("qtpRep:Value"));
    ASSERT_TRUE(text->FindChild("qtpRep:Parameter"));
    EXPECT_EQ(text->FindChild("qtpRep:Parameter")->GetValue(), "param3");
    EXPECT_EQ(text->FindChild("qtpRep:Parameter")->GetAttributeValue("Type"), "Repository");
    CXMLElement* basic = edited->FindByName("qtpRep:BasicIdentification");
    int refs = 0;
    for (const CXMLElement* child : basic->GetChildren()) refs += child->GetName() == "qtpRep:PropertyRef";
    EXPECT_EQ(refs, 1);
    EXPECT_TRUE(edited->FindByAttribute("qtpRep:Property", "Name", "NativeClass"));
    const CXMLElement* width = edited->FindByAttribute("qtpRep:Property", "Name", "width");
    ASSERT_TRUE(width);
    EXPECT_EQ(width->GetAttributeValue("Type"), "NUMBER");
    EXPECT_EQ(width->FindChild("qtpRep:Value")->GetValue(), "80");
    EXPECT_EQ(width->FindChild("qtpRep:Value")->GetAttributeValue("RegularExpression"), "-1");
    // The window's own tool data is never touched.
    EXPECT_TRUE(button->GetToolData()->IsEqual(std::unique_ptr<CXMLElement>(UftData()).get()));
}

TEST_F(UftPropsTest, DeletingAPropertyRemovesItsReferences) {
    auto edited = Run([&](CPropsQTPDlg& open) {
        open.ChooseRow(kUftProperties, RowOf(open, "text"));
        TestInteraction().answers.push_back(MessageAnswer::Yes);
        open.OnDelete();
        EXPECT_EQ(open.List(kUftProperties).RowCount(), 1);
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->FindByAttribute("qtpRep:Property", "Name", "text"));
    EXPECT_FALSE(edited->FindByName("qtpRep:PropertyRef"));
}

TEST_F(UftPropsTest, MalformedToolDataIsReportedAndLeftAlone) {
    delete button->GetToolData();
    button->SetToolData(MakeElement("qtpRep:Object", "", {{"Name", "OK"}, {"Class", "WinButton"}}));
    EXPECT_FALSE(Run([&](CPropsQTPDlg& open) {
        open.SetText(kUftPropertyName, "text");
        EXPECT_FALSE(open.ApplyProperty());
        return kIdCancel;
    }));
    ASSERT_GE(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: UFT properties have invalid XML structure! [F0146]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Invalid XML");

    // A new property needs the basic identification, which is checked before anything changes.
    delete button->GetToolData();
    button->SetToolData(UftData(false));
    TestInteraction().messages.clear();
    Run([&](CPropsQTPDlg& open) {
        open.SetText(kUftPropertyName, "width");
        EXPECT_FALSE(open.ApplyProperty());
        EXPECT_EQ(open.GetCopy().FindChild("qtpRep:Properties")->GetChildren().size(), 2u);
        return kIdCancel;
    });
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
}

TEST_F(UftPropsTest, TheWindowPropertyDialogPassesARenamedIdAndKeepsTheResult) {
    app.SetOutputFormat(7);
    FakeEditorHost frame;
    std::unique_ptr<CPropertiesDlg> properties = CPropertiesDlg::CreateForType(frame, app, kWndPushButton);
    frame.session = [&](EditorDialog& open) -> int {
        if (auto* uft = dynamic_cast<CPropsQTPDlg*>(&open)) {
            EXPECT_EQ(uft->GetText(kUftName), "Accept");
            uft->SetText(kUftOrdinalValue, "3");
            return uft->OnOK() ? kIdOk : kIdCancel;
        }
        open.SetText(kPropWindowId, "Accept");
        properties->OnToolProperties();
        return open.OnOK() ? kIdOk : kIdCancel;
    };
    EXPECT_EQ(properties->EditWindow(*button), 2);
    EXPECT_EQ(button->GetToolData()->GetAttributeValue("Name"), "Accept");
    EXPECT_EQ(button->GetToolData()->FindByName("qtpRep:OrdinalIdentifier")->FindChild("qtpRep:Value")->GetValue(),
              "3");
}

namespace {

class SmurfPropsTest : public ProjectTest {
protected:
    std::unique_ptr<CXMLElement> Run(CWindowKav& window, const CXMLElement* data,
                                     const std::function<int(CPropsSMURFDlg&)>& steps, bool readOnly = false) {
        host.session = [&](EditorDialog& open) { return steps(static_cast<CPropsSMURFDlg&>(open)); };
        return dialog.EditSmurfProperties(window, data, readOnly);
    }
    static std::vector<std::string> ChildNames(const CXMLElement& element) {
        std::vector<std::string> names;
        for (const CXMLElement* child : element.GetChildren()) names.push_back(child->GetName());
        return names;
    }

    FakeEditorHost host;
    CPropsSMURFDlg dialog{host};
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* field = project.AddWindow("Field", main, kWndInputField);
};

}  // namespace

TEST_F(SmurfPropsTest, WithoutToolDataOkMakesTheThreeFixedChildrenAndTheXmlsElements) {
    auto edited = Run(*main, nullptr, [&](CPropsSMURFDlg& open) {
        EXPECT_EQ(open.GetTitle(), "SMURF Properties of Main Window Main");
        EXPECT_EQ(open.GetText(kSmurfSymbolicName), main->GetInternalID());
        EXPECT_TRUE(open.IsEnabled(kSmurfApplication));
        open.SetText(kSmurfXml, "<testObject><locator>id=main</locator></testObject>");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->GetName(), "smurfData");
    EXPECT_EQ(ChildNames(*edited), (std::vector<std::string>{"description", "smurfType", "application", "locator"}));
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(edited->GetChildren()[i]->GetValue(), "");
    EXPECT_EQ(edited->GetChildren()[3]->GetValue(), "id=main");
}

TEST_F(SmurfPropsTest, ChildrenNamedInOtherCaseStayInTheXmlAndOrderIsRewritten) {
    std::unique_ptr<CXMLElement> data(MakeElement(
        "smurfData", "", {},
        {MakeElement("Description", "kept as XML"), MakeElement("locator", "id=f"), MakeElement("application", "Shop"),
         MakeElement("description", "The field")}));
    auto edited = Run(*field, data.get(), [&](CPropsSMURFDlg& open) {
        EXPECT_EQ(open.GetText(kSmurfDescription), "The field");
        EXPECT_EQ(open.GetText(kSmurfApplication), "Shop");
        EXPECT_FALSE(open.IsEnabled(kSmurfApplication));  // a child window
        EXPECT_NE(open.GetText(kSmurfXml).find("kept as XML"), std::string::npos);
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    ASSERT_TRUE(edited);
    EXPECT_EQ(ChildNames(*edited),
              (std::vector<std::string>{"description", "smurfType", "application", "Description", "locator"}));
    EXPECT_EQ(edited->GetChildren()[2]->GetValue(), "Shop");
}

TEST_F(SmurfPropsTest, BadXmlKeepsTheDialogOpenAndReadOnlyReturnsNothing) {
    auto edited = Run(*main, nullptr, [&](CPropsSMURFDlg& open) {
        open.SetText(kSmurfXml, "<testObject><a></testObject>");
        const Refused refused = Attempt(open, [&] { return open.OnOK(); });
        EXPECT_FALSE(refused.text.empty());
        EXPECT_EQ(refused.caption, "Invalid XML Format");
        EXPECT_EQ(refused.focus, kSmurfXml);
        return kIdCancel;
    });
    EXPECT_FALSE(edited);
    EXPECT_FALSE(Run(
        *main, nullptr,
        [&](CPropsSMURFDlg& open) {
            EXPECT_FALSE(open.IsEnabled(kSmurfXml));
            return open.OnOK() ? kIdOk : kIdCancel;
        },
        true));
}

TEST(SmurfPropsSaved, TheEditedProjectPassesXmlLintAndReloadsEqual) {
    ScratchFolder folder;
    CApplicationKav saved;
    CurrentApplication = &saved;
    CXMLDataManager reader;
    MessageLog log;
    ASSERT_GE(reader.LoadProject(std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml", &log), 1)
        << GetGlobalMessageBuffer();
    saved.SetOutputFormat(14);
    CWindowKav* window = nullptr;
    for (CWindowKav* each : saved.GetWindowList().Snapshot())
        if (!each->GetParent() && !each->GetChildren().empty()) window = each;
    ASSERT_TRUE(window);

    FakeEditorHost host;
    host.session = [&](EditorDialog& open) -> int {
        if (dynamic_cast<CPropsSMURFDlg*>(&open)) {
            open.SetText(kSmurfDescription, "The <main> window & more");
            open.SetText(kSmurfApplication, "Insurance");
            open.SetText(kSmurfXml, "<testObject><locator kind=\"id\">main</locator></testObject>");
            return open.OnOK() ? kIdOk : kIdCancel;
        }
        static_cast<CPropertiesDlg&>(open).OnToolProperties();
        return open.OnOK() ? kIdOk : kIdCancel;
    };
    ASSERT_EQ(EditWindowProperties(host, saved, *window), 1);
    EXPECT_EQ(window->GetChildren()[0]->GetSmurfValue("application"), "Insurance");
    const std::string path = (folder.Path() / "Insurance.xml").string();
    std::string unused;
    ASSERT_EQ(reader.SaveProject(true, path, saved, unused), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0);

    CApplicationKav loaded;
    CurrentApplication = &loaded;
    CXMLDataManager second;
    ASSERT_GE(second.LoadProject(path, &log), 1) << GetGlobalMessageBuffer();
    for (const CWindowKav* before : saved.GetWindowList().Snapshot()) {
        const CWindowKav* after = loaded.GetWindowList().FindByID(before->GetInternalID());
        ASSERT_TRUE(after) << before->GetName();
        EXPECT_TRUE(before->IsEqual(after)) << before->GetName();
    }
    EXPECT_EQ(loaded.GetWindowList().FindByID(window->GetInternalID())->GetSmurfValue("description"),
              "The <main> window & more");
    CurrentApplication = nullptr;
}
