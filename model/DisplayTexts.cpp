#include "model/DisplayTexts.h"

namespace {

template <size_t N>
std::string TextAt(const char* const (&texts)[N], int code) {
    if (code < 0 || code >= static_cast<int>(N) || !texts[code]) return {};
    return texts[code];
}

}  // namespace

std::string GetLanguageName(int keyboard) {
    switch (keyboard) {
        case 0: return "German";
        case 1: return "US";
        case 99: return "None";
        default: return {};
    }
}

std::string GetTestCaseKindName(int kind) {
    static const char* const kNames[] = {"Transition Test", nullptr, "Graph Coverage", "Manual Test",
                                         "Data Coverage", "Random Test"};
    return TextAt(kNames, kind);
}

std::string GetConverterName(int outputFormat) {
    static const char* const kNames[] = {"None",
                                         "SilkTest",
                                         "Plain Text",
                                         "XML for ESA Test Commander",
                                         "XML for VORNAK Test Manager",
                                         "TestPartner",
                                         "Universal File",
                                         "HP Functional Testing",
                                         "HP WinRunner",
                                         "Excel File for HP QC/ALM",
                                         "Ranorex",
                                         "SMURF",
                                         "XML for IBM Quality Manager",
                                         "Excel File with Block Information",
                                         "XML for ESA EUD-ART"};
    return TextAt(kNames, outputFormat);
}

std::string GetWindowTypeName(int windowType) {
    static const char* const kNames[] = {
        "Main Window", "Child Window", "Dialog Box",   "Custom Window", "Menu Bar", "Static Text",
        "Input Field", "Group Box",    "Push Button",  "Check Box",     "Radio Button", "Combo Box",
        "List Box",    "Tab Control",  "Tool Bar",     "List View",     "Header",   "Menu Item",
        "Tree Control", "Table",       "Link",         "Image"};
    return TextAt(kNames, windowType);
}
