#include "views/print/TransitionPrinter.h"

#include <deque>

#include "model/ConditionList.h"
#include "model/MetaReferences.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kEventLine = 49275;
constexpr int kConditionsHeading = 49276;
constexpr int kNoConditions = 49277;
constexpr int kMetaConditionsHeading = 49278;
constexpr int kUndefinedCondition = 49279;
constexpr int kActionsHeading = 49280;
constexpr int kNoActions = 49281;

}  // namespace

CTransitionPrinter::CTransitionPrinter(int y, int page, const ViewRect& area, int pageToPrint, TextSurface& surface,
                                       const CConditionList& metaConditions)
    : y_(y), page_(page), area_(area), pageToPrint_(pageToPrint), surface_(surface), metaConditions_(metaConditions) {}

const TextFont& CTransitionPrinter::Font(int style) {
    static const TextFont fonts[] = {
        {"Arial", 10, 400, false, false},
        {"Arial", 10, 400, true, false},
        {"Arial", 10, 400, false, true},
        {"Arial", 10, 700, false, false},
    };
    return fonts[style >= kNormal && style <= kBold ? style : kNormal];
}

void CTransitionPrinter::OutputLine(const std::string& text, int level, bool advance, int style) {
    const TextFont& font = Font(style);
    const int x = area_.left + indent_ * level;
    int height = surface_.Measure(text, font, area_.right - x).height + 3;
    if (y_ + height >= area_.bottom) {
        ++page_;
        y_ = area_.top;
        height = surface_.Measure(text, font, area_.right - x).height + 3;
    }
    if (page_ == pageToPrint_)
        surface_.Draw(draw::Text{{x, y_, area_.right, y_ + height - 3}, text, font, kBlack, kTextWordBreak | kTextNoPrefix});
    if (advance) y_ += height;
}

void CTransitionPrinter::PrintTransition(const CTransitionKav& transition, int number, const std::string& sourceName,
                                         int level) {
    seenNames_.clear();
    const CWindowKav* destination = transition.GetDestWindow();
    OutputLine(Fmt("%d.", number), level, false, kBold);
    OutputLine(Fmt("%s -> %s", sourceName, destination ? destination->GetName() : ""), level + 1, true, kBold);
    OutputLine(Fmt(LoadMessage(kEventLine), transition.GetEvent()), level, true, kNormal);

    OutputLine(LoadMessage(kConditionsHeading), level, true, kNormal);
    for (const CConditionKav* condition : transition.GetConditions()) OutputLine(condition->GetText(), level + 1, true, kNormal);
    std::deque<std::string> names;
    for (const CConditionKav* condition : transition.GetConditions())
        for (std::string& name : CollectMetaReferences(*condition)) names.push_back(std::move(name));
    if (transition.GetConditions().empty()) OutputLine(LoadMessage(kNoConditions), level + 1, true, kItalic);
    // Breadth first through the meta-conditions that the conditions reach; each name once.
    if (!names.empty()) OutputLine(LoadMessage(kMetaConditionsHeading), level, true, kNormal);
    while (!names.empty()) {
        const std::string name = names.front();
        names.pop_front();
        OutputLine(name, level + 1, false, kNormal);
        const CConditionKav* meta = FindMetaCondition(name);
        if (!meta) {
            OutputLine(LoadMessage(kUndefinedCondition), level + 3, true, kNormal);
            continue;
        }
        OutputLine(meta->GetText(), level + 4, true, kNormal);
        for (std::string& reached : CollectMetaReferences(*meta)) names.push_back(std::move(reached));
    }

    OutputLine(LoadMessage(kActionsHeading), level, true, kNormal);
    for (const CActionKav* action : transition.GetActions()) {
        std::string line = action->GetName() + " (";
        bool first = true;
        for (const CArgumentKav* argument : action->GetArguments()) {
            if (!first) line += ", ";
            line += argument->GetValue();
            first = false;
        }
        OutputLine(line + ")", level + 1, true, kNormal);
    }
    if (transition.GetActions().empty()) OutputLine(LoadMessage(kNoActions), level + 1, true, kItalic);
}

std::vector<std::string> CTransitionPrinter::CollectMetaReferences(const CConditionKav& condition) {
    std::vector<std::string> names;
    std::vector<std::string> segments;
    std::vector<std::size_t> starts;
    SplitConditionSegments(condition.GetText(), segments, starts);
    for (const std::string& segment : segments) {
        for (std::size_t position = 0;; ++position) {
            std::string name = GetNextMetaReference(segment, position);
            if (position >= segment.size()) break;
            if (seenNames_.insert(name).second) names.push_back(std::move(name));
        }
    }
    return names;
}

const CConditionKav* CTransitionPrinter::FindMetaCondition(const std::string& id) const {
    for (const CConditionKav* meta : metaConditions_)
        if (meta->GetId() == id) return meta;
    return nullptr;
}
