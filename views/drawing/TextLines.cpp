#include "views/drawing/TextLines.h"

#include <sstream>

std::vector<std::string> BreakIntoLines(const std::string& text, int wrapWidth,
                                        const std::function<int(const std::string&)>& widthOf) {
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    std::string paragraph;
    while (std::getline(paragraphs, paragraph)) {
        if (wrapWidth <= 0) {
            lines.push_back(paragraph);
            continue;
        }
        std::string line;
        std::size_t start = 0;
        while (start <= paragraph.size()) {
            const std::size_t blank = paragraph.find(' ', start);
            const std::string word = paragraph.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && widthOf(candidate) > wrapWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            if (blank == std::string::npos) break;
            start = blank + 1;
        }
        lines.push_back(line);
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}
