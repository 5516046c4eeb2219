#pragma once
// The application icon of Insurance, shown by its dialog and its About box.
#include <wx/icon.h>

wxIcon InsuranceIcon();
