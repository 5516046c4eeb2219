#include "generation/ToolEventParsers.h"

#include "conditions/EventParser.h"

namespace {

ToolEventParserFactory& InstalledFactory() {
    static ToolEventParserFactory factory;
    return factory;
}

}  // namespace

void InstallToolEventParserFactory(ToolEventParserFactory factory) { InstalledFactory() = std::move(factory); }

std::unique_ptr<CEventParser> CreateToolEventParser(int outputFormat) {
    if (const ToolEventParserFactory& factory = InstalledFactory())
        if (std::unique_ptr<CEventParser> parser = factory(outputFormat)) return parser;
    return std::make_unique<CEventParser>();
}
