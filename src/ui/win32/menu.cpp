#include "ui/win32/menu.h"

#include "ui/win32/gdi.h"
#include "ui/win32/text.h"

namespace ui::win32 {

namespace {
constexpr int Gutter = 22;
constexpr int ItemHeight = 20;
constexpr int SeparatorHeight = 7;
constexpr UINT IdOffset = 1;  // TrackPopupMenu returns 0 for "nothing chosen"

// Owner-drawn, yet the system keeps the text too, for screen readers and GetMenuString. Set on its own:
// some systems drop a text given together with the owner-drawn type.
void keepText(HMENU menu, UINT id, const std::string& text) {
    std::wstring wide = toWide(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide.data();
    SetMenuItemInfoW(menu, id, FALSE, &info);
}

// A tick alone is lost on a dark picture: a checked item's picture also gets a frame.
void frameCheckedBitmap(Painter& p, int height, Color mark) {
    const int right = Gutter - 2, bottom = height - 2;
    p.line({1, 1}, {right, 1}, mark);
    p.line({right, 1}, {right, bottom}, mark);
    p.line({right, bottom}, {1, bottom}, mark);
    p.line({1, bottom}, {1, 1}, mark);
}
}  // namespace

Win32Menu::~Win32Menu() {
    destroy();
}

void Win32Menu::destroy() {
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    entries_.clear();
}

void Win32Menu::setItems(std::vector<MenuItem> items) {
    destroy();
    menu_ = build(items);
}

HMENU Win32Menu::build(const std::vector<MenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        Entry& e = entries_.emplace_back(Entry{this, item});
        e.item.children.clear();
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
        info.fType = MFT_OWNERDRAW | (item.separator ? MFT_SEPARATOR : 0);
        info.fState = (item.checked ? MFS_CHECKED : 0) | (item.enabled ? 0 : MFS_DISABLED);
        info.wID = static_cast<UINT>(item.id) + IdOffset;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&e);
        if (!item.children.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = build(item.children);
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
        if (!item.separator) keepText(menu, info.wID, item.text);
    }
    return menu;
}

void Win32Menu::setChecked(int id, bool on) {
    for (Entry& e : entries_)
        if (e.item.id == id) e.item.checked = on;
    if (menu_)
        CheckMenuItem(menu_, static_cast<UINT>(id) + IdOffset,
                      MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Menu::popup(Point screen) {
    if (!menu_) return;
    const Scale s{dpi_};
    // The owner must be in the foreground, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(owner_);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                         s.px(screen.x), s.px(screen.y), 0, owner_, nullptr));
    PostMessageW(owner_, WM_NULL, 0, 0);
    if (chosen >= IdOffset && onChoose) onChoose(static_cast<int>(chosen - IdOffset));
}

bool Win32Menu::ownerDraw(UINT msg, LPARAM lp) {
    if (msg == WM_MEASUREITEM) {
        auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m.CtlType != ODT_MENU || !m.itemData) return false;
        const auto& e = *reinterpret_cast<const Entry*>(m.itemData);
        e.menu->measure(m, e);
        return true;
    }
    auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (d.CtlType != ODT_MENU || !d.itemData) return false;
    const auto& e = *reinterpret_cast<const Entry*>(d.itemData);
    e.menu->draw(d, e);
    return true;
}

void Win32Menu::measure(MEASUREITEMSTRUCT& m, const Entry& e) const {
    const Scale s{dpi_};
    if (e.item.separator) {
        m.itemWidth = static_cast<UINT>(s.px(Gutter));
        m.itemHeight = static_cast<UINT>(s.px(SeparatorHeight));
        return;
    }
    HDC dc = GetDC(owner_);
    Gdi<HFONT> font = makeFont(style_.font, dpi_);
    const HGDIOBJ old = SelectObject(dc, font.get());
    const std::wstring wide = toWide(e.item.text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(owner_, dc);
    m.itemWidth = static_cast<UINT>(size.cx + s.px(Gutter + 24));
    m.itemHeight = static_cast<UINT>(s.px(ItemHeight));
}

void Win32Menu::draw(const DRAWITEMSTRUCT& d, const Entry& e) const {
    const Scale s{dpi_};
    const int w = s.logical(d.rcItem.right - d.rcItem.left), h = s.logical(d.rcItem.bottom - d.rcItem.top);
    SetViewportOrgEx(d.hDC, d.rcItem.left, d.rcItem.top, nullptr);
    GdiPainter p(d.hDC, {w, h}, s);
    const bool selected = (d.itemState & ODS_SELECTED) && !e.item.separator;
    p.fillRect({0, 0, w, h}, selected ? style_.highlight : style_.background);
    if (!selected) p.fillRect({0, 0, Gutter, h}, style_.gutter);
    if (e.item.separator) {
        p.line({Gutter + 4, h / 2}, {w - 4, h / 2}, style_.separator);
    } else {
        if (!e.item.bitmap.empty())
            p.image({(Gutter - e.item.bitmap.width()) / 2, (h - e.item.bitmap.height()) / 2}, e.item.bitmap,
                    e.item.bitmap.pixel(0, 0), 255);
        if (d.itemState & ODS_CHECKED) {
            const Color mark = selected ? style_.highlightText : style_.text;
            p.line({5, h / 2}, {8, h / 2 + 3}, mark);
            p.line({8, h / 2 + 3}, {15, h / 2 - 4}, mark);
            if (!e.item.bitmap.empty()) frameCheckedBitmap(p, h, mark);
        }
        Font font = style_.font;
        font.color = (d.itemState & ODS_DISABLED) ? style_.disabledText
                     : selected                   ? style_.highlightText
                                                  : style_.text;
        p.text({Gutter + 6, 0, w - Gutter - 6, h}, e.item.text, font, TextAlign::Left);
    }
    SetViewportOrgEx(d.hDC, 0, 0, nullptr);
}

}  // namespace ui::win32
