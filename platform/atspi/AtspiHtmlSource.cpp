#include "platform/atspi/AtspiHtmlSource.h"

#include <string>

#include "platform/TextUtil.h"
#include "platform/atspi/AtspiObjects.h"

namespace {

bool Holds(const ScreenRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// An object without extents says nothing about where its children lie.
bool MayHold(const ScreenRect& r, int x, int y) { return r.right <= r.left || r.bottom <= r.top || Holds(r, x, y); }

std::string Attribute(GHashTable* attributes, const char* name) {
    const auto* value = attributes ? static_cast<const gchar*>(g_hash_table_lookup(attributes, name)) : nullptr;
    return value ? value : "";
}

std::string DocumentAttribute(AtspiAccessible* document, const char* name) {
    AtspiRef<AtspiDocument> interface(atspi_accessible_get_document_iface(document));
    if (!interface.get()) return {};
    std::string key = name;
    return TakeAtspiString(atspi_document_get_document_attribute_value(interface.get(), key.data(), nullptr));
}

// The address a link, an area or an image leads to.
std::string HyperlinkUri(AtspiAccessible* accessible) {
    AtspiRef<AtspiHyperlink> link(atspi_accessible_get_hyperlink(accessible));
    return link.get() ? TakeAtspiString(atspi_hyperlink_get_uri(link.get(), 0, nullptr)) : "";
}

// An image's alternative text; an image map, which the bus shows without the image interface,
// gives it as its name.
std::string ImageText(AtspiAccessible* accessible, const std::string& name) {
    AtspiRef<AtspiImage> image(atspi_accessible_get_image_iface(accessible));
    return image.get() ? TakeAtspiString(atspi_image_get_image_description(image.get(), nullptr)) : name;
}

// The bus shows an INPUT element by its role.
std::string InputType(AtspiRole role, const std::string& address) {
    switch (role) {
    case ATSPI_ROLE_PUSH_BUTTON: return address.empty() ? "submit" : "image";
    case ATSPI_ROLE_CHECK_BOX: return "checkbox";
    case ATSPI_ROLE_RADIO_BUTTON: return "radio";
    case ATSPI_ROLE_ENTRY: case ATSPI_ROLE_TEXT: return "text";
    case ATSPI_ROLE_PASSWORD_TEXT: return "password";
    default: return "";
    }
}

// Reads documents with their elements into the tree.
class PageReader {
public:
    explicit PageReader(HtmlTreeSource& tree) : tree_(tree) {}

    HtmlDocument ReadDocument(AtspiAccessible* accessible) {
        visits_.FirstVisit(accessible);
        const ScreenRect origin = AtspiExtents(accessible);
        std::string title = DocumentAttribute(accessible, "Title");
        if (title.empty()) title = AtspiName(accessible);
        const HtmlDocument document = tree_.AddDocument(title, DocumentAttribute(accessible, "URI"));
        ReadChildren(accessible, document, 0, origin);
        return document;
    }

private:
    void ReadChildren(AtspiAccessible* accessible, HtmlDocument document, HtmlElement parent, const ScreenRect& origin) {
        for (int i = 0; i < AtspiChildCount(accessible); ++i) {
            AtspiRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(accessible, i, nullptr));
            if (!child.get() || !visits_.FirstVisit(child.get())) continue;
            if (atspi_accessible_get_role(child.get(), nullptr) == ATSPI_ROLE_DOCUMENT_WEB) continue;
            ReadElement(child.get(), document, parent, origin);
        }
    }

    void ReadElement(AtspiAccessible* accessible, HtmlDocument document, HtmlElement parent, const ScreenRect& origin) {
        const AtspiRole role = atspi_accessible_get_role(accessible, nullptr);
        GHashTable* attributes = atspi_accessible_get_attributes(accessible, nullptr);
        const std::string tag = ToUpperText(Attribute(attributes, "tag"));
        const std::string id = Attribute(attributes, "id");
        if (attributes) g_hash_table_unref(attributes);
        const std::string name = AtspiName(accessible);
        const ScreenRect r = AtspiExtents(accessible);
        AtspiRef<AtspiStateSet> states(atspi_accessible_get_state_set(accessible));

        TreeElement element{.tag = role == ATSPI_ROLE_IMAGE_MAP ? "MAP" : tag,
                            .offsets = {r.left - origin.left, r.top - origin.top, r.right - r.left, r.bottom - r.top},
                            .visible = atspi_state_set_contains(states.get(), ATSPI_STATE_SHOWING) != 0,
                            .multiple = atspi_state_set_contains(states.get(), ATSPI_STATE_MULTISELECTABLE) != 0,
                            .innerText = name,
                            .name = role == ATSPI_ROLE_RADIO_BUTTON ? "" : id};
        const std::string address = tag == "A" || tag == "AREA" || tag == "INPUT" || tag == "IMG" ? HyperlinkUri(accessible) : "";
        if (tag == "A" || tag == "AREA") element.href = address;
        if (tag == "INPUT") {
            element.inputType = InputType(role, address);
            if (role == ATSPI_ROLE_PUSH_BUTTON || role == ATSPI_ROLE_RADIO_BUTTON) element.value = name;
        }
        if (tag == "IMG") {
            element.alt = ImageText(accessible, name);
            element.fileName = address.substr(address.find_last_of('/') + 1);
        }
        if (element.tag == "MAP") element.useMap = "#" + id;
        const bool frame = tag == "FRAME" || tag == "IFRAME";
        if (frame) {
            // A frame is named by what the bus calls it.
            element.name = name;
            element.frameDocument = ReadFrameDocument(accessible);
        }

        const HtmlElement handle = tree_.Add(document, std::move(element), parent);
        // The image map is both the image and its map.
        if (tree_.Element(handle).tag == "MAP") tree_.AddImage(document, handle);
        if (frame) return;
        ReadChildren(accessible, document, handle, origin);
        if (tree_.Element(handle).tag != "MAP") return;
        std::vector<HtmlElement> areas;
        for (const HtmlElement child : tree_.GetChildren(handle)) {
            if (tree_.GetTagName(child) == "AREA") areas.push_back(child);
        }
        tree_.Element(handle).areas = std::move(areas);
    }

    // The document a frame element holds somewhere below it.
    HtmlDocument ReadFrameDocument(AtspiAccessible* frame) {
        for (int i = 0; i < AtspiChildCount(frame); ++i) {
            AtspiRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(frame, i, nullptr));
            if (!child.get() || !visits_.FirstVisit(child.get())) continue;
            if (atspi_accessible_get_role(child.get(), nullptr) == ATSPI_ROLE_DOCUMENT_WEB) return ReadDocument(child.get());
            if (const HtmlDocument document = ReadFrameDocument(child.get())) return document;
        }
        return 0;
    }

    HtmlTreeSource& tree_;
    AtspiVisits visits_;
};

AtspiAccessible* FindApplication(pid_t process) {
    AtspiRef<AtspiAccessible> desktop(atspi_get_desktop(0));
    for (int i = 0; i < AtspiChildCount(desktop.get()); ++i) {
        AtspiAccessible* application = atspi_accessible_get_child_at_index(desktop.get(), i, nullptr);
        if (application && atspi_accessible_get_process_id(application, nullptr) == static_cast<guint>(process)) {
            return application;
        }
        if (application) g_object_unref(application);
    }
    return nullptr;
}

AtspiAccessible* FindTopWindow(AtspiAccessible* application, int x, int y) {
    for (int i = 0; i < AtspiChildCount(application); ++i) {
        AtspiAccessible* window = atspi_accessible_get_child_at_index(application, i, nullptr);
        if (window && HasAtspiState(window, ATSPI_STATE_SHOWING) && Holds(AtspiExtents(window), x, y)) return window;
        if (window) g_object_unref(window);
    }
    return nullptr;
}

// The outermost document below the object that shows at the point, with a reference.
AtspiAccessible* FindDocumentAt(AtspiAccessible* object, int x, int y, AtspiVisits& visits) {
    for (int i = 0; i < AtspiChildCount(object); ++i) {
        AtspiRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(object, i, nullptr));
        if (!child.get() || !visits.FirstVisit(child.get()) || !MayHold(AtspiExtents(child.get()), x, y)) continue;
        const AtspiRole role = atspi_accessible_get_role(child.get(), nullptr);
        if (role == ATSPI_ROLE_DOCUMENT_WEB) {
            if (HasAtspiState(child.get(), ATSPI_STATE_SHOWING)) return static_cast<AtspiAccessible*>(g_object_ref(child.get()));
            continue;
        }
        if (role == ATSPI_ROLE_MENU_BAR || HasAtspiState(child.get(), ATSPI_STATE_MANAGES_DESCENDANTS)) continue;
        if (AtspiAccessible* document = FindDocumentAt(child.get(), x, y, visits)) return document;
    }
    return nullptr;
}

}  // namespace

AtspiHtmlSource::~AtspiHtmlSource() { Forget(); }

bool AtspiHtmlSource::Connect() {
    atspi_init();
    AtspiRef<AtspiAccessible> desktop(atspi_get_desktop(0));
    if (!desktop.get()) return false;
    GError* error = nullptr;
    atspi_accessible_get_child_count(desktop.get(), &error);
    if (!error) return true;
    g_error_free(error);
    return false;
}

void AtspiHtmlSource::Forget() {
    for (const auto& [accessible, document] : pages_) g_object_unref(accessible);
    pages_.clear();
    Clear();
}

BrowserLookup AtspiHtmlSource::FindDocument(const BrowserWindow& window, HtmlDocument& document) {
    document = 0;
    AtspiRef<AtspiAccessible> application(FindApplication(window.process));
    if (!application.get()) return BrowserLookup::NoBrowsers;
    AtspiRef<AtspiAccessible> topWindow(FindTopWindow(application.get(), window.screenX, window.screenY));
    if (!topWindow.get()) return BrowserLookup::NotReachable;
    AtspiVisits visits;
    AtspiAccessible* found = FindDocumentAt(topWindow.get(), window.screenX, window.screenY, visits);
    if (!found) return BrowserLookup::NoDocument;
    for (const auto& [accessible, page] : pages_) {
        if (accessible == found) {
            g_object_unref(found);
            document = page;
            return BrowserLookup::Found;
        }
    }
    document = PageReader(*this).ReadDocument(found);
    pages_.emplace_back(found, document);
    return BrowserLookup::Found;
}
