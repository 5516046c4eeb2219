#pragma once
// Writes transitions of the GUI model onto printed pages as indented text blocks: the number
// and the way from source to destination, the event, the conditions with the meta-conditions
// they reach, and the actions. Every pass lays out the whole sequence from the caller's
// position and draws only the lines that fall on the page to print, so a pass that prints
// nothing (page 0) counts the pages.
#include <set>
#include <string>
#include <vector>

#include "views/drawing/TextSurface.h"

class CConditionKav;
class CConditionList;
class CTransitionKav;

class CTransitionPrinter {
public:
    // Style codes of OutputLine.
    enum Style : int { kNormal = 0, kItalic = 1, kUnderlined = 2, kBold = 3 };

    struct Position {
        int y = 0;
        int page = 0;
        bool operator==(const Position&) const = default;
    };

    // Starts at y on the page (counted from the caller's number); area is the printable part of
    // every page; only lines on pageToPrint are drawn. The meta-conditions are the project's.
    CTransitionPrinter(int y, int page, const ViewRect& area, int pageToPrint, TextSurface& surface,
                       const CConditionList& metaConditions);

    // Logical units per indentation level (20 at first).
    void SetIndent(int step) { indent_ = step; }
    // One text line at the level, wrapped at the area's right edge; a line that would reach the
    // area's bottom starts the next page. advance moves below it, else the next line shares it.
    void OutputLine(const std::string& text, int level, bool advance, int style);
    // The block of one transition at the level: "<number>." and "<source> -> <destination>",
    // then its event, conditions, the meta-conditions they reference, and actions.
    void PrintTransition(const CTransitionKav& transition, int number, const std::string& sourceName, int level);
    Position GetPosition() const { return {y_, page_}; }

    // The meta-condition names that the condition's text references outside string constants
    // and designators and that this block has not listed yet, in order; they count as listed.
    std::vector<std::string> CollectMetaReferences(const CConditionKav& condition);

private:
    static const TextFont& Font(int style);
    // The project's first meta-condition with exactly this ID, or null.
    const CConditionKav* FindMetaCondition(const std::string& id) const;

    int indent_ = 20;
    std::set<std::string> seenNames_;
    int y_;
    int page_;
    ViewRect area_;
    int pageToPrint_;
    TextSurface& surface_;
    const CConditionList& metaConditions_;
};
