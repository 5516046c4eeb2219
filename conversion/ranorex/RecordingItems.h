#pragma once
// The items of a Ranorex recording as XML fragments: one line per tag, each ending in a line
// feed, no indentation. Names and values are escaped for where they stand (attribute, element
// text, CDATA section), so any text of the model gives a well-formed recording.
#include <string>
#include <utility>
#include <vector>

// A further argument of a user-code item: its name and its value.
using ItemArgument = std::pair<const char*, std::string>;

namespace recording_items {

// "<name a="v" ...>" and a line feed; with close, "<name .../>".
std::string StartTag(const std::string& name, const std::vector<std::pair<const char*, std::string>>& attributes,
                     bool close = false);
// "<name>text</name>" and a line feed, the text escaped.
std::string TextElement(const std::string& name, const std::string& text);

// A call of a user-code method: the window's path is its first argument, the others follow.
std::string UserCode(const std::string& method, const std::string& path, const std::vector<ItemArgument>& arguments);
// A call of a user-code method without arguments (the code of a step).
std::string UserMethod(const std::string& method);
std::string SetValue(const std::string& attribute, const std::string& path, const std::string& value);
std::string Mouse(const std::string& action, const std::string& button, const std::string& location,
                  const std::string& path);
std::string KeySequence(const std::string& sequence, const std::string& path);
std::string InvokeAction(const std::string& action, const std::string& path);
std::string Close(const std::string& path);
std::string Validation(const std::string& action, const std::string& path, const std::string& matchName,
                       const std::string& matchValue);

}  // namespace recording_items
