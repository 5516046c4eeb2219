#pragma once
// The pictures of the workspace trees' items, drawn at run time in the order of their image
// numbers.
class wxImageList;

// Task, task with data set, building block, folder, product folder, (none), project, library.
wxImageList* TaskTreeImages();
// Project, section, the 22 window types, data set, data set part, (none three times), library.
wxImageList* WindowTreeImages();
