#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/GUIBuilderList.h"

namespace {

class GuiBuilderElements : public ElementTest {
protected:
    CGUIBuilderList& database = GetGuiBuilderDatabase();

    // The installation's builder for standard windows with one class.
    CGUIBuilder* AddPredefined(int guiId) {
        CGUIBuilder* builder = database.Add(new CGUIBuilder("Win32", guiId, 1));
        builder->GetWindowClasses().Add(new CWindowClass("Button", 8, 1, 1));
        return builder;
    }

    bool ReadBuilders(const std::string& elements) { return Read(elements); }

    static std::vector<std::string> ClassNames(const CGUIBuilder* builder) {
        std::vector<std::string> names;
        for (const CWindowClass* c : builder->GetWindowClasses()) names.push_back(c->GetName());
        return names;
    }
};

}  // namespace

TEST_F(GuiBuilderElements, WithoutGuiIdTheNumberIsTakenFromTheStartOfTheIdentifier) {
    ASSERT_TRUE(ReadBuilders("<GUIBUILDER ID=\"17\" Name=\"Qt\"/><GUIBUILDER ID=\"x5\" Name=\"Odd\"/>"
                             "<GUIBUILDER ID=\"8a\" GuiID=\"0\" Name=\"Zero\"/>"))
        << Message();
    ASSERT_EQ(database.size(), 3u);
    EXPECT_EQ(std::make_tuple(database[0]->GetId(), database[0]->GetGuiID(), database[0]->GetName(),
                              database[0]->IsPreDef(), database[0]->GetFileId()),
              std::make_tuple("17", 17, "Qt", false, file_->GetID()));
    EXPECT_EQ(database[1]->GetGuiID(), 0);
    EXPECT_EQ(database[2]->GetGuiID(), 8);
}

// User-defined classes stored under a predefined builder's number join that builder; its own
// identity stays. Closing the project takes them away again.
TEST_F(GuiBuilderElements, AProjectAddsItsOwnClassesToAPredefinedBuilder) {
    CGUIBuilder* win32 = AddPredefined(999);
    const std::string id = win32->GetId();
    ASSERT_TRUE(ReadBuilders("<GUIBUILDER ID=\"b1\" GuiID=\"999\" Name=\"Renamed\" PreDef=\"0\">"
                             "<WNDCLASS ID=\"k1\" Name=\"MyButton\" BaseType=\"8\"/>"
                             "<WNDCLASS ID=\"k2\" Name=\"Sneaked\" PreDef=\"1\"/>"
                             "<WNDCLASS ID=\"k3\" Name=\"MyEdit\" BaseType=\"6\" Default=\"1\"/>"
                             "</GUIBUILDER>"))
        << Message();
    ASSERT_EQ(database.size(), 1u);
    EXPECT_EQ(std::make_tuple(win32->GetId(), win32->GetName(), win32->IsPreDef()), std::make_tuple(id, "Win32", true));
    EXPECT_EQ(ClassNames(win32), (std::vector<std::string>{"Button", "MyButton", "MyEdit"}));
    const CWindowClass* edit = win32->GetWindowClasses()[2];
    EXPECT_EQ(std::make_tuple(edit->GetId(), edit->GetBaseType(), edit->IsPreDef(), edit->IsDefault()),
              std::make_tuple("k3", 6, false, true));

    database.RemoveUserDefined();
    EXPECT_EQ(ClassNames(win32), std::vector<std::string>{"Button"});
}

// A predefined builder that the installation does not know is not kept, and neither are its
// classes; the reader must add them neither to the discarded builder nor to the one before.
TEST_F(GuiBuilderElements, AnUnknownPredefinedBuilderOfAProjectIsDroppedWithItsClasses) {
    ASSERT_TRUE(ReadBuilders("<GUIBUILDER ID=\"b0\" GuiID=\"499\"><WNDCLASS ID=\"k0\" Name=\"Z\"/></GUIBUILDER>"
                             "<GUIBUILDER ID=\"b1\" GuiID=\"500\" PreDef=\"1\">"
                             "<WNDCLASS ID=\"k1\" Name=\"A\"/><WNDCLASS ID=\"k2\" Name=\"B\"/>"
                             "</GUIBUILDER>"
                             "<GUIBUILDER ID=\"b2\" GuiID=\"501\"><WNDCLASS ID=\"k3\" Name=\"C\"/></GUIBUILDER>"))
        << Message();
    ASSERT_EQ(database.size(), 2u);
    EXPECT_EQ(ClassNames(database[0]), std::vector<std::string>{"Z"});
    EXPECT_EQ(database[1]->GetGuiID(), 501);
    EXPECT_EQ(ClassNames(database[1]), std::vector<std::string>{"C"});
}

TEST_F(GuiBuilderElements, TheInstallationsDatabaseKeepsItsPredefinedEntries) {
    reader_.SetProjectMode(false);
    ASSERT_TRUE(ReadBuilders("<GUIBUILDER ID=\"b1\" GuiID=\"999\" Name=\"Win32\" PreDef=\"1\">"
                             "<WNDCLASS ID=\"k1\" Name=\"Button\" BaseType=\"8\" PreDef=\"1\"/>"
                             "</GUIBUILDER>"))
        << Message();
    ASSERT_EQ(database.size(), 1u);
    EXPECT_TRUE(database[0]->IsPreDef());
    EXPECT_EQ(ClassNames(database[0]), std::vector<std::string>{"Button"});
}

TEST_F(GuiBuilderElements, BuildersStandUnderTheRootAndClassesUnderABuilder) {
    struct Case {
        const char* document;
        const char* message;
    } cases[] = {
        {"<KAVRO_DATA><TC ID=\"c\"><WNDCLASS ID=\"k\"/></TC></KAVRO_DATA>",
         "Invalid file structure: 'WNDCLASS' tag detected at invalid position! [W0909]"},
        {"<KAVRO_DATA><WNDCLASS ID=\"k\"/></KAVRO_DATA>",
         "Invalid file structure: 'WNDCLASS' tag detected at invalid position! [W0909]"},
        {"<KAVRO_DATA><PROJECT ID=\"p\"><GUIBUILDER ID=\"1\"/></PROJECT></KAVRO_DATA>",
         "Invalid file structure: 'GUIBUILDER' tag detected at invalid position! [W0896]"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadDocument(c.document)) << c.document;
        EXPECT_EQ(Message(), c.message);
        EXPECT_TRUE(database.empty());
    }
}

TEST_F(GuiBuilderElements, OnlyUserDefinedClassesAreWrittenWithoutTheirDefaults) {
    CGUIBuilder* win32 = AddPredefined(999);
    win32->SetId("b0");
    auto* mine = win32->GetWindowClasses().Add(new CWindowClass("My*", 3, 0, 0));
    mine->SetId("k1");
    reader_.WriteGuiBuilder(*win32);
    EXPECT_EQ(Written(), "<GUIBUILDER ID=\"b0\" GuiID=\"999\" Name=\"Win32\" PreDef=\"1\">\r\n"
                         "<WNDCLASS ID=\"k1\" Name=\"My*\"/>\r\n"
                         "</GUIBUILDER>\r\n");

    CGUIBuilder empty("Mine", 0, 0);
    empty.SetId("b1");
    reader_.WriteGuiBuilder(empty);
    EXPECT_EQ(Written(), "<GUIBUILDER ID=\"b1\" Name=\"Mine\"/>\r\n");
}

TEST_F(GuiBuilderElements, AUserDefinedBuilderReadsBackAsWritten) {
    CGUIBuilder source("Gtk", 1000, 0);
    source.SetId("b1");
    source.GetWindowClasses().Add(new CWindowClass("GtkButton", 8, 0, 1))->SetId("k1");
    source.GetWindowClasses().Add(new CWindowClass("Gtk*Entry", 6, 0, 0))->SetId("k2");
    reader_.WriteGuiBuilder(source);
    const std::string text = Written();
    EXPECT_EQ(text, "<GUIBUILDER ID=\"b1\" GuiID=\"1000\" Name=\"Gtk\">\r\n"
                    "<WNDCLASS ID=\"k1\" Name=\"GtkButton\" BaseType=\"8\" Default=\"1\"/>\r\n"
                    "<WNDCLASS ID=\"k2\" Name=\"Gtk*Entry\" BaseType=\"6\"/>\r\n"
                    "</GUIBUILDER>\r\n");

    ASSERT_TRUE(ReadBuilders(text)) << Message();
    ASSERT_EQ(database.size(), 1u);
    const CGUIBuilder* read = database[0];
    EXPECT_EQ(std::make_tuple(read->GetId(), read->GetGuiID(), read->GetName(), read->IsPreDef()),
              std::make_tuple("b1", 1000, "Gtk", false));
    ASSERT_EQ(read->GetWindowClasses().size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const CWindowClass* a = read->GetWindowClasses()[i];
        const CWindowClass* b = source.GetWindowClasses()[i];
        EXPECT_EQ(std::make_tuple(a->GetId(), a->GetName(), a->GetBaseType(), a->IsPreDef(), a->IsDefault()),
                  std::make_tuple(b->GetId(), b->GetName(), b->GetBaseType(), b->IsPreDef(), b->IsDefault()));
    }
}
