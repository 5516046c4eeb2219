#pragma once
// The main frame's command numbers that the Tasks and Windows pages give from their menus and
// keys; the frame's command table decides what each does.

namespace tree_command {

inline constexpr int kEditAttributes = 32771;
inline constexpr int kEditMenu = 32777;
inline constexpr int kEditProperties = 32778;
inline constexpr int kEditWindow = 32781;
inline constexpr int kGenerateTestCases = 32801;
inline constexpr int kConvertTestCases = 32802;
inline constexpr int kViewTestCases = 32829;
inline constexpr int kNewMenu = 32892;
inline constexpr int kGenerateWindowTags = 32893;
inline constexpr int kChangeWindowType = 32903;
inline constexpr int kNewTask = 32911;
inline constexpr int kSetStartWindow = 32913;
inline constexpr int kNewBuildingBlock = 32926;
inline constexpr int kSearch = 32930;
inline constexpr int kSearchReferences = 32931;
inline constexpr int kReplaceWindow = 32944;
inline constexpr int kNewFolder = 32950;
inline constexpr int kSortByName = 32968;
inline constexpr int kSortByType = 32969;
inline constexpr int kSortByUftClass = 32970;
inline constexpr int kDelete = 40003;
inline constexpr int kEditTaskFlow = 40005;

}  // namespace tree_command
