#pragma once
// The buttons of the main frame's tool bars and window palette, in their order.

struct BarButton {
    int command;  // 0: a separator
    const char* name;
};

inline constexpr BarButton kGeneralBarButtons[] = {
    {32810, "Open"}, {32812, "Save"}, {57607, "Print"}, {0, ""}, {57635, "Cut"}, {57634, "Copy"},
    {57637, "Paste"}, {0, ""}, {57643, "Undo"}, {57644, "Redo"}, {0, ""}, {32930, "Search Object"},
    {32896, "GUI Spy"},
};

inline constexpr BarButton kEditorsBarButtons[] = {
    {32781, "Window Editor"}, {32777, "Menu Editor"}, {0, ""}, {32771, "Attributes Editor"},
    {32778, "Properties Editor"}, {0, ""}, {32801, "Generate Test Cases"}, {32802, "Convert Test Cases"},
    {32829, "View Test Cases"},
};

inline constexpr BarButton kDrawingBarButtons[] = {
    {40003, "Delete"}, {32772, "New Transition"}, {0, ""}, {32911, "New Task"}, {32926, "New Building Block"},
    {32950, "New Folder"}, {40005, "Task Flow Editor"}, {0, ""}, {32916, "New Step"}, {32915, "Connect Steps"},
    {32921, "Assign Object to Step"}, {32982, "Create Window Building Block"}, {0, ""}, {32961, "New Requirement"},
    {32956, "New Data Set"}, {32957, "New Data Field"},
};

// A palette button sets the drawing tool: the window type that a click in a window view draws
// (99: Select).
struct PaletteButton {
    int command;
    int tool;
    const char* name;
};

inline constexpr PaletteButton kPaletteButtons[] = {
    {32849, 99, "Select"},       {32860, 0, "Main Window"},   {32867, 1, "Child Window"},
    {32854, 2, "Dialog Box"},    {32853, 3, "Custom Window"}, {32864, 5, "Static Text"},
    {32857, 6, "Input Field"},   {32855, 7, "Group Box"},     {32862, 8, "Push Button"},
    {32850, 9, "Check Box"},     {32863, 10, "Radio Button"}, {32852, 11, "Combo Box"},
    {32858, 12, "List Box"},     {32868, 13, "Tab Control"},  {32856, 14, "Tool Bar"},
    {32859, 15, "List View"},    {32866, 16, "Header"},       {32890, 18, "Tree Control"},
    {32895, 19, "Table"},        {32928, 20, "Link"},         {32940, 21, "Image"},
};
