#pragma once
// References inside condition texts: "%" and an identifier names a meta-condition of the
// project, or in an effect's cause another effect. Only text outside string constants ("...")
// and designators (#...#) can hold them.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parts of the text outside string constants and designators, with their start
// positions. A quote or "#" without its closing partner does not open anything. TRUE.
bool SplitConditionSegments(const std::string& text, std::vector<std::string>& segments,
                            std::vector<size_t>& starts);

// The identifier after the next "%" at or after position, which is left on the "%"; with no
// "%" left, "" with position at the end of the text. A "%" without identifier gives "" too.
std::string GetNextMetaReference(const std::string& text, size_t& position);

// How a kind of reference is resolved: the referenced text, or none for an unknown name.
struct ReferenceRules {
    std::function<std::optional<std::string>(const std::string& name)> lookup;
    int recursiveMessage;  // a reference that recurs along its own chain
    int missingMessage;    // no such name
};

// Texts that each use the next one twice double with every link; no condition of this length
// could parse (the parser takes at most 99 tokens), so expansion stops there.
inline constexpr size_t kMaxExpandedLength = 1000000;

// Replaces every reference by its text, expanding references inside inserted texts too, no
// brackets added. Each inserted piece carries the chain of references that led to it (with
// ownId first when given); a reference already on its chain fails with the recursive message,
// so cycles end while repeated and diamond-shaped uses expand. A text that grows beyond
// kMaxExpandedLength fails with W0113. On failure the text holds what was expanded before the
// failing reference, then the rest as it stood.
bool ExpandReferences(std::string& text, std::optional<std::string_view> ownId, const ReferenceRules& rules);
