#include "model/MetaReferences.h"

#include <algorithm>

#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

bool SplitConditionSegments(const std::string& text, std::vector<std::string>& segments,
                            std::vector<size_t>& starts) {
    segments.clear();
    starts.clear();
    size_t segmentStart = 0;
    for (size_t i = 0; i < text.size();) {
        if (i + 1 == text.size()) {
            segments.push_back(text.substr(segmentStart));
            starts.push_back(segmentStart);
            break;
        }
        const char c = text[i];
        if (c != '"' && c != '#') {
            ++i;
            continue;
        }
        segments.push_back(text.substr(segmentStart, i - segmentStart));
        starts.push_back(segmentStart);
        const size_t closing = text.find(c, i + 1);
        i = closing == std::string::npos ? i + 1 : closing + 1;
        segmentStart = i;
    }
    return true;
}

std::string GetNextMetaReference(const std::string& text, size_t& position) {
    position = std::min(text.find('%', position), text.size());
    size_t end = position + 1;
    while (end < text.size() && IsIdentifierChar(static_cast<unsigned char>(text[end]))) ++end;
    return position < text.size() ? text.substr(position + 1, end - position - 1) : std::string();
}

namespace {

constexpr int kTooComplex = 44113;

class Expander {
public:
    Expander(const ReferenceRules& rules, std::optional<std::string_view> ownId) : rules_(rules) {
        if (ownId) chain_.emplace_back(*ownId);
    }

    // Appends the expansion of text to out; on failure out ends with the rest of text from
    // the failing reference on.
    bool Expand(const std::string& text, std::string& out) {
        std::vector<std::string> segments;
        std::vector<size_t> starts;
        SplitConditionSegments(text, segments, starts);
        size_t copied = 0;
        for (size_t s = 0; s < segments.size(); ++s) {
            for (size_t position = 0;; ++position) {
                const std::string name = GetNextMetaReference(segments[s], position);
                if (position >= segments[s].size()) break;
                const size_t at = starts[s] + position;
                out.append(text, copied, at - copied);
                copied = at;
                if (const Outcome outcome = Insert(name, out); outcome != Outcome::kInserted) {
                    // A refused reference stays in the text; one whose own text failed was
                    // replaced by that text as far as it was expanded.
                    out.append(text, copied + (outcome == Outcome::kFailedInside ? 1 + name.size() : 0));
                    return false;
                }
                copied = at + 1 + name.size();
                position += name.size();
            }
        }
        out.append(text, copied);
        return true;
    }

private:
    enum class Outcome { kInserted, kRefused, kFailedInside };

    // Appends the expanded text of the reference.
    Outcome Insert(const std::string& name, std::string& out) {
        if (out.size() > kMaxExpandedLength) {
            SetMessage(kTooComplex);
            return Outcome::kRefused;
        }
        if (std::any_of(chain_.begin(), chain_.end(), [&](const std::string& id) { return EqualsNoCase(id, name); })) {
            SetMessage(rules_.recursiveMessage, name);
            return Outcome::kRefused;
        }
        const std::optional<std::string> inserted = rules_.lookup(name);
        if (!inserted) {
            SetMessage(rules_.missingMessage, name);
            return Outcome::kRefused;
        }
        chain_.push_back(name);
        const bool expanded = Expand(*inserted, out);
        chain_.pop_back();
        return expanded ? Outcome::kInserted : Outcome::kFailedInside;
    }

    const ReferenceRules& rules_;
    std::vector<std::string> chain_;
};

}  // namespace

bool ExpandReferences(std::string& text, std::optional<std::string_view> ownId, const ReferenceRules& rules) {
    std::string expanded;
    bool ok = Expander(rules, ownId).Expand(text, expanded);
    if (ok && expanded.size() > kMaxExpandedLength) ok = Fail(kTooComplex);
    text = std::move(expanded);
    return ok;
}
