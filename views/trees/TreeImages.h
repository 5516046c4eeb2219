#pragma once
// The pictures of the workspace trees' items, in the order of their image numbers, drawn at run
// time or taken from the art provider.
#include <vector>

#include <wx/artprov.h>

class wxImageList;

// The art provider's pictures in order, each cut to the size.
wxImageList* ArtImages(const std::vector<wxArtID>& art, wxSize size);

// Task, task with data set, building block, folder, product folder, (none), project, library.
wxImageList* TaskTreeImages();
// Project, section, the 22 window types, data set, data set part, (none three times), library.
wxImageList* WindowTreeImages();
