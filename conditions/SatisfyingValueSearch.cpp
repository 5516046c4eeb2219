#include "conditions/SatisfyingValueSearch.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "conditions/AssignmentCheck.h"
#include "conditions/ConditionTree.h"
#include "conditions/Designator.h"
#include "conditions/SearchCandidates.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

int g_candidateCount = 1;

// The lookups of group boxes behind radio-button caption designators, one code per routine
// and side: not found, then not a group box.
struct GroupBoxMessages {
    int notFound;
    int notGroupBox;
};
constexpr GroupBoxMessages kLeftGroupOfPair{41070, 41071};
constexpr GroupBoxMessages kRightGroupOfPair{41072, 41073};
constexpr GroupBoxMessages kGroupBesideConstant{41074, 41075};

int TruthNumber(std::string_view text) {
    int value = 0;
    return ParseTriState(text, value) ? value : 0;
}

int Invert(int truth) { return truth == kFalse ? kTrue : kFalse; }

bool InFamilyOf(int familyType, int type) { return GetCommonValueType(familyType, type) == familyType; }

bool IsRadioCaptionDesignator(const CConditionTree& node) {
    return node.GetKind() == kNodeDesignator && node.GetType() == kTypeRadioButtonCaption;
}

// What one alternative of a node asks of its children.
struct Proposal {
    enum Kind { kNone, kOne, kPair, kError } kind = kNone;
    CConditionTree* child = nullptr;  // kOne
    std::string first{};              // kOne: the child's value; kPair: the left child's
    std::string second{};             // kPair: the right child's
};

Proposal NoProposal() { return {}; }
Proposal Failed() { return {Proposal::kError}; }
Proposal One(CConditionTree* child, std::string value) { return {Proposal::kOne, child, std::move(value)}; }
Proposal Pair(std::string left, std::string right) {
    return {Proposal::kPair, nullptr, std::move(left), std::move(right)};
}
Proposal Pair(const ValuePair& values) { return Pair(values.first, values.second); }
Proposal Same(const std::string& value) { return Pair(value, value); }

// The operands of a node with a constant side; none when both sides hold designators.
struct ConstantSide {
    CConditionTree* constant;
    CConditionTree* variable;
    bool isLeft;
};

std::optional<ConstantSide> FindConstantSide(CConditionTree& node) {
    if (node.GetLeft()->IsConstant()) return ConstantSide{node.GetLeft(), node.GetRight(), true};
    if (node.GetRight()->IsConstant()) return ConstantSide{node.GetRight(), node.GetLeft(), false};
    return std::nullopt;
}

bool HasOperands(const CConditionTree& node) {
    switch (node.GetKind()) {
        case kNodeConstant:
        case kNodeDesignator: return true;
        case kNodeNot:
        case kNodeNegate:
        case kNodeBracket: return node.GetLeft() != nullptr;
        default: return node.GetLeft() && node.GetRight();
    }
}

// The group box that a radio-button caption designator names; null with a message.
const CGroupBoxKav* GroupBoxOf(const CConditionTree& side, GroupBoxMessages messages) {
    const std::string& designator = side.GetValue();
    const CKavroObj* object = side.GetKind() == kNodeDesignator ? ResolveDesignatorObject(designator) : nullptr;
    if (!object || object->GetKind() != kKindWindow) {
        SetMessage(messages.notFound, designator);
        return nullptr;
    }
    if (static_cast<const CWindowKav*>(object)->GetType() != kWndGroupBox) {
        SetMessage(messages.notGroupBox, designator);
        return nullptr;
    }
    return static_cast<const CGroupBoxKav*>(object);
}

std::vector<std::string> RadioCaptions(const CGroupBoxKav& group) {
    std::vector<std::string> captions;
    for (const CRadioButtonKav* button : group.GetRadioButtons()) captions.push_back(button->GetCaption());
    return captions;
}

// The proposal of an index from a list of candidates; none past its end.
template <class T>
Proposal Nth(const std::vector<T>& candidates, int index, Proposal (*make)(const T&)) {
    if (index < 1 || index > static_cast<int>(candidates.size())) return NoProposal();
    return make(candidates[index - 1]);
}

class Search {
public:
    Search(CCombination& combination, const CConditionContext& context, int& steps)
        : combination_(combination), context_(context), steps_(steps) {}

    int Find(CConditionTree& node, const std::string& wanted, bool next);

private:
    int ByKind(CConditionTree& node, const std::string& wanted, int w, bool next);
    // A single child asked on the node's behalf: with the caller's next flag, which the node
    // keeps as its right next flag until it moves to another alternative.
    int Seek(CConditionTree& node, CConditionTree& child, const std::string& wanted) {
        return Find(child, wanted, node.GetRightNext());
    }
    int PairSearch(CConditionTree& node, const std::string& left, const std::string& right);
    template <class Plan>
    int Alternatives(CConditionTree& node, Plan plan, int last = INT_MAX);
    void NextAlternative(CConditionTree& node, CConditionTree* affected);

    int Logic(CConditionTree& node, int w);
    int Equal(CConditionTree& node, int w, int incompatibleMessage);
    int Order(CConditionTree& node, bool less, int truth);
    int Arithmetic(CConditionTree& node, int w);
    int Concat(CConditionTree& node, const std::string& wanted);

    Proposal EqualPair(CConditionTree& node, int type, int index);
    Proposal DifferentPair(CConditionTree& node, int type, int index);
    Proposal DifferentFromConstant(const ConstantSide& side, int index);

    CCombination& combination_;
    const CConditionContext& context_;
    int& steps_;
};

int Search::Find(CConditionTree& node, const std::string& wanted, bool next) {
    if (steps_ > kSearchStepLimit) return 1;
    ++steps_;
    if (node.IsConstant()) return EqualsNoCase(node.GetValue(), wanted) ? 1 : 0;
    const int w = TruthNumber(wanted);
    node.SetLeftNext(false);
    node.SetRightNext(next);
    if (node.GetKind() < kNodeOr || node.GetKind() > kNodeBracket || !HasOperands(node)) {
        SetMessage(41013);
        return -1;
    }
    return ByKind(node, wanted, w, next);
}

int Search::ByKind(CConditionTree& node, const std::string& wanted, int w, bool next) {
    switch (node.GetKind()) {
        case kNodeAnd:
        case kNodeOr: return Logic(node, w);
        case kNodeEqual: return Equal(node, w, w == kTrue ? 44467 : 44468);
        case kNodeXor:
        case kNodeNotEqual: return Equal(node, Invert(w), 44468);
        case kNodeLess: return Order(node, true, w);
        case kNodeGreaterEqual: return Order(node, true, Invert(w));
        case kNodeGreater: return Order(node, false, w);
        case kNodeLessEqual: return Order(node, false, Invert(w));
        case kNodePlus:
        case kNodeMinus:
        case kNodeTimes:
        case kNodeDivide: return Arithmetic(node, w);
        case kNodeConcat: return Concat(node, wanted);
        case kNodeNot:
            if (w != kTrue && w != kFalse) return 0;
            return Seek(node, *node.GetLeft(), TriStateToText(Invert(w)));
        case kNodeNegate: return Seek(node, *node.GetLeft(), SearchNumberText(-static_cast<long long>(w)));
        case kNodeBracket: return Seek(node, *node.GetLeft(), wanted);
        case kNodeDesignator:
            // A designator has one proposal only.
            if (next) return 0;
            return CheckDesignatorAssignment(context_, node.GetValue(), wanted, combination_, &node) == 1 ? 1 : 0;
        default: return 0;  // a constant that the parser did not mark
    }
}

int Search::PairSearch(CConditionTree& node, const std::string& left, const std::string& right) {
    for (;;) {
        int result = Find(*node.GetLeft(), left, node.GetLeftNext());
        if (result == -1) return -1;
        if (result == 0) {
            NextAlternative(node, node.GetLeft());
            node.GetRight()->ResetSearch(combination_);
            return 0;
        }
        result = Find(*node.GetRight(), right, node.GetRightNext());
        if (result != 0) return result;
        // The left child moves on to its next proposal, and the right one starts anew for it.
        node.SetLeftNext(true);
        node.SetRightNext(false);
        node.GetRight()->ResetSearch(combination_);
    }
}

void Search::NextAlternative(CConditionTree& node, CConditionTree* affected) {
    node.SetAlternative(node.GetAlternative() + 1);
    node.SetLeftNext(false);
    node.SetRightNext(false);
    if (affected) affected->ResetSearch(combination_);
}

// Tries the node's alternatives from the one it stands on, up to the last one and the
// candidate count, until one gives a proposal. The plan says what an alternative asks.
template <class Plan>
int Search::Alternatives(CConditionTree& node, Plan plan, int last) {
    last = std::min(last, g_candidateCount);
    while (node.GetAlternative() <= last) {
        const Proposal proposal = plan(node.GetAlternative());
        switch (proposal.kind) {
            case Proposal::kError: return -1;
            case Proposal::kPair: {
                // A pair that fails has moved the node to its next alternative itself.
                const int result = PairSearch(node, proposal.first, proposal.second);
                if (result != 0) return result;
                continue;
            }
            case Proposal::kOne: {
                const int result = Seek(node, *proposal.child, proposal.first);
                if (result != 0) return result;
                break;
            }
            default: break;
        }
        NextAlternative(node, proposal.child);
    }
    return 0;
}

// AND and OR: one side decides for AND sought FALSE and OR sought TRUE, both sides must give
// the value otherwise.
int Search::Logic(CConditionTree& node, int w) {
    if (w != kTrue && w != kFalse) return 0;
    const std::string value = TriStateToText(w);
    const bool oneSideDecides = (node.GetKind() == kNodeAnd) == (w == kFalse);
    if (const auto side = FindConstantSide(node)) {
        const int constant = TruthNumber(side->constant->GetValue());
        if (oneSideDecides) return constant != Invert(w) ? 1 : Seek(node, *side->variable, value);
        return constant == w ? Seek(node, *side->variable, value) : 0;
    }
    if (!oneSideDecides) return PairSearch(node, value, value);
    return Alternatives(
        node, [&](int alternative) { return One(alternative == 1 ? node.GetLeft() : node.GetRight(), value); }, 2);
}

int Search::Equal(CConditionTree& node, int w, int incompatibleMessage) {
    if (w != kTrue && w != kFalse) return 0;
    if (const auto side = FindConstantSide(node)) {
        if (w == kTrue) return Seek(node, *side->variable, side->constant->GetValue());
        return Alternatives(node, [&](int index) { return DifferentFromConstant(*side, index); });
    }
    const int leftType = node.GetLeft()->GetType(), rightType = node.GetRight()->GetType();
    if (!AreTypesCompatible(leftType, rightType)) {
        SetMessage(incompatibleMessage);
        return -1;
    }
    const int type = GetCommonValueType(leftType, rightType);
    if (w == kTrue) return Alternatives(node, [&](int index) { return EqualPair(node, type, index); });
    return Alternatives(node, [&](int index) { return DifferentPair(node, type, index); });
}

Proposal Search::EqualPair(CConditionTree& node, int type, int index) {
    switch (type) {
        case kTypeNum: return Same(SampleNumber(index));
        case kTypeDate: return Same(SampleDate(index));
        case kTypeBool: return index <= 2 ? Same(TriStateToText(index == 1 ? kTrue : kFalse)) : NoProposal();
        case kTypeString: break;
        default: return NoProposal();
    }
    if (!IsRadioCaptionDesignator(*node.GetLeft())) return Same(SampleString(index));
    // A caption that radio buttons of both groups carry, in the left group's order.
    const CGroupBoxKav* left = GroupBoxOf(*node.GetLeft(), kLeftGroupOfPair);
    const CGroupBoxKav* right = left ? GroupBoxOf(*node.GetRight(), kRightGroupOfPair) : nullptr;
    if (!right) return Failed();
    std::vector<std::string> shared;
    for (const std::string& caption : RadioCaptions(*left))
        if (right->FindRadioButton(caption)) shared.push_back(caption);
    return Nth(shared, index, &Same);
}

Proposal Search::DifferentPair(CConditionTree& node, int type, int index) {
    switch (type) {
        case kTypeNum: return Pair(DifferentNumbers(index));
        case kTypeDate: return Pair(DifferentDates(index));
        case kTypeBool:
            if (index > 2) return NoProposal();
            return Pair(TriStateToText(index == 1 ? kTrue : kFalse), TriStateToText(index == 1 ? kFalse : kTrue));
        case kTypeString: break;
        default: return NoProposal();
    }
    if (!IsRadioCaptionDesignator(*node.GetLeft()) || !IsRadioCaptionDesignator(*node.GetRight()))
        return Pair(DifferentStrings(index));
    // Every caption of the left group with every different caption of the right group.
    const CGroupBoxKav* left = GroupBoxOf(*node.GetLeft(), kLeftGroupOfPair);
    const CGroupBoxKav* right = left ? GroupBoxOf(*node.GetRight(), kRightGroupOfPair) : nullptr;
    if (!right) return Failed();
    std::vector<ValuePair> pairs;
    for (const std::string& leftCaption : RadioCaptions(*left))
        for (const std::string& rightCaption : RadioCaptions(*right))
            if (!EqualsNoCase(leftCaption, rightCaption)) pairs.emplace_back(leftCaption, rightCaption);
    return Nth(pairs, index, static_cast<Proposal (*)(const ValuePair&)>(&Pair));
}

Proposal Search::DifferentFromConstant(const ConstantSide& side, int index) {
    const std::string& constant = side.constant->GetValue();
    if (IsRadioCaptionDesignator(*side.variable)) {
        const CGroupBoxKav* group = GroupBoxOf(*side.variable, kGroupBesideConstant);
        if (!group) return Failed();
        std::vector<std::string> others;
        for (const std::string& caption : RadioCaptions(*group))
            if (!EqualsNoCase(caption, constant)) others.push_back(caption);
        if (index > static_cast<int>(others.size())) return NoProposal();
        return One(side.variable, others[index - 1]);
    }
    switch (GetValueComparisonType(constant, side.variable->GetType(), side.constant->GetType())) {
        case kTypeNum: return One(side.variable, DifferentNumber(TruthNumber(constant), index));
        case kTypeDate: return One(side.variable, DifferentDate(constant, index));
        case kTypeString: return One(side.variable, DifferentString(constant, index));
        case kTypeBool:
            if (index > 1) return NoProposal();
            return One(side.variable, TriStateToText(TruthNumber(constant) == kTrue ? kFalse : kTrue));
        default: return NoProposal();
    }
}

// < and > sought with a truth value; >= and <= come here as < and > with the truth inverted.
// Sought TRUE the order is strict, sought FALSE it is the reverse order with equality.
int Search::Order(CConditionTree& node, bool less, int truth) {
    if (truth != kTrue && truth != kFalse) return 0;
    const bool strict = truth == kTrue;
    const bool leftBelow = less == strict;
    if (const auto side = FindConstantSide(node)) {
        const std::string& bound = side->constant->GetValue();
        const bool above = side->isLeft == leftBelow;  // where the designator side must lie
        const int type = GetValueComparisonType(bound, side->variable->GetType(), side->constant->GetType());
        return Alternatives(node, [&](int index) {
            if (type == kTypeNum) {
                const long long offset = (strict ? 1 : 0) + CandidateOffset(index);
                const long long number = TruthNumber(bound);
                return One(side->variable, SearchNumberText(above ? number + offset : number - offset));
            }
            if (type == kTypeDate) {
                const int days = CandidateDays(index);
                return One(side->variable, ShiftDate(bound, above ? days : -days));
            }
            // Texts have no order to step through: the empty text, once.
            return index == 1 ? One(side->variable, "") : NoProposal();
        });
    }
    const int leftType = node.GetLeft()->GetType(), rightType = node.GetRight()->GetType();
    if (!AreTypesCompatible(leftType, rightType)) {
        SetMessage(less ? (strict ? 44469 : 44470) : (strict ? 44471 : 44472));
        return -1;
    }
    const bool numbers = InFamilyOf(kTypeNum, leftType) && InFamilyOf(kTypeNum, rightType);
    const bool dates = InFamilyOf(kTypeDate, leftType) && InFamilyOf(kTypeDate, rightType);
    return Alternatives(node, [&](int index) {
        if (!numbers && !dates) return NoProposal();
        const auto [low, high] = numbers ? OrderedNumbers(index, strict) : OrderedDates(index, strict);
        return leftBelow ? Pair(low, high) : Pair(high, low);
    });
}

int Search::Arithmetic(CConditionTree& node, int w) {
    const long long wanted = w;
    if (const auto side = FindConstantSide(node)) {
        const long long k = TruthNumber(side->constant->GetValue());
        CConditionTree& other = *side->variable;
        switch (node.GetKind()) {
            case kNodePlus: return Seek(node, other, SearchNumberText(wanted - k));
            case kNodeMinus: return Seek(node, other, SearchNumberText(side->isLeft ? k - wanted : wanted + k));
            case kNodeTimes:
                if (k == 0) return wanted == 0 ? 1 : 0;
                return Seek(node, other, SearchNumberText(wanted / k));
            default:
                if (!side->isLeft) return Seek(node, other, SearchNumberText(k * wanted));
                if (wanted == 0) return k == 0 ? 1 : 0;
                return Seek(node, other, SearchNumberText(k / wanted));
        }
    }
    switch (node.GetKind()) {
        case kNodePlus:
            return Alternatives(node, [&](int k) {
                return Pair(SearchNumberText(wanted - CandidateOffset(k)), SearchNumberText(CandidateOffset(k)));
            });
        case kNodeMinus:
            return Alternatives(node, [&](int k) {
                return Pair(SearchNumberText(wanted + CandidateOffset(k)), SearchNumberText(CandidateOffset(k)));
            });
        case kNodeTimes:
            return Alternatives(
                node,
                [&](int k) { return k == 1 ? Pair(SearchNumberText(wanted), "1") : Pair("1", SearchNumberText(wanted)); },
                2);
        default:
            return Alternatives(node, [&](int k) { return Pair(SearchNumberText(k * wanted), std::to_string(k)); });
    }
}

int Search::Concat(CConditionTree& node, const std::string& wanted) {
    if (const auto side = FindConstantSide(node)) {
        const std::string& part = side->constant->GetValue();
        if (side->isLeft) {
            if (!wanted.starts_with(part)) return 0;
            return Seek(node, *side->variable, wanted.substr(part.size()));
        }
        if (!wanted.ends_with(part)) return 0;
        return Seek(node, *side->variable, wanted.substr(0, wanted.size() - part.size()));
    }
    if (wanted.empty()) return Alternatives(node, [](int) { return Same(""); }, 1);
    return Alternatives(
        node,
        [&](int k) {
            std::string head = Utf16Left(wanted, k);
            std::string tail = wanted.substr(head.size());
            return Pair(std::move(head), std::move(tail));
        },
        static_cast<int>(std::min<std::size_t>(Utf16Length(wanted), INT_MAX)));
}

}  // namespace

int GetSearchCandidateCount() { return g_candidateCount; }
void SetSearchCandidateCount(int count) { g_candidateCount = count; }

int CConditionTree::FindSatisfyingValues(const std::string& wanted, bool next, CCombination& combination,
                                         const CConditionContext& context, int& steps) {
    return Search(combination, context, steps).Find(*this, wanted, next);
}

bool CConditionTree::ResetSearch(CCombination& combination) {
    alternative_ = 1;
    leftNext_ = false;
    rightNext_ = false;
    if (kind_ == kNodeDesignator) {
        const CVariable* variable = combination.FindVariable(value_);
        if (variable && variable->GetSource() == this) combination.RemoveVariable(value_);
    }
    if (left_) left_->ResetSearch(combination);
    if (right_) right_->ResetSearch(combination);
    return true;
}
