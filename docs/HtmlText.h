#pragma once
// Model texts as they go into the pages. A model text is never markup: "&", "<" and ">" are
// written as entities, so that an event such as "<enter>" shows as written and an imported
// project cannot put tags into a page. The pages' own tags are written as they are.
#include <string>
#include <string_view>

// The indent of the pages: three non-breaking spaces.
inline constexpr std::string_view kHtmlIndent = "&nbsp;&nbsp;&nbsp;";

std::string HtmlText(std::string_view text);
// HtmlText with every line break (a line feed, or a carriage return and a line feed) replaced
// by the markup given.
std::string HtmlLines(std::string_view text, std::string_view lineBreak);
// A link to the file, showing the model text.
std::string HtmlLink(std::string_view fileName, std::string_view text);
// A file name as a link names it: every byte but letters, digits and "-._~" percent-encoded.
std::string LinkTarget(std::string_view fileName);
// Page text as the page's file holds it: each line feed as a carriage return and a line feed;
// one that comes with its carriage return already stays one line end.
std::string WithCrLf(std::string_view text);
