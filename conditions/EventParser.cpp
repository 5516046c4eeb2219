// The base parser's hooks: they accept every window and write nothing, so that a plain parser
// checks and translates events without an outside tool.
#include "conditions/EventParser.h"

bool CEventParser::IsWindowUnsupported(const CWindowKav*, int) { return false; }

bool CEventParser::IsTagOptional(const CWindowKav*, int) { return false; }

int CEventParser::TranslateCheck(const CWindowKav*, int, const std::string&, int, std::string&) { return 1; }

int CEventParser::TranslateClick(const CWindowKav*, char, int, int, int, std::string&) { return 1; }

int CEventParser::TranslateType(const CWindowKav*, const std::string&, std::string&) { return 1; }

int CEventParser::TranslateInput(const CWindowKav*, const std::string&, int, int, std::string&) { return 1; }

int CEventParser::TranslateSelect(const CWindowKav*, const std::string&, int, int, std::string&) { return 1; }

int CEventParser::TranslateExpand(const CWindowKav*, const std::string&, int, std::string&) { return 1; }

int CEventParser::TranslatePosition(const CWindowKav*, const std::string&, int, int, std::string&) { return 1; }

int CEventParser::TranslateScroll(const CWindowKav*, char, int, std::string&) { return 1; }

int CEventParser::TranslateClose(const CWindowKav*, std::string&) { return 1; }

int CEventParser::TranslateVerify(const CWindowKav*, const std::string&, const std::string&, const std::string&,
                                  const std::string&, std::string&) {
    return 1;
}

int CEventParser::TranslateWait(const CWindowKav*, int, const std::string&, const std::string&, std::string&) {
    return 1;
}

std::string CEventParser::TranslateValue(const CWindowKav*, const std::string& value) { return value; }
