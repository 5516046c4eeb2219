#pragma once
// Text helpers shared by every subsystem. Text in memory is UTF-8; where a rule counts
// characters or code units, it counts them on the UTF-16 form.
#include <string>
#include <string_view>

// UTF-8 <-> UTF-16. Invalid input sequences become U+FFFD; ok (when given) tells whether the
// input was valid.
std::u16string Utf8ToUtf16(std::string_view text, bool* ok = nullptr);
std::string Utf16ToUtf8(std::u16string_view text, bool* ok = nullptr);
// The UTF-16 little-endian bytes of the text, without byte-order mark (files and logs in UTF-16).
std::string Utf8ToUtf16LittleEndian(std::string_view text);
bool IsValidUtf8(std::string_view text);
// Whether every byte is below 0x80: most text is, and that is far quicker to tell than validity.
bool IsAscii(std::string_view text);
// The text with every invalid UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);
// The number of UTF-16 code units of the text.
size_t Utf16Length(std::string_view text);
// The first count UTF-16 code units of the text (a surrogate pair is not split).
std::string Utf16Left(std::string_view text, size_t count);

// Lower-case mapping of one UTF-16 code unit (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic),
// the mapping behind every comparison "without regard to case".
char16_t FoldCase(char16_t c);
std::string ToLowerText(std::string_view text);
std::string ToUpperText(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 as the lower-cased UTF-16 forms compare.
int CompareNoCase(std::string_view a, std::string_view b);

// The decimal number at the start of the text, read as the runtime reads one: leading white
// space and a sign allowed, digits up to the first other character. The value saturates at the
// int range: a number too large reads as the nearest int, never as a wrapped one. end (when
// given) receives the position after the last digit, or 0 when no digit follows.
int ParseLeadingInt(std::string_view text, size_t* end = nullptr);

// The text with every occurrence of oldText, found without regard to case, replaced by newText;
// the replacement is not searched again. Returns true when something was replaced.
bool ReplaceNoCase(std::string_view text, std::string& result, std::string_view oldText, std::string_view newText);

// 36 characters in GUID form from the first 16 UTF-16 code units of the text: each code unit as
// the first two of its lower-case hexadecimal digits, '-' at 8, 13, 18, 23, '0' where the text
// runs out.
std::string MakeGuidText(std::string_view text);

// Returns the first line and removes it (and its line feed, and a carriage return before it)
// from text; lastLine is true when the text held no line feed.
std::string SplitFirstLine(std::string& text, bool& lastLine);

// The separators at which words are split: blank, tab and ",;:_-/\=+*&<>|".
bool IsWordSeparator(char c);

// Every line broken into pieces of at most width characters, joined by CR LF; a piece ends
// after the last separator within the width, or is cut at the width when there is none.
std::string WrapText(std::string_view text, size_t width);

// The text with every character of separators replaced by replacement; a carriage return
// directly before a replaced line feed goes with it, so CR LF and LF give one replacement.
std::string ReplaceSeparators(std::string_view text, std::string_view separators, std::string_view replacement);

// Plain text from an HTML fragment: only what lies between "<body>" and "</body>" (each when
// present), tags dropped, "<p>" after the start as CR LF, decimal character references
// ("&#65;") decoded. Anything else that starts with "&" (named or hexadecimal references, a
// reference to no character) stays as written.
std::string ExtractHtmlBody(std::string_view html);

// The first 1000 UTF-16 code units of the text: the most a tool tip shows.
std::string MakeToolTipText(std::string_view text);
