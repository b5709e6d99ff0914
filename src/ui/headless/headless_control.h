#pragma once
// Every headless window and control: an in-memory object holding its state. Owner-drawn kinds
// paint into a software canvas on demand.
#include <optional>
#include <vector>

#include "ui/software_painter.h"
#include "ui/window.h"

namespace ui::headless {

class HeadlessToolkit;

class HeadlessControl : public Window {
  public:
    HeadlessControl(HeadlessToolkit& toolkit, HeadlessControl* parent, ControlKind kind,
                    std::intptr_t handle);
    ~HeadlessControl() override;

    ControlKind kind() const override { return kind_; }
    std::intptr_t handle() const override { return handle_; }
    void setListener(ControlListener* listener) override { listener_ = listener; }
    Rect bounds() const override { return bounds_; }
    Point screenPosition() const override;
    void setBounds(Rect r) override;
    Size clientSize() const override { return {bounds_.width, bounds_.height}; }
    bool visible() const override { return visible_; }
    void setVisible(bool on) override { visible_ = on; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;
    Color color() const override { return color_; }
    void setColor(Color c) override;
    Font font() const override { return font_; }
    void setFont(const Font& f) override;
    std::string text() const override { return text_; }
    void setText(std::string s) override;
    void setHint(std::string s) override { hint_ = std::move(s); }
    std::string hint() const override { return hint_; }
    void setBevel(Bevel b) override { bevel_ = b; }
    void invalidate() override { ++invalidations_; }

    bool checked() const override { return checked_; }
    void setChecked(bool on) override { checked_ = on; }
    std::vector<std::string> items() const override { return items_; }
    void setItems(std::vector<std::string> items) override;
    void addItem(std::string item) override { items_.push_back(std::move(item)); }
    int selected() const override { return selected_; }
    void setSelected(int index) override;
    void setItemHeight(int pixels) override { itemHeight_ = pixels; }
    void setColumns(std::vector<ListColumn> columns) override { columns_ = std::move(columns); }
    std::vector<int> columnWidths() const override;
    int position() const override { return position_; }
    void setPosition(int pos) override;
    void setRange(int min, int max) override;
    int rangeMin() const override { return min_; }
    int rangeMax() const override { return max_; }
    void setSteps(int lineSize, int pageSize, int tickFrequency) override;
    void setImages(ImageSet images) override;
    void setHandCursor(bool on) override { handCursor_ = on; }

    void setBorder(WindowBorder border) override { border_ = border; }
    void setTopmost(bool on) override { topmost_ = on; }
    bool topmost() const override { return topmost_; }
    void setLayered(std::optional<Color> key, std::uint8_t alpha) override;
    void setDragAnywhere(bool on) override { dragAnywhere_ = on; }
    void startMove() override { moving_ = true; }
    void setIcon(const Image& icon) override { icon_ = icon; }
    void minimise() override;
    void restore() override;
    bool minimised() const override { return minimised_; }
    void bringToFront() override;
    void requestClose() override;

    // What a test reads.
    HeadlessControl* parent() const { return parent_; }
    const std::vector<HeadlessControl*>& children() const { return children_; }
    ControlListener* listener() const { return listener_; }
    Bevel bevel() const { return bevel_; }
    int itemHeight() const { return itemHeight_; }
    const std::vector<ListColumn>& columns() const { return columns_; }
    int lineSize() const { return lineSize_; }
    int pageSize() const { return pageSize_; }
    int tickFrequency() const { return tickFrequency_; }
    const ImageSet& images() const { return images_; }
    WindowBorder border() const { return border_; }
    std::optional<Color> layeredKey() const { return layeredKey_; }
    std::uint8_t alpha() const { return alpha_; }
    bool dragAnywhere() const { return dragAnywhere_; }
    bool handCursor() const { return handCursor_; }
    const Image& icon() const { return icon_; }
    bool closed() const { return closed_; }
    int invalidations() const { return invalidations_; }
    // True while a press has started a system move; the test's drag ends it.
    bool moving() const { return moving_; }
    void endMove() { moving_ = false; }
    // Visible here and in every parent.
    bool shownOnScreen() const;

    // The control as drawn now: its background, its own painting and its children's.
    Image render();
    // The text runs of the last render() of this control and its children.
    const std::vector<TextRun>& lastTexts() const { return lastTexts_; }

  private:
    void paintInto(SoftwarePainter& painter);
    void paintList(SoftwarePainter& painter);
    Color resolved(Color c) const;

    HeadlessToolkit& toolkit_;
    HeadlessControl* parent_;
    std::vector<HeadlessControl*> children_;
    ControlKind kind_;
    std::intptr_t handle_;
    ControlListener* listener_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    Color color_ = systemColor(syscolor::ButtonFace);
    Font font_;
    std::string text_;
    std::string hint_;
    Bevel bevel_ = Bevel::None;
    bool checked_ = false;
    std::vector<std::string> items_;
    int selected_ = -1;
    int itemHeight_ = 0;
    std::vector<ListColumn> columns_;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int lineSize_ = 1;
    int pageSize_ = 10;
    int tickFrequency_ = 1;
    ImageSet images_;
    WindowBorder border_ = WindowBorder::Sizeable;
    bool topmost_ = false;
    std::optional<Color> layeredKey_;
    std::uint8_t alpha_ = 255;
    bool dragAnywhere_ = false;
    bool handCursor_ = false;
    bool moving_ = false;
    Image icon_;
    bool minimised_ = false;
    bool closed_ = false;
    int invalidations_ = 0;
    std::vector<TextRun> lastTexts_;
};

}  // namespace ui::headless
