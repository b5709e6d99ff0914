#pragma once
// A native window or control. Native children report to their parent's window procedure, which
// routes each notification to the child's object; every control is subclassed for mouse events.
#include <windows.h>

#include "ui/win32/gdi.h"
#include "ui/window.h"

namespace ui::win32 {

class Win32Toolkit;

class Win32Control : public Window {
  public:
    Win32Control(Win32Toolkit& toolkit, HWND parent, const ControlSpec& params);
    Win32Control(Win32Toolkit& toolkit, const WindowSpec& params);
    ~Win32Control() override;

    static Win32Control* from(HWND hwnd);
    HWND hwnd() const { return hwnd_; }

    ControlKind kind() const override { return kind_; }
    std::intptr_t handle() const override { return reinterpret_cast<std::intptr_t>(hwnd_); }
    void setListener(ControlListener* listener) override { listener_ = listener; }
    Rect bounds() const override;
    void setBounds(Rect r) override;
    Point screenPosition() const override;
    Size clientSize() const override;
    bool visible() const override;
    void setVisible(bool on) override;
    bool enabled() const override;
    void setEnabled(bool on) override;
    Color color() const override { return color_; }
    void setColor(Color c) override;
    Font font() const override { return font_; }
    void setFont(const Font& f) override;
    std::string text() const override;
    void setText(std::string s) override;
    void setHint(std::string s) override;
    std::string hint() const override { return hint_; }
    void setBevel(Bevel b) override;
    void invalidate() override;

    bool checked() const override;
    void setChecked(bool on) override;
    std::vector<std::string> items() const override;
    void setItems(std::vector<std::string> items) override;
    void addItem(std::string item) override;
    int selected() const override;
    void setSelected(int index) override;
    void setItemHeight(int pixels) override;
    void setColumns(std::vector<ListColumn> columns) override;
    void setHandCursor(bool on) override { handCursor_ = on; }
    std::vector<int> columnWidths() const override;
    int position() const override;
    void setPosition(int pos) override;
    void setRange(int min, int max) override;
    int rangeMin() const override { return min_; }
    int rangeMax() const override { return max_; }
    void setSteps(int lineSize, int pageSize, int tickFrequency) override;
    void setImages(ImageSet images) override;

    void setBorder(WindowBorder border) override;
    void setTopmost(bool on) override;
    bool topmost() const override;
    void setLayered(std::optional<Color> key, std::uint8_t alpha) override;
    void setDragAnywhere(bool on) override { dragAnywhere_ = on; }
    void startMove() override;
    void setIcon(const Image& icon) override;
    void minimise() override;
    void restore() override;
    bool minimised() const override;
    void bringToFront() override;
    void requestClose() override;

    // Messages; true when handled, with the result in `result`.
    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  private:
    void create(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, Rect bounds);
    bool onMouse(UINT msg, WPARAM wp, LPARAM lp);
    bool onChildNotice(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    bool onWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void onCommand(WORD code);
    void onScroll(WORD code);
    LRESULT onColor(HDC dc);
    void paintOwn(HDC dc);
    void drawButton(const DRAWITEMSTRUCT& item);
    void drawCaptionButton(const DRAWITEMSTRUCT& item);
    void fillGroupBox();
    void scrollBoxTo(int pos);
    int currentDpi() const;
    Scale scale() const { return {currentDpi()}; }
    ControlListener& listener();
    bool draggable() const;

    Win32Toolkit& toolkit_;
    ControlKind kind_;
    HWND hwnd_ = nullptr;
    ControlListener* listener_ = nullptr;
    Color color_ = systemColor(syscolor::ButtonFace);
    Font font_;
    Gdi<HFONT> hfont_;
    Gdi<HBRUSH> brush_;
    HICON icon_ = nullptr;
    std::string hint_;
    Bevel bevel_ = Bevel::None;
    ImageSet images_;
    unsigned flags_ = 0;
    bool handCursor_ = false;
    int min_ = 0;
    int max_ = 100;
    int lineSize_ = 1;
    int pageSize_ = 10;
    int scrollPos_ = 0;  // scroll box offset
    int pressed_ = -1;   // the button of the current press
    bool inside_ = false;
    bool dragAnywhere_ = false;
    bool settingText_ = false;
};

}  // namespace ui::win32
