#include "CaptureFixture.h"

namespace {

struct ClassifyCase {
    const char* className;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::optional<int> role;
    std::optional<int> parentRole;  // what the parent gives for child number 1
    int type;
    int guiId;
};

// Classifies a window that is the first child of a plain parent window.
int ClassifyChild(WindowTreeSource& source, const CGuiSpyDlg& spy, const ClassifyCase& c, int& guiId,
                  std::string& className) {
    const WindowHandle parent = source.Add({.className = "Parent"});
    if (c.parentRole) source.Window(parent).childRoles[1] = *c.parentRole;
    const WindowHandle window =
        source.Add({.className = c.className, .style = c.style, .exStyle = c.exStyle, .role = c.role}, parent);
    return spy.ClassifyWindow(window, 0, guiId, className);
}

}  // namespace

TEST(NormaliseClassNameTest, FoldsGeneratedPartsOfMfcAndFormsNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Afx:400000:8:10008:0:3e06bd", "Afx:400000:8:10008:0:*"},
        {"Afx:400000:8:10008:10:x", "Afx:400000:8:10008:*"},
        {"Afx:400000:2b:10008:6:1a", "Afx:400000:*"},
        {"Afx:400000:b:10008:6:1a2b3c", "Afx:400000:b:10008:6:*"},
        {"Afx:400000:abc", "Afx:400000:abc"},
        {"Afx:400000::", "Afx:400000:*"},
        {"afx:400000:8:10008:0:3e06bd", "afx:400000:8:10008:0:3e06bd"},
        {"WindowsForms10.EDIT", "WindowsForms*.EDIT*"},
        {"WindowsForms10.BUTTON.app.0.2bf8098_r11_ad1", "WindowsForms*.BUTTON.*"},
        {"WindowsForms10", "WindowsForms*"},
        {"Button", "Button"},
        {"", ""},
    };
    for (const auto& [raw, expected] : cases) EXPECT_EQ(CGuiSpyDlg::NormaliseClassName(raw), expected) << raw;
}

TEST_F(CaptureTest, ClassifiesByTheInstalledBuildersStylesAndRoles) {
    const ClassifyCase cases[] = {
        {"Button", 0, 0, {}, {}, 8, 999},
        {"Button", 0, 0, 44, {}, 9, 999},
        {"Button", 0, 0, 20, {}, 7, 999},
        {"Button", 0, 0, 9, {}, 3, 999},
        {"Static", 3, 0, {}, {}, 21, 999},
        {"Static", 0xE, 0, {}, {}, 21, 999},
        {"Static", 7, 0, {}, {}, 21, 999},
        {"Static", 1, 0, {}, {}, 5, 999},
        {"Static", 1, 0, 43, {}, 5, 999},  // a mapped class other than a button keeps its type
        {"Foo", 0, 0, {}, {}, 3, 999},
        {"Foo", 0, 0, 10, 43, 8, 999},
        {"Foo", 0, 0, {}, 44, 9, 999},
        {"Foo", 0, 0, 43, 44, 8, 999},  // the parent is asked only for a missing or client role
        {"Foo", 0, 0, 10, {}, 3, 999},
        {"Foo", 0, 0, 12, {}, 17, 999},
        {"WindowsForms10.Window.8.app.0.1", 0x00C00000, 0x00010000, {}, {}, 2, 990},
        {"WindowsForms10.Window.8.app.0.1", 0x00800000, 0x00010000, {}, {}, 7, 990},
        {"WindowsForms10.Window.8.app.0.1", 0x00C00000, 0, {}, {}, 3, 990},
        {"WindowsForms10.Window.8.app.0.1", 0x00C00000, 0x00010000, 10, {}, 2, 990},
        {"WindowsForms10.Foo.app.0.1", 0, 0, {}, {}, 3, 990},
        {"WindowsForms10.BUTTON.app.0.1", 0, 0, 45, {}, 10, 990},
    };
    for (const ClassifyCase& c : cases) {
        int guiId = 0;
        std::string className;
        EXPECT_EQ(ClassifyChild(source_, spy_, c, guiId, className), c.type)
            << c.className << " style " << c.style << " role " << c.role.value_or(-1);
        EXPECT_EQ(guiId, c.guiId) << c.className;
    }
}

TEST_F(CaptureTest, WithoutBuildersTheListRoleNamesListViewsByClass) {
    GetGuiBuilderDatabase().DeleteAll();
    const std::pair<const char*, int> cases[] = {{"SysListView32", 15}, {"syslistview32", 15}, {"MyList", 12}};
    for (const auto& [className, type] : cases) {
        const WindowHandle window = source_.Add({.className = className, .role = 33});
        int guiId = 0;
        std::string normalised;
        EXPECT_EQ(spy_.ClassifyWindow(window, 0, guiId, normalised), type) << className;
        EXPECT_EQ(guiId, 999);
        EXPECT_EQ(normalised, className);
    }
}

TEST_F(CaptureTest, EveryRoleOfTheTableGivesItsType) {
    GetGuiBuilderDatabase().DeleteAll();
    const std::pair<int, int> roles[] = {
        {11, 17}, {12, 17}, {14, 0}, {15, 1},  {16, 2},  {18, 2},  {20, 7},  {22, 14}, {24, 19}, {25, 16},
        {26, 16}, {27, 19}, {28, 19}, {29, 19}, {30, 20}, {35, 18}, {36, 18}, {37, 2},  {38, 2},  {41, 5},
        {42, 6},  {43, 8},  {44, 9},  {45, 10}, {46, 11}, {60, 13}, {9, 3},   {10, 3},  {61, 3},
    };
    for (const auto& [role, type] : roles) {
        int guiId = 0;
        std::string className;
        EXPECT_EQ(spy_.ClassifyWindow(source_.Add({.className = "X", .role = role}), 0, guiId, className), type)
            << role;
    }
}
