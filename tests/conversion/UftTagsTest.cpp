// UFT descriptions, generated through the converter table as the tag generation asks for them:
// identification properties by GUI builder and preference, values as regular expressions, and
// ordinal identifiers for equal descriptions in a captioned window's scope.
#include <gtest/gtest.h>

#include "SilkTestWindows.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/uft/QTP.h"
#include "conversion/xml/XMLConverter.h"
#include "model/Win32Styles.h"
#include "model/XMLElement.h"
#include "tests/support/GlobalState.h"

namespace {

constexpr int kWeb = 995;
constexpr int kJava = 996;
constexpr int kNone = 999;
constexpr int kNumericId = 0;
constexpr int kCaption = 1;

class UftTagsTest : public ProjectTest {
protected:
    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return AddSpecWindow(project, name, parent, spec);
    }

    static int Generate(CWindowKav* window, int preference = kNumericId) {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), kFormatUft);
        EXPECT_TRUE(entry && entry->generateTags);
        return entry ? entry->generateTags(*window, preference) : -1;
    }

    // The description as XML text, one element per line.
    static std::string Description(const CWindowKav* window) {
        CXMLConverter writer(XmlConverterMode::UftRepository);
        return writer.WriteElementTree(window->GetToolData(), false);
    }

    // The identification properties: name, type and value of each, in order.
    static std::vector<std::string> Properties(const CWindowKav* window) {
        std::vector<std::string> properties;
        const CXMLElement* list = window->GetToolData() ? window->GetToolData()->FindChild("qtpRep:Properties") : nullptr;
        if (!list) return properties;
        for (const CXMLElement* property : list->GetChildren())
            properties.push_back(property->GetAttributeValue("Name") + " " + property->GetAttributeValue("Type") + " " +
                                 property->FindChild("qtpRep:Value")->GetValue());
        return properties;
    }

    // "Type Value" of the window's ordinal identifier; "" without one.
    static std::string Ordinal(const CWindowKav* window) {
        const CXMLElement* identifier = window->GetToolData()->FindByName("qtpRep:OrdinalIdentifier");
        return identifier ? identifier->GetAttributeValue("Type") + " " + identifier->FindChild("qtpRep:Value")->GetValue()
                          : "";
    }
};

using PropertyList = std::vector<std::string>;

TEST_F(UftTagsTest, ADescriptionHoldsTheClassNameAndIdentificationProperties) {
    CWindowKav* dialog = Add("Login", nullptr, {.type = kWndDialogBox, .caption = "Log in", .style = win32::WS_CAPTION});
    CWindowKav* ok = Add("OK", dialog, {.caption = "O.K", .className = "Button", .numId = 1});
    ok->SetTag("stale");
    EXPECT_EQ(Generate(dialog, kCaption), 1);
    EXPECT_EQ(Description(ok),
              "<qtpRep:Object Class=\"WinButton\" Name=\"OK\">\r\n"
              "<qtpRep:Properties>\r\n"
              "<qtpRep:Property Name=\"nativeclass\" Type=\"STRING\" RegularExpression=\"-1\">\r\n"
              "<qtpRep:Value>Button</qtpRep:Value>\r\n"
              "</qtpRep:Property>\r\n"
              "<qtpRep:Property Name=\"text\" Type=\"STRING\" RegularExpression=\"-1\">\r\n"
              "<qtpRep:Value>O\\.K</qtpRep:Value>\r\n"
              "</qtpRep:Property>\r\n"
              "</qtpRep:Properties>\r\n"
              "<qtpRep:BasicIdentification>\r\n"
              "<qtpRep:PropertyRef>nativeclass</qtpRep:PropertyRef>\r\n"
              "<qtpRep:PropertyRef>text</qtpRep:PropertyRef>\r\n"
              "</qtpRep:BasicIdentification>\r\n"
              "</qtpRep:Object>\r\n");
    EXPECT_EQ(ok->GetTag(), "");
    EXPECT_EQ(Properties(dialog), (PropertyList{"text STRING Log in"}));

    // A description already there keeps its class.
    ok->GetToolData()->SetAttributeValue("Class", "SwfButton");
    Generate(dialog, kNumericId);
    EXPECT_EQ(ok->GetToolData()->GetAttributeValue("Class"), "SwfButton");
    EXPECT_EQ(Properties(ok), (PropertyList{"nativeclass STRING Button", "window id NUMBER 1"}));
}

TEST_F(UftTagsTest, PropertiesFollowTheGuiBuilderAndThePreference) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    Add("Label", dialog, {.type = kWndStaticText, .rect = {0, 0, 40, 20}, .caption = "Name:"});
    const struct {
        WindowSpec spec;
        int preference;
        std::string developerName;  // Java; the web property name on the web
        PropertyList expected;
    } cases[] = {
        {{.type = kWndInputField, .caption = "x", .guiId = kNone, .className = "Afx*", .numId = 1001}, kCaption, "",
         {"nativeclass STRING Afx.*", "text STRING x"}},
        {{.type = kWndInputField, .caption = "x", .guiId = kNone, .className = "Edit", .numId = 1001}, kNumericId, "",
         {"nativeclass STRING Edit", "window id NUMBER 1001"}},
        {{.type = kWndInputField, .guiId = kNone, .numId = 1001}, kCaption, "", {"window id NUMBER 1001"}},
        {{.type = kWndInputField, .rect = {300, 300, 310, 310}, .guiId = kNone, .numId = 65535}, kNumericId, "", {}},
        {{.type = kWndCustom, .caption = "c", .guiId = kNone, .numId = 7, .style = win32::WS_CAPTION}, kNumericId, "",
         {"text STRING c"}},
        // Beside the label: its caption is the attached text.
        {{.type = kWndInputField, .rect = {45, 0, 100, 20}, .guiId = kNone}, kNumericId, "",
         {"attached text STRING Name:"}},
        {{.type = kWndInputField, .rect = {80, 0, 100, 20}, .guiId = kNone}, kNumericId, "", {}},
        {{.type = kWndMenu, .guiId = kNone, .className = "Menu"}, kNumericId, "", {"menuobjtype NUMBER 2"}},
        {{.type = kWndInputField, .caption = "q(1)", .guiId = kWeb}, kNumericId, "", {"name STRING q\\(1\\)"}},
        {{.type = kWndInputField, .caption = "q", .guiId = kWeb}, kNumericId, "id", {"id STRING q"}},
        {{.type = kWndCustom, .caption = "Search", .guiId = kWeb, .className = "html_frame"}, kNumericId, "",
         {"name STRING Search"}},
        {{.type = kWndPushButton, .caption = "OK", .guiId = kJava, .className = "javax.swing.JButton"}, kNumericId,
         "okButton", {"toolkit class STRING javax\\.swing\\.JButton", "developer name STRING okButton", "label STRING OK"}},
        {{.type = kWndInputField, .rect = {45, 0, 100, 20}, .guiId = kJava}, kNumericId, "",
         {"attached text STRING Name:"}},
        {{.type = kWndInputField, .rect = {45, 0, 100, 20}, .guiId = kJava}, kNumericId, "field",
         {"developer name STRING field"}},
    };
    int number = 0;
    for (const auto& [spec, preference, developerName, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++number), dialog, spec);
        if (spec.guiId == kWeb) window->SetHtmlText(developerName);
        else window->SetJavaText(developerName);
        Generate(window, preference);
        EXPECT_EQ(Properties(window), expected) << number;
    }

    CWindowKav* link = Add("Home", dialog, {.type = kWndLink, .caption = "Home", .guiId = kWeb});
    static_cast<CLinkKav*>(link)->SetInitialValue("https://example.org/a?b");
    Generate(link);
    EXPECT_EQ(Properties(link), (PropertyList{"name STRING Home", "href STRING https:\\/\\/example\\.org\\/a\\?b"}));
}

TEST_F(UftTagsTest, EqualDescriptionsInAScopeGetOrdinals) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .caption = "D", .style = win32::WS_CAPTION});
    CWindowKav* right = Add("Right", dialog, {.rect = {50, 0, 90, 20}, .caption = "Go"});
    CWindowKav* lower = Add("Lower", dialog, {.rect = {10, 40, 40, 60}, .caption = "Go"});
    CWindowKav* upper = Add("Upper", dialog, {.rect = {10, 0, 40, 20}, .caption = "Go"});
    CWindowKav* single = Add("Single", dialog, {.rect = {10, 80, 40, 100}, .caption = "Stop"});
    // A captioned child is a scope of its own, never compared with its parent's windows.
    CWindowKav* inner = Add("Inner", dialog, {.type = kWndDialogBox, .caption = "I", .style = win32::WS_CAPTION});
    CWindowKav* innerGo = Add("InnerGo", inner, {.rect = {0, 0, 10, 10}, .caption = "Go"});
    Generate(dialog, kCaption);
    EXPECT_EQ(Ordinal(upper), "Location 0");
    EXPECT_EQ(Ordinal(lower), "Location 1");
    EXPECT_EQ(Ordinal(right), "Location 2");
    EXPECT_EQ(Ordinal(single), "");
    EXPECT_EQ(Ordinal(innerGo), "");
    // Numbering again rewrites the identifiers in place.
    lower->SetRect({0, 100, 5, 110});
    CQTP converter(0, nullptr);
    EXPECT_EQ(converter.AssignOrdinalIdentifiers(dialog), 1);
    EXPECT_EQ(Ordinal(lower), "Location 0");
    EXPECT_EQ(lower->GetToolData()->FindByName("qtpRep:BasicIdentification")->GetChildren().size(), 2u);

    CWindowKav* frame = Add("Frame", nullptr, {.type = kWndMain, .guiId = kJava, .style = win32::WS_CAPTION});
    CWindowKav* second = Add("Second", frame, {.rect = {50, 0, 90, 20}, .caption = "Go", .guiId = kJava});
    CWindowKav* first = Add("First", frame, {.rect = {10, 0, 40, 20}, .caption = "Go", .guiId = kJava});
    Generate(frame);
    EXPECT_EQ(Ordinal(second), "Index 0");
    EXPECT_EQ(Ordinal(first), "Index 1");
}

TEST_F(UftTagsTest, ImportedAndUnsupportedWindowsKeepTheirDescriptions) {
    CWindowKav* main = Add("Main", nullptr, {.type = kWndMain, .caption = "M", .style = win32::WS_CAPTION});
    CWindowKav* menu = Add("Menu", main, {.type = kWndMenu});
    CWindowKav* item = Add("Item", menu, {.type = kWndMenuItem, .caption = "File"});
    CWindowKav* imported = Add("Imported", main, {.rect = {0, 0, 10, 10}, .caption = "Go"});
    CWindowKav* generated = Add("Generated", main, {.rect = {20, 0, 30, 10}, .caption = "Go"});
    Generate(generated);
    imported->SetToolData(generated->GetToolData()->Clone());
    imported->GetToolData()->SetAttributeValue("Name", "FromUft");
    imported->SetImportTool(kFormatUft);
    imported->SetTag("kept");
    Generate(main);
    EXPECT_EQ(imported->GetToolData()->GetAttributeValue("Name"), "FromUft");
    EXPECT_EQ(imported->GetTag(), "kept");
    EXPECT_EQ(item->GetToolData(), nullptr);
    EXPECT_NE(menu->GetToolData(), nullptr);
    // The imported window is still numbered in its scope.
    EXPECT_EQ(Ordinal(imported), "Location 0");
    EXPECT_EQ(Ordinal(generated), "Location 1");
}

TEST_F(UftTagsTest, ADescriptionWithoutPropertiesIsReportedAndNumberingStops) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .caption = "D", .style = win32::WS_CAPTION});
    CWindowKav* a = Add("A", dialog, {.caption = "Go"});
    CWindowKav* b = Add("B", dialog, {.caption = "Go"});
    Generate(a);
    Generate(b);
    b->GetToolData()->GetChildren().Delete(b->GetToolData()->FindChild("qtpRep:Properties"));
    CQTP converter(0, nullptr);
    EXPECT_FALSE(CQTP::HaveSameDescription(a, b));
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{"Fatal Error: UFT properties have invalid XML structure! [F0146]"}));

    // An ordinal identifier without value cannot be numbered.
    Generate(b);
    auto* identifier = new CXMLElement("qtpRep:OrdinalIdentifier");
    b->GetToolData()->FindChild("qtpRep:BasicIdentification")->GetChildren().Add(identifier);
    EXPECT_EQ(converter.AssignOrdinalIdentifiers(dialog), 0);
    EXPECT_EQ(TestInteraction().Texts().size(), 2u);
}

TEST_F(UftTagsTest, TheAttachedTextIsTheNearestLabelWithin35Units) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    CWindowKav* field = Add("Field", dialog, {.type = kWndInputField, .rect = {100, 100, 200, 120}});
    Add("Far", dialog, {.type = kWndStaticText, .rect = {0, 100, 60, 120}, .caption = "Far"});
    EXPECT_EQ(CQTP::FindAttachedText(field), "");
    Add("Above", dialog, {.type = kWndGroupBox, .rect = {100, 70, 200, 90}, .caption = "Above"});
    EXPECT_EQ(CQTP::FindAttachedText(field), "Above");
    Add("Left", dialog, {.type = kWndStaticText, .rect = {40, 100, 95, 120}, .caption = "Left"});
    EXPECT_EQ(CQTP::FindAttachedText(field), "Left");
    EXPECT_EQ(CQTP::FindAttachedText(dialog), "");
}

}  // namespace
