#pragma once
// Designators: the names, between two "#", of the values of the model inside conditions and
// step texts. Window, Window:$property, Window:attribute, :globalAttribute, @Task:parameter,
// ~DataSet:field ($id, $valid, @effectVariable, ~effect), each optionally behind "^Library:";
// "ActiveWnd" names the active window. Every operation accepts the text with or without its
// "#" delimiters.
#include <string>
#include <string_view>

#include "conditions/ConditionContext.h"

class CKavroObj;

// A designator split into its parts; none is trimmed or case-folded.
struct DesignatorParts {
    std::string library;    // without "^"; empty for the project's main file
    std::string window;     // the window name, or "@" task / "~" data set; empty for a global attribute
    std::string attribute;  // everything after the first ":" behind the window part, "$" kept
};

// The body of a designator: a text whose first character is "#" loses its first and last
// character, whatever the last one is.
std::string_view DesignatorBody(std::string_view designator);

// 1 when split; 0 silently for an empty text, or with W1207 for a library without ":".
int SplitDesignator(std::string_view designator, DesignatorParts& parts);

// The attribute, task, data set or window that the designator names (the attribute part is
// not looked at), or null with a message. Unqualified designators name objects of the main
// file only; "^Library:" names those of that project file.
CKavroObj* ResolveDesignatorObject(std::string_view designator);

// Validates the designator and gives its value type and the predefined action that sets it
// ("SetAttribute" unless the thing named has its own). 1 valid; 0 invalid with a message; -1
// for an effect condition without its data set.
int CheckDesignator(const CConditionContext& context, std::string_view designator, int& type, std::string& action);

// A list row property "$<number>" (as read by "$%d"; text after the number is ignored): the
// row number written in decimal. 1, or 0 with W0275.
int ParseListRowDesignator(std::string_view property, std::string& row);
// A table cell property "$<row>,<column>": both numbers in decimal. 1, or 0 with W0276.
int ParseTableCellDesignator(std::string_view property, std::string& row, std::string& column);
