// Dispatch of the GUI model: windows with their tab pages, transitions and tool data, and the
// GUI builders with their window classes.
#include "model/ApplicationKav.h"
#include "model/GUIBuilder.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "model/windows/TabPage.h"
#include "persistence/ElementDispatch.h"

namespace {

constexpr int kMisplacedTransition = 44905;  // [W0905]
constexpr int kMisplacedWindow = 44908;      // [W0908]

}  // namespace

// The window table refuses a second window of a name in one file, with its own message.
bool ElementDispatch::Window() {
    reader_.ForgetOpenXmlElements();
    std::unique_ptr<CWindowKav> window = reader_.ReadWindow();
    if (!window) return false;
    if (!Under("KAVRO_DATA")) return Fail(kMisplacedWindow);
    if (!project_.GetWindowList().Add(window.get())) return false;
    current_.window = window.release();
    return true;
}

bool ElementDispatch::TabPage() {
    std::unique_ptr<CTabPage> page = reader_.ReadTabPage();
    return page && reader_.PlaceTabPage(std::move(page), parent_, current_.window);
}

// A transition starts from the window it stands in; like every step read, it also carries the
// window's identifier, against which equality compares.
bool ElementDispatch::Transition() {
    CWindowKav* window = Under("WND", current_.window);
    current_.transition =
        Append(reader_.ReadTransition(), window ? &window->GetTransitions() : nullptr, kMisplacedTransition);
    if (!current_.transition) return false;
    current_.transition->SetStartWindow(window);
    return current_.transition->SetStartWndId(window->GetInternalID());
}

bool ElementDispatch::XmlElement() { return reader_.PlaceXmlElement(reader_.ReadXmlElement(), parent_, current_.window); }

bool ElementDispatch::XmlAttribute() { return reader_.PlaceXmlAttribute(reader_.ReadXmlAttribute(), parent_); }

bool ElementDispatch::GuiBuilder() {
    GuiBuilderReading builder = reader_.ReadGuiBuilder();
    return builder && reader_.PlaceGuiBuilder(std::move(builder), parent_);
}

bool ElementDispatch::WindowClass() {
    std::unique_ptr<CWindowClass> windowClass = reader_.ReadWindowClass();
    return windowClass && reader_.PlaceWindowClass(std::move(windowClass), parent_);
}
