#pragma once
// The event parser of the outside test tool that an output format writes for. Generation asks
// it whether the tool leaves a window out of its scripts (no Verify step is made for such a
// window). The converters install the factory of their tool parsers at start-up; until then,
// and for a format whose converter has none, the base parser serves, which leaves nothing out.
#include <functional>
#include <memory>

class CEventParser;

// A parser for the format, or null to use the base parser.
using ToolEventParserFactory = std::function<std::unique_ptr<CEventParser>(int outputFormat)>;

// Null restores the base parser for every format.
void InstallToolEventParserFactory(ToolEventParserFactory factory);
std::unique_ptr<CEventParser> CreateToolEventParser(int outputFormat);
