#include "conversion/xml/StepFieldTexts.h"

#include "platform/TextUtil.h"

int ParseNameValueList(std::string_view text, std::string& first, std::string& second,
                       std::vector<std::string>& names, std::vector<std::string>& values) {
    first.clear();
    second.clear();
    names.clear();
    values.clear();
    std::string rest(text);
    bool last = false;
    first = SplitFirstLine(rest, last);
    if (first.empty() || last) return 1;
    second = SplitFirstLine(rest, last);
    while (!last) {
        const std::string line = SplitFirstLine(rest, last);
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        names.push_back(line.substr(0, equals));
        values.push_back(line.substr(equals + 1));
    }
    return 1;
}

std::string GetCriticalityName(int code) {
    switch (code) {
        case 0: return "NEGLIGIBLE";
        case 1: return "SIGNIFICANT";
        case 3: return "CRITICAL";
        case 4: return "CATASTROPHIC";
        default: return "MAJOR";
    }
}
