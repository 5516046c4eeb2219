#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/ActionKav.h"
#include "model/windows/WindowTypes.h"
#include "tests/support/WindowBuilder.h"

namespace {

class WindowElements : public ElementTest {
protected:
    TestProject source;

    // Reads the elements; the window read with that internal ID, or null.
    CWindowKav* ReadWindows(const std::string& elements, const std::string& id = "w1") {
        loaded_.GetWindowList().DeleteAll();
        if (!Read(elements)) return nullptr;
        return loaded_.GetWindowList().FindByID(id);
    }

    std::string WriteWindow(const CWindowKav& window) {
        reader_.WriteWindow(window);
        return Written();
    }
};

}  // namespace

TEST_F(WindowElements, AWindowsTypeDefaultsToCustomAndMustBeKnown) {
    const CWindowKav* custom = ReadWindows("<WND ID=\"w1\" Name=\"Any\"/>");
    ASSERT_TRUE(custom) << Message();
    EXPECT_EQ(custom->GetType(), kWndCustom);
    EXPECT_EQ(custom->GetGuiID(), 999);
    EXPECT_EQ(custom->GetFileId(), file_->GetID());

    struct Case {
        const char* element;
        const char* message;
    } cases[] = {
        {"<WND ID=\"w9\" Name=\"A\" Type=\"22\"/>", "Window w9 has illegal type! [W0852]"},
        {"<WND ID=\"w9\" Name=\"A\" Type=\"-1\"/>", "Window w9 has illegal type! [W0852]"},
        {"<WND Name=\"A\"/>", "Missing or invalid ID for tag 'WND'! [W0851]"},
        {"<WND ID=\"w1\" Name=\"\"/>", "Window w1 has illegal ID:\nThe window ID must not be empty! [W0524] [W1145]"},
        {"<WND ID=\"w1\" Name=\"A b\"/>",
         "Window w1 has illegal ID:\nIllegal character ' ' in window ID! [W0526] [W1145]"},
        {"<WND ID=\"w1\" Name=\"A\"><TRANS Name=\"t\"/></WND>", "Missing or invalid ID for tag 'TRANS'! [W0849]"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadWindows(c.element)) << c.element;
        EXPECT_EQ(Message(), c.message);
    }
}

// Every common field of a window, with defaults left out; the rectangle, the parent and the
// import tool are read for every type.
TEST_F(WindowElements, EveryFieldOfAWindowIsWrittenAndReadBack) {
    CWindowKav* main = source.AddWindow("Main");
    main->SetInternalID("w0");
    CWindowKav* edit = source.AddWindow("Edit", main, kWndInputField);
    edit->SetInternalID("w1");
    edit->SetNumID(1001);
    edit->SetTag("[Edit]#1");
    edit->SetMethod(1);
    edit->SetStyle(0x80000000u | 0x80u);
    edit->SetExStyle(0x200);
    edit->SetTabNr(4);
    edit->SetImportTool(2);
    edit->SetRect({10, 20, 110, 40});
    edit->SetCaption("Name: \"first\"");
    As<CInputFieldKav>(edit).SetInitialValue("Smith");
    edit->GetAttributes().Add(new CAttributeKav("Len", 2, "30"))->SetId("a1");

    const std::string text = WriteWindow(*edit);
    EXPECT_EQ(text, "<WND ID=\"w1\" ParentID=\"w0\" Name=\"Edit\" Type=\"6\" NumID=\"1001\" GuiID=\"0\""
                    " Caption=\"Name: &quot;first&quot;\" Tag=\"[Edit]#1\" Method=\"C\" Style=\"-2147483520\""
                    " ExStyle=\"512\" TabNr=\"4\" ImportTool=\"2\" PosL=\"10\" PosR=\"110\" PosT=\"20\" PosB=\"40\""
                    " Extra1=\"Smith\">\r\n"
                    "<ATT ID=\"a1\" Name=\"Len\" Type=\"2\" Value=\"30\"/>\r\n"
                    "</WND>\r\n");

    CWindowKav* read = ReadWindows(text);
    ASSERT_TRUE(read) << Message();
    EXPECT_EQ(read->GetParentID(), "w0");
    EXPECT_EQ(read->GetParent(), nullptr);  // the tree is built once the whole project is read
    EXPECT_EQ(read->GetStyle(), 0x80000080u);
    EXPECT_EQ(read->GetRect(), (WindowRect{10, 20, 110, 40}));
    EXPECT_EQ(read->GetImportTool(), 2);
    EXPECT_TRUE(read->IsEqual(edit));
}

TEST_F(WindowElements, TheMethodIsByCaptionOnlyForAnUpperCaseC) {
    for (const auto& [method, expected] : {std::pair{"C", 1}, {"c", 0}, {"P", 0}, {"", 0}}) {
        const CWindowKav* read = ReadWindows(std::string("<WND ID=\"w1\" Name=\"A\" Method=\"") + method + "\"/>");
        ASSERT_TRUE(read) << Message();
        EXPECT_EQ(read->GetMethod(), expected) << method;
    }
}

// The window base keeps no control characters in a caption; each becomes a blank.
TEST_F(WindowElements, ControlCharactersOfACaptionLoadAsBlanks) {
    const CWindowKav* read = ReadWindows("<WND ID=\"w1\" Name=\"A\" Caption=\"a&#x9;b&#xd;&#xa;c\"/>");
    ASSERT_TRUE(read) << Message();
    EXPECT_EQ(read->GetCaption(), "a b  c");
}

// A menu bar takes neither class, caption, style words, tab number nor method; a menu item
// neither class nor method.
TEST_F(WindowElements, MenusLoadWithoutWhatTheirTypesDoNotTake) {
    const std::string common = " Class=\"Menu\" Caption=\"&amp;File\" Style=\"16\" ExStyle=\"1\" TabNr=\"2\" Method=\"C\"";
    const CWindowKav* menu = ReadWindows("<WND ID=\"w1\" Name=\"Bar\" Type=\"4\"" + common + "/>");
    ASSERT_TRUE(menu) << Message();
    EXPECT_EQ(std::make_tuple(menu->GetClass(), menu->GetCaption(), menu->GetStyle(), menu->GetExStyle(),
                              menu->GetTabNr(), menu->GetMethod(), menu->GetGuiID()),
              std::make_tuple("", "", MakeWindow("Bar", kWndMenu)->GetStyle(), 0u, 0, 0, 999));
    const CWindowKav* item = ReadWindows("<WND ID=\"w1\" Name=\"File\" Type=\"17\"" + common + "/>");
    ASSERT_TRUE(item) << Message();
    EXPECT_EQ(std::make_tuple(item->GetClass(), item->GetMethod(), item->GetCaption(), item->GetTabNr()),
              std::make_tuple("", 0, "&File", 2));
}

TEST_F(WindowElements, ACheckBoxCarriesItsValue) {
    const CWindowKav* box = ReadWindows("<WND ID=\"w1\" Name=\"Box\" Type=\"9\" Extra1=\"1\"/>");
    ASSERT_TRUE(box) << Message();
    EXPECT_EQ(static_cast<const CCheckBoxKav*>(box)->GetValue(), 1);
    const std::string text = WriteWindow(*box);
    EXPECT_NE(text.find(" Extra1=\"1\""), std::string::npos) << text;
}

// The tab control names its selected page by the page's identifier; a page names its window by
// the window's internal ID when its designator resolves to a window.
TEST_F(WindowElements, ATabControlWritesItsPagesAndNamesTheSelectedOne) {
    CWindowKav* tabs = source.AddWindow("Tabs", nullptr, kWndTabControl);
    tabs->SetInternalID("w1");
    source.AddWindow("PageOne", nullptr, kWndChild)->SetInternalID("w2");
    auto& control = As<CTabControlKav>(tabs);
    control.GetPages().Add(new CTabPage("General", "PageOne"))->SetUniqueId("p1");
    control.GetPages().Add(new CTabPage(std::string(51, 'T'), "Nowhere"))->SetUniqueId("p2");
    control.SetSelectedPageTitle("GENERAL");

    const std::string text = WriteWindow(*tabs);
    EXPECT_EQ(text, "<WND ID=\"w1\" Name=\"Tabs\" Type=\"13\" GuiID=\"0\" Extra1=\"p1\">\r\n"
                    "<TABPAGE ID=\"p1\" PageWndID=\"w2\" Title=\"General\"/>\r\n"
                    "<TABPAGE ID=\"p2\" Title=\"" + std::string(49, 'T') + "*\"/>\r\n"
                    "</WND>\r\n");
    control.SetSelectedPageTitle("Other");
    EXPECT_EQ(WriteWindow(*tabs).find("Extra1"), std::string::npos);

    CWindowKav* read = ReadWindows(text + "<WND ID=\"w3\" Name=\"Long\" Type=\"13\">"
                                          "<TABPAGE ID=\"p3\" Title=\"" + std::string(60, 'L') + "\"/></WND>");
    ASSERT_TRUE(read) << Message();
    const auto& readControl = As<CTabControlKav>(read);
    EXPECT_EQ(readControl.GetSelectedPageUniqueId(), "p1");
    EXPECT_EQ(readControl.GetSelectedPageTitle(), "");  // named once references are resolved
    ASSERT_EQ(readControl.GetPages().size(), 2u);
    const CTabPage* page = readControl.GetPages()[0];
    EXPECT_EQ(std::make_tuple(page->GetUniqueId(), page->GetPageWindowRef(), page->GetPageWindowId(), page->GetTitle()),
              std::make_tuple("p1", "w2", "", "General"));
    const auto& longTitled = As<CTabControlKav>(loaded_.GetWindowList().FindByID("w3"));
    EXPECT_EQ(longTitled.GetPages()[0]->GetTitle(), std::string(49, 'L') + "*");
}

TEST_F(WindowElements, TabPagesStandOnlyInTabControls) {
    EXPECT_FALSE(ReadWindows("<WND ID=\"w1\" Name=\"Ok\" Type=\"8\"><TABPAGE ID=\"p1\"/></WND>"));
    EXPECT_EQ(Message(), "Tag 'TABPAGE' may only be used inside a tab control window definition! [W0853]");
    EXPECT_FALSE(ReadWindows("<TABPAGE ID=\"p1\"/>"));
    EXPECT_EQ(Message(), "Invalid file structure: 'TABPAGE' tag detected at invalid position! [W0899]");
    EXPECT_FALSE(ReadWindows("<WND ID=\"w1\" Name=\"T\" Type=\"13\"><TABPAGE Title=\"x\"/></WND>"));
    EXPECT_EQ(Message(), "Missing or invalid ID for tag 'TABPAGE'! [W0838]");
}

TEST_F(WindowElements, TransitionsLeaveOutTheirDefaultsButNotAnEmptyResultValue) {
    CWindowKav* main = source.AddWindow("Main");
    main->SetInternalID("w1");
    CWindowKav* dialog = source.AddWindow("Dlg", nullptr, kWndDialogBox);
    dialog->SetInternalID("w2");
    CTransitionKav* plain = source.AddTransition(main, "Plain");
    plain->SetId("t1");
    plain->SetResultValue("0");
    CTransitionKav* full = source.AddTransition(main, "Open");
    full->SetId("t2");
    full->SetDestWindow(dialog);
    full->SetEvent("{Click}");
    full->SetCommands("click");
    full->SetDelay(2);
    full->SetDescription("d");
    full->SetInput("i");
    full->SetExpectedResult("r");
    full->SetResultValue("");
    full->SetCriticality(0);
    full->SetErrorCase(1);
    full->GetAttributes().Add(new CAttributeKav("Tester", 4, "me"))->SetId("u1");
    auto* condition = full->GetConditions().Add(new CConditionKav("C", "#Main:$Enabled#"));
    condition->SetUniqueId("k1");
    full->GetActions().Add(new CActionKav(6))->SetId("x1");

    const std::string text = WriteWindow(*main);
    EXPECT_EQ(text, "<WND ID=\"w1\" Name=\"Main\" Type=\"0\" GuiID=\"0\">\r\n"
                    "<TRANS ID=\"t1\" Name=\"Plain\"/>\r\n"
                    "<TRANS ID=\"t2\" DestWndID=\"w2\" Name=\"Open\" Event=\"{Click}\" Cmds=\"click\" Delay=\"2\""
                    " Descr=\"d\" Input=\"i\" Result=\"r\" ResultValue=\"\" Criticality=\"0\" ErrorCase=\"1\">\r\n"
                    "<USR_FIELD ID=\"u1\" Name=\"Tester\" Value=\"me\"/>\r\n"
                    "<CND ID=\"k1\" Name=\"C\" Text=\"#Main:$Enabled#\"/>\r\n"
                    "<ACT ID=\"x1\" ActionID=\"6\"/>\r\n"
                    "</TRANS>\r\n"
                    "</WND>\r\n");

    CWindowKav* read = ReadWindows(text);
    ASSERT_TRUE(read) << Message();
    ASSERT_EQ(read->GetTransitions().size(), 2u);
    const CTransitionKav* t = read->GetTransitions()[1];
    EXPECT_EQ(std::make_tuple(t->GetId(), t->GetDestWndId(), t->GetName(), t->GetEvent(), t->GetCommands(),
                              t->GetDelay(), t->GetDescription(), t->GetInput(), t->GetExpectedResult(),
                              t->GetResultValue(), t->GetCriticality(), t->GetErrorCase()),
              std::make_tuple("t2", "w2", "Open", "{Click}", "click", 2, "d", "i", "r", "0", 0, 1));
    EXPECT_EQ(t->GetStartWindow(), read);
    EXPECT_EQ(t->GetDestWindow(), nullptr);
    ASSERT_EQ(t->GetAttributes().size(), 1u);
    ASSERT_EQ(t->GetConditions().size(), 1u);
    ASSERT_EQ(t->GetActions().size(), 1u);
    EXPECT_EQ(t->GetActions()[0]->GetNumber(), 6);
    EXPECT_EQ(read->GetTransitions()[0]->GetCriticality(), 2);
}

// Three levels of elements with two attributes each: the attributes of an element come before
// its child elements.
TEST_F(WindowElements, ToolDataIsCarriedAsANestedTree) {
    CWindowKav* main = source.AddWindow("Main");
    main->SetInternalID("w1");
    main->SetToolData(MakeElement("root", "", {{"a", "1"}, {"b", "2"}},
                                  {MakeElement("mid", "v&w", {{"c", "3"}, {"d", "4"}},
                                               {MakeElement("leaf", "", {{"e", "5"}, {"f", "<6>"}})})}));
    const std::string text = WriteWindow(*main);
    EXPECT_EQ(text, "<WND ID=\"w1\" Name=\"Main\" Type=\"0\" GuiID=\"0\">\r\n"
                    "<XML_ELEMENT Name=\"root\">\r\n"
                    "<XML_ATT Name=\"a\" Value=\"1\"/>\r\n"
                    "<XML_ATT Name=\"b\" Value=\"2\"/>\r\n"
                    "<XML_ELEMENT Name=\"mid\" Value=\"v&amp;w\">\r\n"
                    "<XML_ATT Name=\"c\" Value=\"3\"/>\r\n"
                    "<XML_ATT Name=\"d\" Value=\"4\"/>\r\n"
                    "<XML_ELEMENT Name=\"leaf\">\r\n"
                    "<XML_ATT Name=\"e\" Value=\"5\"/>\r\n"
                    "<XML_ATT Name=\"f\" Value=\"&lt;6&gt;\"/>\r\n"
                    "</XML_ELEMENT>\r\n"
                    "</XML_ELEMENT>\r\n"
                    "</XML_ELEMENT>\r\n"
                    "</WND>\r\n");

    // A second window follows: nothing of the first one's tree may stay open for it.
    const CWindowKav* read = ReadWindows(text + "<WND ID=\"w2\" Name=\"Next\"><XML_ELEMENT Name=\"own\"/></WND>");
    ASSERT_TRUE(read) << Message();
    ASSERT_TRUE(read->GetToolData());
    EXPECT_TRUE(read->GetToolData()->IsEqual(main->GetToolData()));
    const CXMLElement* next = loaded_.GetWindowList().FindByID("w2")->GetToolData();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->GetName(), "own");
    EXPECT_TRUE(read->GetToolData()->GetChildren()[0]->GetChildren()[0]->GetChildren().empty());
}

TEST_F(WindowElements, ToolDataStandsOnlyInWindowsAndItsOwnElements) {
    struct Case {
        const char* elements;
        const char* message;
    } cases[] = {
        {"<WND ID=\"w1\" Name=\"A\"><XML_ATT Name=\"a\"/></WND>",
         "Invalid file structure: 'XML_ATT' tag detected at invalid position! [W1183]"},
        {"<WND ID=\"w1\" Name=\"A\"><TRANS ID=\"t\"><XML_ELEMENT/></TRANS></WND>",
         "Invalid file structure: 'XML_ELEMENT' tag detected at invalid position! [W1185]"},
        {"<XML_ELEMENT/>", "Invalid file structure: 'XML_ELEMENT' tag detected at invalid position! [W1185]"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadWindows(c.elements)) << c.elements;
        EXPECT_EQ(Message(), c.message);
    }
}

// A window holds one tree; a second one replaces the first without leaking it.
TEST_F(WindowElements, ASecondToolDataTreeReplacesTheFirst) {
    const CWindowKav* read = ReadWindows("<WND ID=\"w1\" Name=\"A\"><XML_ELEMENT Name=\"one\"><XML_ATT Name=\"x\"/>"
                                         "</XML_ELEMENT><XML_ELEMENT Name=\"two\"/></WND>");
    ASSERT_TRUE(read) << Message();
    EXPECT_EQ(read->GetToolData()->GetName(), "two");
    EXPECT_TRUE(read->GetToolData()->GetAttributes().empty());
}
