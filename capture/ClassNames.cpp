#include "capture/GuiSpyDlg.h"

namespace {

// MFC registers classes named "Afx:<instance>:<style>:<cursor>:<brush>:<icon>" with handles that
// change from run to run.
std::string NormaliseMfcName(std::string_view name) {
    if (name.rfind(':') == 10) return std::string(name);
    if (name.size() < 19 || name.substr(13, 6) != "10008:") return std::string(name.substr(0, 11)) + "*";
    if (name.size() > 20 && name[20] == ':') return std::string(name.substr(0, 21)) + "*";
    return std::string(name.substr(0, 19)) + "*";
}

// Windows Forms: "WindowsForms10.<control>.app.<generated>".
std::string NormaliseFormsName(std::string_view name) {
    const std::size_t firstDot = name.find('.');
    if (firstDot == std::string_view::npos) return "WindowsForms*";
    const std::size_t secondDot = name.find('.', firstDot + 1);
    if (secondDot == std::string_view::npos) return "WindowsForms*" + std::string(name.substr(firstDot)) + "*";
    return "WindowsForms*" + std::string(name.substr(firstDot, secondDot - firstDot)) + ".*";
}

}  // namespace

std::string CGuiSpyDlg::NormaliseClassName(std::string_view rawClassName) {
    if (rawClassName.starts_with("Afx:400000:")) return NormaliseMfcName(rawClassName);
    if (rawClassName.starts_with("WindowsForms")) return NormaliseFormsName(rawClassName);
    return std::string(rawClassName);
}
