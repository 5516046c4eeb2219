#include "combgen/ConditionParser.h"

#include <vector>

#include "combgen/CheckedMath.h"
#include "combgen/Configuration.h"
#include "combgen/LibraryText.h"

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Token {
    int kind;
    int level;  // brackets around the token; a bracket token stands outside its own
    int value = 0;
    const CVariable* variable = nullptr;
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    bool Run(std::vector<Token>& tokens) {
        tokens_ = &tokens;
        while (pos_ < text_.size()) {
            if (!ReadToken()) return false;
        }
        if (tokens.empty()) return Fail("Error: Empty condition string!");
        if (level_ != 0) return Fail("Syntax Error: Missing ')' Bracket!");
        return true;
    }

private:
    bool ReadToken() {
        const char c = text_[pos_];
        switch (c) {
            case ' ': case '\t': case '\r': case '\n': ++pos_; return true;
            case '(':
                ++pos_;
                if (!Add(kBracket)) return false;
                ++level_;
                return true;
            case ')':
                ++pos_;
                if (--level_ < 0) return Fail("Syntax Error: Missing '(' Bracket!");
                return true;
            case '+': ++pos_; return Add(kPlus);
            case '*': ++pos_; return Add(kTimes);
            case '/': ++pos_; return Add(kDivide);
            case '=': ++pos_; return Add(kEqual);
            case '-': ++pos_; return Add(FollowsOperand() ? kMinus : kNegate);
            case '<': return AddComparison(kLess, kLessEqual);
            case '>': return AddComparison(kGreater, kGreaterEqual);
            case '!':
                if (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '=') return Fail("Syntax Error!");
                pos_ += 2;
                return Add(kNotEqual);
            case '#': return ReadVariable();
            case 'A': case 'a': return ReadKeyword("AND", kAnd);
            case 'O': case 'o': return ReadKeyword("OR", kOr);
            case 'X': case 'x': return ReadKeyword("XOR", kXor);
            case 'N': case 'n': return ReadKeyword("NOT", kNot);
            default: return IsDigit(c) ? ReadNumber() : Fail("Syntax Error!");
        }
    }

    bool Add(int kind) {
        if (tokens_->size() >= kMaxConditionNodes) return Fail("Condition too complex!");
        tokens_->push_back(Token{kind, level_});
        return true;
    }

    // A closing bracket makes no token, so after one the token before is the last inside it.
    bool FollowsOperand() const {
        return !tokens_->empty() && (tokens_->back().kind == kNumber || tokens_->back().kind == kVariable);
    }

    bool AddComparison(int plain, int withEqual) {
        const bool equal = pos_ + 1 < text_.size() && text_[pos_ + 1] == '=';
        pos_ += equal ? 2 : 1;
        return Add(equal ? withEqual : plain);
    }

    // What follows the keyword is left to the next token.
    bool ReadKeyword(std::string_view keyword, int kind) {
        if (text_.size() - pos_ < keyword.size()) return Fail("Syntax Error!");
        for (std::size_t i = 0; i < keyword.size(); ++i) {
            char c = text_[pos_ + i];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (c != keyword[i]) return Fail("Syntax Error!");
        }
        pos_ += keyword.size();
        return Add(kind);
    }

    bool ReadNumber() {
        int value = 0;
        for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_) {
            if (!MultiplyChecked(value, 10, value) || !AddChecked(value, text_[pos_] - '0', value)) {
                return Fail(kOverflowMessage);
            }
        }
        if (!Add(kNumber)) return false;
        tokens_->back().value = value;
        return true;
    }

    // A backslash takes the next character into the name: #Ag\#e# names Ag#e.
    bool ReadVariable() {
        std::string name;
        std::size_t pos = pos_ + 1;
        for (; pos < text_.size() && text_[pos] != '#'; ++pos) {
            if (text_[pos] == '\\' && pos + 1 < text_.size()) ++pos;
            name += text_[pos];
        }
        if (pos >= text_.size()) return Fail("Syntax Error: Variablename missing '#'!");
        pos_ = pos + 1;
        const CVariable* variable = FindVariable(name);
        if (!variable) return Fail("Variable '%s' not existing!", name);
        if (!Add(kVariable)) return false;
        tokens_->back().variable = variable;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int level_ = 0;
    std::vector<Token>* tokens_ = nullptr;
};

// Value of a node whose operands are all constant, computed once while parsing.
bool FoldConstant(CConditionTree& node) {
    const int a = node.left->value;
    const int b = node.right ? node.right->value : 0;
    int& result = node.value;
    switch (node.kind) {
        case kOr: result = a || b; return true;
        case kXor: result = (a != 0) != (b != 0); return true;
        case kAnd: result = a && b; return true;
        case kEqual: result = a == b; return true;
        case kNotEqual: result = a != b; return true;
        case kLess: result = a < b; return true;
        case kGreater: result = a > b; return true;
        case kLessEqual: result = a <= b; return true;
        case kGreaterEqual: result = a >= b; return true;
        case kPlus: return AddChecked(a, b, result) || Fail(kOverflowMessage);
        case kMinus: return SubtractChecked(a, b, result) || Fail(kOverflowMessage);
        case kTimes: return MultiplyChecked(a, b, result) || Fail(kOverflowMessage);
        case kDivide:
            if (b == 0) return Fail("Numeric Error: Division by Zero!");
            return DivideChecked(a, b, result) || Fail(kOverflowMessage);
        case kNot: result = !a; return true;
        case kNegate: return NegateChecked(a, result) || Fail(kOverflowMessage);
        default: result = a; return true;  // bracket
    }
}

class TreeBuilder {
public:
    explicit TreeBuilder(const std::vector<Token>& tokens) : tokens_(tokens) {}

    std::unique_ptr<CConditionTree> Build(int first, int last, int level) {
        const int at = FindLowestOperator(first, last, level);
        if (at < 0) return Failed("Fatal Error: Condition structure corrupted!");
        const int kind = tokens_[at].kind;
        if (kind == kNumber || kind == kVariable) return BuildOperand(first, last, at);
        if (kind == kNot || kind == kNegate) return BuildPrefix(first, last, at, level);
        if (kind == kBracket) return BuildBracket(last, at, level);
        if (kind >= kOr && kind <= kDivide) return BuildBinary(first, last, at, level);
        return Failed("Fatal Error: Condition structure corrupted!");
    }

private:
    static std::unique_ptr<CConditionTree> Failed(std::string_view message) {
        Fail(message);
        return nullptr;
    }

    // Ties go to the leftmost token, which makes a chain of one operator group to the right.
    int FindLowestOperator(int first, int last, int level) const {
        int found = -1;
        for (int i = first; i <= last; ++i) {
            if (tokens_[i].level == level && (found < 0 || tokens_[i].kind < tokens_[found].kind)) found = i;
        }
        return found;
    }

    std::unique_ptr<CConditionTree> BuildOperand(int first, int last, int at) {
        if (first != last) return Failed("Syntax Error: Missing Operator!");
        auto node = MakeNode(tokens_[at].kind);
        node->value = tokens_[at].value;
        node->variable = tokens_[at].variable;
        node->constant = node->kind == kNumber;
        return node;
    }

    std::unique_ptr<CConditionTree> BuildBinary(int first, int last, int at, int level) {
        if (at == first || at == last) return Failed("Syntax Error: Missing Operand!");
        auto left = Build(first, at - 1, level);
        if (!left) return nullptr;
        auto right = Build(at + 1, last, level);
        if (!right) return nullptr;
        const int kind = tokens_[at].kind;
        const bool logical = IsLogical(kind);
        const int wanted = logical ? kTypeBoolean : kTypeNumeric;
        if (left->type != wanted || right->type != wanted) {
            return Failed(logical ? "Type mismatch: Bool Operand required!" : "Type mismatch: Numeric operand required!");
        }
        return Finish(MakeNode(kind, std::move(left), std::move(right)));
    }

    // Tokens before a prefix operator would belong to no operand: "(A) NOT (B)" lacks an operator.
    std::unique_ptr<CConditionTree> BuildPrefix(int first, int last, int at, int level) {
        if (at == last) return Failed("Syntax Error: Missing Operand!");
        if (at != first) return Failed("Syntax Error: Missing Operator!");
        auto operand = Build(at + 1, last, level);
        if (!operand) return nullptr;
        const int kind = tokens_[at].kind;
        if (kind == kNot && operand->type != kTypeBoolean) return Failed("Type mismatch: Bool Operand required!");
        if (kind == kNegate && operand->type != kTypeNumeric) {
            return Failed("Type mismatch: Numeric Operand required!");
        }
        return Finish(MakeNode(kind, std::move(operand)));
    }

    // A bracket is the root of its range only when every token of the range at this level is a
    // bracket; the first one holds the tokens up to its closing bracket, and any further token
    // at this level is an operand without operator, as in "()()".
    std::unique_ptr<CConditionTree> BuildBracket(int last, int at, int level) {
        int end = at + 1;
        while (end <= last && tokens_[end].level > level) ++end;
        if (end <= last) return Failed("Syntax Error: Missing Operator!");
        if (end == at + 1) {
            return Failed(OnlyBrackets() ? "Error: Empty condition string!" : "Syntax Error: Missing ')' Bracket!");
        }
        auto content = Build(at + 1, end - 1, level + 1);
        if (!content) return nullptr;
        const int type = content->type;
        auto node = MakeNode(kBracket, std::move(content));
        node->type = type;
        return Finish(std::move(node));
    }

    bool OnlyBrackets() const {
        for (const Token& token : tokens_) {
            if (token.kind != kBracket) return false;
        }
        return true;
    }

    static std::unique_ptr<CConditionTree> Finish(std::unique_ptr<CConditionTree> node) {
        node->constant = node->left->constant && (!node->right || node->right->constant);
        if (node->constant && !FoldConstant(*node)) return nullptr;
        return node;
    }

    const std::vector<Token>& tokens_;
};

}  // namespace

bool ExpandEffectReferences(std::string_view text, std::string& expanded) {
    expanded.clear();
    bool inQuotes = false, inHashes = false, escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '#') {
            bool& inside = c == '"' ? inQuotes : inHashes;
            const bool otherOpen = c == '"' ? inHashes : inQuotes;
            if (escaped) {
                escaped = false;
            } else if (!otherOpen) {
                inside = !inside;
            }
        } else if (c == '\\') {
            escaped = !escaped;
        } else if (c == '%' && !inQuotes && !inHashes && !escaped) {
            std::size_t end = i + 1;
            while (end < text.size() && IsNameCharacter(text[end])) ++end;
            const std::string_view name = text.substr(i + 1, end - i - 1);
            const CEffect* effect = FindEffect(name);
            if (!effect) return Fail("Reference to unknown effect '%s'!", name);
            std::string inner;
            if (!ExpandEffectReferences(effect->conditionText, inner)) return false;
            expanded += inner;
            i = end - 1;
            continue;
        }
        expanded += c;
    }
    return true;
}

std::unique_ptr<CConditionTree> ParseCondition(std::string_view text) {
    if (text.empty()) {
        Fail("Error: Empty condition string!");
        return nullptr;
    }
    if (Utf16Units(text) > kMaxConditionLength) {
        Fail("Error: Condition string is longer than %d characters!", std::to_string(kMaxConditionLength));
        return nullptr;
    }
    std::vector<Token> tokens;
    if (!Tokenizer(text).Run(tokens)) return nullptr;
    return TreeBuilder(tokens).Build(0, static_cast<int>(tokens.size()) - 1, 0);
}
