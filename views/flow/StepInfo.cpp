#include "views/flow/StepInfo.h"

#include <algorithm>

#include "model/ActionKav.h"
#include "model/ArgumentKav.h"
#include "model/ConditionKav.h"
#include "model/StepKav.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kInfoEvent = 49260;
constexpr int kInfoCommands = 49261;
constexpr int kInfoCondition = 49262;
constexpr int kInfoAction = 49263;
constexpr int kInfoDescription = 49385;
constexpr int kLineHeight = 14;
constexpr int kPadding = 10;

}  // namespace

std::string DescribeStepAction(const CStepKav& step) {
    if (!step.GetCommands().empty()) return LoadMessage(kInfoCommands) + step.GetCommands() + "\r\n";
    if (!step.GetEvent().empty()) return LoadMessage(kInfoEvent) + step.GetEvent() + "\r\n";
    if (!step.GetDescription().empty()) return LoadMessage(kInfoDescription) + step.GetDescription() + "\r\n";
    return {};
}

std::string DescribeConditionsAndActions(const CStepKav& step) {
    std::string text;
    for (const CConditionKav* condition : step.GetConditions())
        text += LoadMessage(kInfoCondition) + condition->GetText() + "\r\n";
    for (const CActionKav* action : step.GetActions()) {
        std::string values;
        for (const CArgumentKav* argument : action->GetArguments())
            values += (values.empty() ? "" : ", ") + argument->GetValue();
        text += LoadMessage(kInfoAction) + action->GetName() + "(" + values + ")\r\n";
    }
    return text;
}

std::optional<ViewRect> PlaceStepInfo(const std::string& text, ViewPoint pointer, ViewSize clientSize,
                                      const TextSurface& surface, const TextFont& font) {
    if (text.empty()) return std::nullopt;
    int widest = 0;
    int lines = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        const std::string line = text.substr(start, end - start);
        widest = std::max(widest, surface.Measure(line.empty() ? " " : line, font, 0).width);
        start = end + 2;
    }
    const int width = widest + kPadding;
    const int height = kLineHeight * lines + kPadding;
    int x = pointer.x - width / 2;
    int y = pointer.y + 20;
    if (clientSize.height - pointer.y < height + 20 && pointer.y >= height + 20) y = pointer.y - height - 5;
    if (x + width > clientSize.width) x = clientSize.width - width - 5;
    x = std::max(x, 5);
    return ViewRect{x, y, x + width, y + height};
}
