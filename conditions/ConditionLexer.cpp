#include "conditions/ConditionLexer.h"

#include <string>

#include "conditions/Designator.h"
#include "conditions/ValueTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

using Node = std::unique_ptr<CConditionTree>;

Node MakeNode(int kind, int type, std::string value = {}, bool constant = false) {
    return std::make_unique<CConditionTree>(kind, std::move(value), type, constant);
}

// Reads the text one token at a time; works on UTF-16 units, the characters that limits and
// offsets count.
class ConditionLexer {
public:
    ConditionLexer(const CConditionContext& context, std::string_view text)
        : context_(context), text_(Utf8ToUtf16(text)) {}

    int Run(ConditionTokens& tokens);

private:
    size_t Left() const { return text_.size() - position_; }
    // A node for the token at the position, which moves behind it; null with a message.
    Node ReadToken(int previousKind);
    // Consumes the word (lower case) when the text holds it at the position in any case;
    // else fails with the message for a text too short to hold it or for another word.
    bool ReadWord(std::string_view word, int mismatchMessage, int shortMessage);
    Node ReadOperatorWord(int kind, std::string_view word, int mismatchMessage, int shortMessage) {
        return ReadWord(word, mismatchMessage, shortMessage) ? MakeNode(kind, kTypeBool) : nullptr;
    }
    Node ReadTruthValue(std::string_view word, int mismatchMessage, int shortMessage) {
        if (!ReadWord(word, mismatchMessage, shortMessage)) return nullptr;
        return MakeNode(kNodeConstant, kTypeBool, ToUpperText(word), true);
    }
    Node ReadNumberOrDate();
    Node ReadString();
    Node ReadDesignator();
    // Copies up to the closing character; a backslash takes the next character literally.
    bool CopyUntil(char16_t closing, std::u16string& copied);
    Node Fail(int message) {
        SetMessage(message);
        return nullptr;
    }

    const CConditionContext& context_;
    std::u16string text_;
    size_t position_ = 0;
};

int ConditionLexer::Run(ConditionTokens& tokens) {
    int depth = 0;
    while (position_ < text_.size()) {
        const char16_t c = text_[position_];
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
            ++position_;
            continue;
        }
        if (c == u')') {
            ++position_;
            if (--depth < 0) {
                SetMessage(44112);
                return 0;
            }
            continue;
        }
        Node node = ReadToken(tokens.kinds.empty() ? 0 : tokens.kinds.back());
        if (!node) return 0;
        if (tokens.Count() == kMaxConditionTokens) {
            SetMessage(44113);
            return 0;
        }
        const int kind = node->GetKind();
        tokens.kinds.push_back(kind);
        tokens.depths.push_back(depth);
        tokens.nodes.push_back(std::move(node));
        if (kind == kNodeBracket) ++depth;
    }
    if (tokens.kinds.empty()) {
        SetMessage(44114);
        return 0;
    }
    if (depth != 0) {
        SetMessage(44115);
        return 0;
    }
    return 1;
}

Node ConditionLexer::ReadToken(int previousKind) {
    const char16_t c = text_[position_];
    const char16_t next = Left() > 1 ? text_[position_ + 1] : u'\0';
    auto single = [&](int kind, int type) {
        ++position_;
        return MakeNode(kind, type);
    };
    auto pair = [&](int kind) {
        position_ += 2;
        return MakeNode(kind, kTypeBool);
    };
    switch (c) {
        case u'(': return single(kNodeBracket, kTypeUndetermined);
        case u'=': return single(kNodeEqual, kTypeBool);
        case u'<': return next == u'=' ? pair(kNodeLessEqual) : single(kNodeLess, kTypeBool);
        case u'>': return next == u'=' ? pair(kNodeGreaterEqual) : single(kNodeGreater, kTypeBool);
        case u'!':
            if (Left() == 1) return Fail(44107);
            return next == u'=' ? pair(kNodeNotEqual) : Fail(44106);
        case u'+': return single(kNodePlus, kTypeNum);
        case u'*': return single(kNodeTimes, kTypeNum);
        case u'/': return single(kNodeDivide, kTypeNum);
        case u'&': return single(kNodeConcat, kTypeString);
        case u'-': {
            // After an operand a minus subtracts; anywhere else it negates.
            const bool binary = previousKind == kNodeConstant || previousKind == kNodeDesignator;
            return single(binary ? kNodeMinus : kNodeNegate, kTypeNum);
        }
        case u'"': return ReadString();
        case u'#': return ReadDesignator();
        default: break;
    }
    if (IsDigit(c)) return ReadNumberOrDate();
    switch (FoldCase(c)) {
        case u'a': return ReadOperatorWord(kNodeAnd, "and", 44089, 44097);
        case u'o': return ReadOperatorWord(kNodeOr, "or", 44098, 44099);
        case u'x': return ReadOperatorWord(kNodeXor, "xor", 44100, 44101);
        case u'n': return ReadOperatorWord(kNodeNot, "not", 44102, 44103);
        case u't': return ReadTruthValue("true", 44090, 44091);
        case u'f': return ReadTruthValue("false", 44092, 44093);
        case u'u': return ReadTruthValue("undetermined", 44094, 44095);
        default: return Fail(44096);
    }
}

bool ConditionLexer::ReadWord(std::string_view word, int mismatchMessage, int shortMessage) {
    if (Left() < word.size()) {
        SetMessage(shortMessage);
        return false;
    }
    for (size_t i = 1; i < word.size(); ++i) {
        if (FoldCase(text_[position_ + i]) != static_cast<char16_t>(word[i])) {
            SetMessage(mismatchMessage);
            return false;
        }
    }
    position_ += word.size();
    return true;
}

Node ConditionLexer::ReadNumberOrDate() {
    if (Left() >= 10 && text_[position_ + 2] == u'.' && text_[position_ + 5] == u'.') {
        const std::string date = Utf16ToUtf8(text_.substr(position_, 10));
        DateValue parsed;
        if (!ParseDate(date, parsed)) return Fail(44073);
        position_ += 10;
        return MakeNode(kNodeConstant, kTypeDate, date, true);
    }
    const size_t start = position_;
    while (position_ < text_.size() && IsDigit(text_[position_])) ++position_;
    return MakeNode(kNodeConstant, kTypeNum, Utf16ToUtf8(text_.substr(start, position_ - start)), true);
}

bool ConditionLexer::CopyUntil(char16_t closing, std::u16string& copied) {
    ++position_;  // the opening character
    while (position_ < text_.size()) {
        char16_t c = text_[position_++];
        if (c == closing) return true;
        if (c == u'\\') {
            if (position_ == text_.size()) break;
            c = text_[position_++];
        }
        copied += c;
    }
    return false;
}

Node ConditionLexer::ReadString() {
    std::u16string copied;
    if (!CopyUntil(u'"', copied)) return Fail(44110);
    return MakeNode(kNodeConstant, kTypeString, Utf16ToUtf8(copied), true);
}

Node ConditionLexer::ReadDesignator() {
    std::u16string copied;
    if (!CopyUntil(u'#', copied)) return Fail(44108);
    std::string designator = Utf16ToUtf8(copied);
    int type = 0;
    std::string action;
    if (CheckDesignator(context_, designator, type, action) != 1) return nullptr;
    return MakeNode(kNodeDesignator, type, std::move(designator));
}

}  // namespace

int TokenizeCondition(const CConditionContext& context, std::string_view text, ConditionTokens& tokens) {
    tokens = {};
    return ConditionLexer(context, text).Run(tokens);
}
