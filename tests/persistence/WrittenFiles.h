#pragma once
// What every written project file has around its elements, and the project settings that the
// writer leaves out.
#include <string>

#include "model/ProjectSettings.h"

inline const std::string kWrittenHeader =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
    "<KAVRO_DATA Version=\"12.4\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    " xsi:noNamespaceSchemaLocation=\"KavroData.xsd\">\n";
inline const std::string kWrittenFooter = "</KAVRO_DATA>\n";

inline ProjectSettings WriterDefaults() {
    ProjectSettings settings;
    settings.oldTaskMode = 1;
    settings.outputFormat = 0;
    return settings;
}
