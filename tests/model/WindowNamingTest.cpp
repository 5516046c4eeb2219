// Names for windows and transitions made from captions, labels and classes.
#include <gtest/gtest.h>

#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

using WindowNaming = ProjectTest;

TEST_F(WindowNaming, WindowNamesGetTheirTypeSuffixAndAFreeNumber) {
    EXPECT_EQ(app.MakeValidObjectName("Name:", kKindWindow, kWndStaticText), "Name_TXT");
    project.AddWindow("Name_TXT", nullptr, kWndStaticText);
    EXPECT_EQ(app.MakeValidObjectName("Name:", kKindWindow, kWndStaticText), "Name_TXT1");
    project.AddWindow("NAME_TXT1", nullptr, kWndStaticText, project.Lib());  // another file
    EXPECT_EQ(app.MakeValidObjectName("Name:", kKindWindow, kWndStaticText), "Name_TXT1");

    const std::string forty = "Personal data of the insured person here";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_EQ(app.MakeValidObjectName(forty, kKindWindow, kWndGroupBox), "Personaldataoftheinsuredperson_GRP");
    EXPECT_EQ(app.MakeValidObjectName("3 Äpfel", kKindWindow, kWndPushButton), "ID3pfel");
    EXPECT_EQ(app.MakeValidObjectName("Name:", kKindDataObject, kWndStaticText), "Name");
}

TEST_F(WindowNaming, AnUncaptionedWindowTakesTheNearestLabel) {
    CWindowKav* dialog = project.AddWindow("Dlg", nullptr, kWndDialogBox);
    AddControl(project, "Far", kWndStaticText, dialog, {10, 10, 100, 20}, "Customer data");
    AddControl(project, "Left", kWndStaticText, dialog, {10, 50, 80, 60}, "Last name:");
    AddControl(project, "Empty", kWndStaticText, dialog, {85, 50, 99, 60});
    CWindowKav* field = AddControl(project, "Edit1", kWndInputField, dialog, {100, 50, 200, 62});
    EXPECT_EQ(app.MakeWindowIdFromCaption(field), "Lastname");

    // Above the window, within its width, the vertical gap counts.
    CWindowKav* below = AddControl(project, "Edit2", kWndInputField, dialog, {10, 24, 120, 34});
    EXPECT_EQ(app.MakeWindowIdFromCaption(below), "Customerdata");

    // A label that lies entirely above and to the left, and one to the right, do not count.
    CWindowKav* far = AddControl(project, "Edit3", kWndInputField, dialog, {120, 100, 200, 110});
    AddControl(project, "Right", kWndStaticText, dialog, {210, 100, 300, 110}, "Right");
    EXPECT_EQ(app.MakeWindowIdFromCaption(far), "ID");  // no label, no class

    // An overlapping label gives a negative gap and wins.
    AddControl(project, "Over", kWndGroupBox, dialog, {115, 90, 300, 200}, "Options");
    EXPECT_EQ(app.MakeWindowIdFromCaption(far), "Options");  // the suffix is the named window's
}

TEST_F(WindowNaming, CaptionMenuAndClassComeFirstOrLast) {
    CWindowKav* main = project.AddWindow("Main");
    AddControl(project, "Label", kWndStaticText, main, {0, 0, 10, 10}, "Label");
    CWindowKav* captioned = AddControl(project, "B", kWndPushButton, main, {20, 0, 40, 10}, "&Save file");
    EXPECT_EQ(app.MakeWindowIdFromCaption(captioned), "Savefile");

    CMenuKav menu("M", 0, 0, "");
    main->AddChild(&menu);
    EXPECT_EQ(app.MakeWindowIdFromCaption(&menu), "Menu");

    CMenuItemKav item("I", 0, 0, "", "", 0, 0, 0);
    EXPECT_EQ(app.MakeWindowIdFromCaption(&item), "ID");

    CPushButtonKav unnamed({.id = "U", .className = "Button"});
    EXPECT_EQ(app.MakeWindowIdFromCaption(&unnamed), "Button");
    main->RemoveChild(&menu);
}

TEST_F(WindowNaming, TransitionNamesCountOnWithoutRegardToCase) {
    CWindowKav* main = project.AddWindow("Main");
    EXPECT_EQ(MakeTransitionName(main), "Main_T1");
    project.AddTransition(main, "Main_T1");
    project.AddTransition(main, "main_t2");
    EXPECT_EQ(MakeTransitionName(main), "Main_T3");
}
