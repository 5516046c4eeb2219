#pragma once
// A record grid under test: an owner that keeps the notifications, a window that keeps the
// beeps, self-resizes and mouse shapes, and a canvas that keeps what a paint drew.
#include <string>
#include <vector>

#include "editors/grid/BabyGrid.h"
#include "editors/grid/HeadlessGridWindow.h"

class RecordingGridOwner : public GridOwner {
public:
    std::vector<GridNotice> notices;
    bool cursorAfterPaint = false;

    void OnGridNotify(const GridNotice& notice) override { notices.push_back(notice); }
    bool GridCursorAfterPaint() const override { return cursorAfterPaint; }

    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const GridNotice& notice : notices) codes.push_back(notice.code);
        return codes;
    }
};

class RecordingGridWindow : public HeadlessGridWindow {
public:
    using HeadlessGridWindow::HeadlessGridWindow;

    int beeps = 0;
    std::vector<GridRect> resizes;  // width and height as right and bottom
    GridMouseShape shape = kMouseShapeNone;
    int parentWidth = 0;

    int ParentClientWidth() const override { return parentWidth; }
    void Beep() override { ++beeps; }
    bool Resize(int width, int height) override {
        resizes.push_back({0, 0, width, height});
        return HeadlessGridWindow::Resize(width, height);
    }
    void SetMouseShape(GridMouseShape newShape) override { shape = newShape; }
};

// One drawing call: what was drawn, where, and its text or state.
struct DrawnItem {
    std::string kind;
    GridRect rect;
    std::string text;
    unsigned format = 0;
    GridColour colour = 0;
};

class RecordingCanvas : public GridCanvas {
public:
    std::vector<DrawnItem> items;

    void Fill(const GridRect& rect, GridColour colour) override { items.push_back({"fill", rect, {}, 0, colour}); }
    void EtchedEdge(const GridRect& rect) override { items.push_back({"edge", rect, {}, 0, 0}); }
    void Cell(const GridRect& rect, GridColour fill, GridColour) override {
        items.push_back({"cell", rect, {}, 0, fill});
    }
    void Text(const GridRect& rect, const std::string& text, const GridFont&, GridColour colour,
              unsigned format) override {
        items.push_back({"text", rect, text, format, colour});
    }
    void CheckBox(const GridRect& rect, bool checked) override {
        items.push_back({"check", rect, checked ? "checked" : "unchecked", 0, 0});
    }
    void Frame(const GridRect& rect, GridColour colour, int) override {
        items.push_back({"frame", rect, {}, 0, colour});
    }
    void EditBox(const GridRect& rect) override { items.push_back({"editbox", rect, {}, 0, 0}); }

    // The items of one kind.
    std::vector<DrawnItem> Of(const std::string& kind) const {
        std::vector<DrawnItem> found;
        for (const DrawnItem& item : items)
            if (item.kind == kind) found.push_back(item);
        return found;
    }
    // The texts drawn inside the rectangle.
    std::vector<std::string> TextsIn(const GridRect& area) const {
        std::vector<std::string> texts;
        for (const DrawnItem& item : items)
            if (item.kind == "text" && item.rect.left >= area.left && item.rect.right <= area.right &&
                item.rect.top >= area.top && item.rect.bottom <= area.bottom)
                texts.push_back(item.text);
        return texts;
    }
};
