#include "shell/wx/SystemClipboard.h"

#include <cstring>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace {

// Opens the clipboard for the life of the object.
class OpenClipboard {
public:
    OpenClipboard() : open_(wxTheClipboard->Open()) {}
    ~OpenClipboard() {
        if (open_) wxTheClipboard->Close();
    }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool SystemClipboard::Publish(const std::map<std::string, std::string>& payloads) {
    OpenClipboard clipboard;
    if (!clipboard) return false;
    if (payloads.empty()) {
        // Only what this process owns is let go of.
        wxTheClipboard->Clear();
        return true;
    }
    auto* offered = new wxDataObjectComposite;
    for (const auto& [format, text] : payloads) {
        auto* payload = new wxCustomDataObject(wxDataFormat(wxString::FromUTF8(format)));
        // The text with its terminating zero, as a reader of the block expects.
        payload->SetData(text.size() + 1, text.c_str());
        offered->Add(payload);
    }
    return wxTheClipboard->SetData(offered);
}

std::optional<std::string> SystemClipboard::Read(const std::string& format) {
    const wxDataFormat dataFormat(wxString::FromUTF8(format));
    OpenClipboard clipboard;
    if (!clipboard || !wxTheClipboard->IsSupported(dataFormat)) return std::nullopt;
    wxCustomDataObject payload(dataFormat);
    if (!wxTheClipboard->GetData(payload)) return std::nullopt;
    const char* data = static_cast<const char*>(payload.GetData());
    if (!data) return std::nullopt;
    // The text up to its terminating zero; a block without one ends with the block.
    return std::string(data, strnlen(data, payload.GetSize()));
}

void InstallSystemClipboard() { InstallClipboardMirror(std::make_unique<SystemClipboard>()); }
