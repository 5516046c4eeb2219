#pragma once
// The web pages of browser views as their programs show them on the AT-SPI bus (WebKitGTK gives
// a document-web object of elements with "tag" and "id" attributes). A page is read into memory
// when it is first looked for, and kept until the source forgets it. The bus knows no HTML names
// or radio values: the id stands in for the name, and a radio button's label for its value.
#include <utility>
#include <vector>

#include "platform/HtmlTreeSource.h"

// The library's object type, as its own headers declare it.
typedef struct _AtspiAccessible AtspiAccessible;

class AtspiHtmlSource : public HtmlTreeSource {
public:
    AtspiHtmlSource() = default;
    AtspiHtmlSource(const AtspiHtmlSource&) = delete;
    AtspiHtmlSource& operator=(const AtspiHtmlSource&) = delete;
    ~AtspiHtmlSource() override;

    // False when the accessibility bus cannot be reached.
    bool Connect() override;
    // The program of the window (none: no browsers), its top window at the point (none: not
    // reachable), and the browser view's document there (none: no document).
    BrowserLookup FindDocument(const BrowserWindow& window, HtmlDocument& document) override;
    void Forget() override;

private:
    // The pages read since the last Forget, by their document objects (each holds a reference).
    std::vector<std::pair<AtspiAccessible*, HtmlDocument>> pages_;
};
