#include "ui/win32/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/software_painter.h"
#include "ui/win32/text.h"
#include "ui/win32/toolkit.h"

namespace ui::win32 {

namespace {
constexpr wchar_t Prop[] = L"lumenrig.control";

struct NativeClass {
    const wchar_t* name;
    DWORD style;
};

NativeClass nativeClass(ControlKind kind, unsigned flags) {
    const DWORD vertical = (flags & style::Vertical) ? 1 : 0;
    switch (kind) {
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::Label:
            return {L"STATIC", static_cast<DWORD>(SS_NOTIFY | ((flags & style::AlignCenter)  ? SS_CENTER
                                                               : (flags & style::AlignRight) ? SS_RIGHT
                                                                                             : SS_LEFT))};
        case ControlKind::Edit:
            return {L"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | WS_BORDER |
                                                ((flags & style::ReadOnly) ? ES_READONLY : 0) |
                                                ((flags & style::Password) ? ES_PASSWORD : 0))};
        case ControlKind::Memo:
            return {L"EDIT", static_cast<DWORD>(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER |
                                                ((flags & style::ReadOnly) ? ES_READONLY : 0))};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL};
        case ControlKind::TrackBar:
            return {TRACKBAR_CLASSW, static_cast<DWORD>(TBS_AUTOTICKS | (vertical ? TBS_VERT : TBS_HORZ) |
                                                        ((flags & style::TicksBoth) ? TBS_BOTH : 0) |
                                                        ((flags & style::NoTicks) ? TBS_NOTICKS : 0))};
        case ControlKind::ScrollBar:
            return {L"SCROLLBAR", vertical ? static_cast<DWORD>(SBS_VERT) : static_cast<DWORD>(SBS_HORZ)};
        case ControlKind::BitmapButton:  // drawn here: a themed push button ignores its colour
        case ControlKind::ImageButton:
            return {L"BUTTON", BS_OWNERDRAW};
        case ControlKind::ListView:
            return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER};
        case ControlKind::ScrollBox:
            return {HostClass, WS_VSCROLL};
        case ControlKind::PaintBox:  // what it holds stays above its own painting
            return {HostClass, WS_CLIPCHILDREN};
        default:
            return {HostClass, 0};
    }
}

struct BorderStyle {
    DWORD style;
    DWORD exStyle;
};

BorderStyle borderStyle(WindowBorder b) {
    switch (b) {
        case WindowBorder::None:
            return {WS_POPUP, 0};
        case WindowBorder::Single:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
        case WindowBorder::Sizeable:
            return {WS_OVERLAPPEDWINDOW, 0};
        case WindowBorder::Dialog:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
        case WindowBorder::ToolWindow:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
        case WindowBorder::SizeableTool:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
        case WindowBorder::ThinFrame:
            return {WS_POPUP | WS_BORDER, 0};
        case WindowBorder::SizingFrame:
            return {WS_POPUP | WS_THICKFRAME, 0};
    }
    return {WS_POPUP, 0};
}

LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    LRESULT result = 0;
    if (Win32Control* c = Win32Control::from(hwnd); c && c->onMessage(msg, wp, lp, result)) return result;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

MouseButton buttonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return MouseButton::Left;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return MouseButton::Middle;
        default:
            return MouseButton::Other;
    }
}

ScrollCode scrollCode(WORD code) {
    switch (code) {
        case SB_LINEUP:
            return ScrollCode::LineUp;
        case SB_LINEDOWN:
            return ScrollCode::LineDown;
        case SB_PAGEUP:
            return ScrollCode::PageUp;
        case SB_PAGEDOWN:
            return ScrollCode::PageDown;
        case SB_THUMBPOSITION:
            return ScrollCode::ThumbPosition;
        case SB_THUMBTRACK:
            return ScrollCode::ThumbTrack;
        case SB_TOP:
            return ScrollCode::Top;
        case SB_BOTTOM:
            return ScrollCode::Bottom;
        default:
            return ScrollCode::EndScroll;
    }
}

bool isPushButton(ControlKind k) {
    return k == ControlKind::BitmapButton || k == ControlKind::ImageButton || k == ControlKind::CheckBox;
}
}  // namespace

Win32Control::Win32Control(Win32Toolkit& toolkit, HWND parent, const ControlSpec& params)
    : toolkit_(toolkit), kind_(params.kind), flags_(params.flags) {
    const NativeClass cls = nativeClass(params.kind, params.flags);
    const DWORD tab = (params.flags & style::TabStop) ? WS_TABSTOP : 0;
    create(parent ? parent : toolkit.hiddenOwner(), cls.name,
           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | cls.style | tab, 0, params.bounds);
    if (cls.name != HostClass) SetWindowSubclass(hwnd_, subclassProc, 1, 0);
    if (Win32Control* p = from(parent))
        setFont(p->font_);
    else
        setFont(font_);
    setText(params.text);
}

Win32Control::Win32Control(Win32Toolkit& toolkit, const WindowSpec& params)
    : toolkit_(toolkit), kind_(ControlKind::Window), color_(params.color) {
    const BorderStyle b = borderStyle(params.border);
    HWND owner = params.owner ? static_cast<Win32Control*>(params.owner)->hwnd_ : nullptr;
    create(owner, HostClass, b.style | WS_CLIPCHILDREN, b.exStyle, params.bounds);
    setFont(font_);
    setText(params.caption);
}

void Win32Control::create(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, Rect bounds) {
    const Scale s{parent ? GetDpiForWindow(parent) ? static_cast<int>(GetDpiForWindow(parent))
                                                   : toolkit_.systemDpi()
                         : toolkit_.systemDpi()};
    hwnd_ = CreateWindowExW(exStyle, cls, L"", style, s.px(bounds.left), s.px(bounds.top), s.px(bounds.width),
                            s.px(bounds.height), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetPropW(hwnd_, Prop, this);
}

Win32Control::~Win32Control() {
    listener_ = nullptr;
    if (IsWindow(hwnd_)) {
        RemovePropW(hwnd_, Prop);
        if (kind_ != ControlKind::Window && nativeClass(kind_, flags_).name != HostClass)
            RemoveWindowSubclass(hwnd_, subclassProc, 1);
        DestroyWindow(hwnd_);
    }
    if (icon_) DestroyIcon(icon_);
}

Win32Control* Win32Control::from(HWND hwnd) {
    return hwnd ? static_cast<Win32Control*>(GetPropW(hwnd, Prop)) : nullptr;
}

ControlListener& Win32Control::listener() {
    static ControlListener none;
    return listener_ ? *listener_ : none;
}

int Win32Control::currentDpi() const {
    const UINT dpi = GetDpiForWindow(hwnd_);
    return dpi ? static_cast<int>(dpi) : toolkit_.systemDpi();
}

Rect Win32Control::bounds() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (kind_ != ControlKind::Window)
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    const Scale s = scale();
    return {s.logical(r.left), s.logical(r.top), s.logical(r.right - r.left), s.logical(r.bottom - r.top)};
}

Point Win32Control::screenPosition() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const Scale s = scale();
    return {s.logical(r.left), s.logical(r.top)};
}

void Win32Control::setBounds(Rect r) {
    const Scale s = scale();
    SetWindowPos(hwnd_, nullptr, s.px(r.left), s.px(r.top), s.px(r.width), s.px(r.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Win32Control::clientSize() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    const Scale s = scale();
    return {s.logical(r.right), s.logical(r.bottom)};
}

bool Win32Control::visible() const {
    return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Control::setVisible(bool on) {
    ShowWindow(hwnd_, on ? (kind_ == ControlKind::Window ? SW_SHOWNORMAL : SW_SHOW) : SW_HIDE);
}

bool Win32Control::enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

void Win32Control::setEnabled(bool on) {
    EnableWindow(hwnd_, on ? TRUE : FALSE);
}

void Win32Control::setColor(Color c) {
    color_ = c;
    brush_.reset(CreateSolidBrush(colorRef(c)));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Control::setFont(const Font& f) {
    font_ = f;
    hfont_ = makeFont(f, currentDpi());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(hfont_.get()), TRUE);
}

std::string Win32Control::text() const {
    if (kind_ == ControlKind::ComboBox) {
        const int i = selected();
        return i >= 0 ? items()[static_cast<std::size_t>(i)] : std::string{};
    }
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, wide.data(), static_cast<int>(wide.size()))));
    return fromWide(wide);
}

void Win32Control::setText(std::string s) {
    settingText_ = true;
    SetWindowTextW(hwnd_, toWide(s).c_str());
    settingText_ = false;
    if (kind_ == ControlKind::PaintBox) invalidate();
}

void Win32Control::setHint(std::string s) {
    hint_ = std::move(s);
    toolkit_.addHint(hwnd_, hint_);
}

void Win32Control::setBevel(Bevel b) {
    bevel_ = b;
    LONG_PTR ex =
        GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE);
    if (b == Bevel::Lowered) ex |= WS_EX_CLIENTEDGE;
    if (b == Bevel::Raised) ex |= WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
    if (b == Bevel::Single) ex |= WS_EX_STATICEDGE;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void Win32Control::invalidate() {
    InvalidateRect(hwnd_, nullptr, FALSE);
}

bool Win32Control::checked() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Control::setChecked(bool on) {
    SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::vector<std::string> Win32Control::items() const {
    std::vector<std::string> out;
    if (kind_ == ControlKind::ComboBox) {
        const auto n = SendMessageW(hwnd_, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            std::wstring wide(static_cast<std::size_t>(SendMessageW(hwnd_, CB_GETLBTEXTLEN, i, 0)) + 1,
                              L'\0');
            SendMessageW(hwnd_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
            out.push_back(fromWide(wide.c_str()));
        }
    } else if (kind_ == ControlKind::ListView) {
        const auto rows = SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0);
        const HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
        const auto columns = std::max<LRESULT>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 1);
        for (LRESULT row = 0; row < rows; ++row) {
            std::string line;
            for (LRESULT col = 0; col < columns; ++col) {
                wchar_t cell[512] = {};
                LVITEMW item{};
                item.iSubItem = static_cast<int>(col);
                item.pszText = cell;
                item.cchTextMax = 512;
                SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(&item));
                if (col) line += '\t';
                line += fromWide(cell);
            }
            out.push_back(line);
        }
    }
    return out;
}

void Win32Control::setItems(std::vector<std::string> items) {
    SendMessageW(hwnd_, kind_ == ControlKind::ListView ? LVM_DELETEALLITEMS : CB_RESETCONTENT, 0, 0);
    for (std::string& item : items)
        addItem(std::move(item));
}

void Win32Control::addItem(std::string item) {
    if (kind_ == ControlKind::ComboBox) {
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
        return;
    }
    if (kind_ != ControlKind::ListView) return;
    const int row = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
    int col = 0;
    for (std::size_t start = 0; start <= item.size(); ++col) {
        const std::size_t tab = std::min(item.find('\t', start), item.size());
        std::wstring cell = toWide(std::string_view(item).substr(start, tab - start));
        LVITEMW lv{};
        lv.mask = LVIF_TEXT;
        lv.iItem = row;
        lv.iSubItem = col;
        lv.pszText = cell.data();
        SendMessageW(hwnd_, col ? LVM_SETITEMTEXTW : LVM_INSERTITEMW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&lv));
        start = tab + 1;
    }
}

int Win32Control::selected() const {
    if (kind_ == ControlKind::ListView)
        return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

// An index outside the items selects nothing (item -1 of a list view would select them all).
void Win32Control::setSelected(int index) {
    const bool list = kind_ == ControlKind::ListView;
    if (index < 0 || index >= SendMessageW(hwnd_, list ? LVM_GETITEMCOUNT : CB_GETCOUNT, 0, 0)) index = -1;
    if (list) {
        LVITEMW lv{};
        lv.stateMask = LVIS_SELECTED;
        lv.state = index >= 0 ? LVIS_SELECTED : 0;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
        return;
    }
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32Control::setItemHeight(int pixels) {
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, scale().px(pixels));
}

// The columns replace the ones there were, so that a table can be rebuilt from a file. Some versions
// of the control refuse to delete column 0; a column left over takes the first new caption and width.
void Win32Control::setColumns(std::vector<ListColumn> columns) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
    for (auto col = SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) - 1; col >= 0; --col)
        SendMessageW(hwnd_, LVM_DELETECOLUMN, static_cast<WPARAM>(col), 0);
    const bool kept = SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) > 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring caption = toWide(columns[i].caption);
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = scale().px(columns[i].width);
        col.pszText = caption.data();
        SendMessageW(hwnd_, i == 0 && kept ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, i,
                     reinterpret_cast<LPARAM>(&col));
    }
}

std::vector<int> Win32Control::columnWidths() const {
    std::vector<int> widths;
    if (kind_ != ControlKind::ListView) return widths;
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
    const auto columns = SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
    for (LRESULT col = 0; col < columns; ++col)
        widths.push_back(scale().logical(static_cast<int>(SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, col, 0))));
    return widths;
}

int Win32Control::position() const {
    switch (kind_) {
        case ControlKind::TrackBar:
            return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
        case ControlKind::ScrollBar:
            return GetScrollPos(hwnd_, SB_CTL);
        default:
            return scrollPos_;
    }
}

void Win32Control::setPosition(int pos) {
    pos = std::clamp(pos, min_, std::max(min_, max_));
    switch (kind_) {
        case ControlKind::TrackBar:
            SendMessageW(hwnd_, TBM_SETPOS, TRUE, pos);
            break;
        case ControlKind::ScrollBar:
            SetScrollPos(hwnd_, SB_CTL, pos, TRUE);
            break;
        case ControlKind::ScrollBox:
            scrollBoxTo(pos);
            break;
        default:
            break;
    }
}

void Win32Control::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (kind_ == ControlKind::TrackBar) {
        SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, min);
        SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, max);
    } else if (kind_ == ControlKind::ScrollBar) {
        SetScrollRange(hwnd_, SB_CTL, min, max, TRUE);
    } else if (kind_ == ControlKind::ScrollBox) {
        SCROLLINFO si{sizeof si,
                      SIF_RANGE | SIF_PAGE,
                      0,
                      scale().px(max),
                      static_cast<UINT>(scale().px(clientSize().height)),
                      0,
                      0};
        SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
        max_ = std::max(0, max - clientSize().height);
    }
    setPosition(position());
}

void Win32Control::setSteps(int lineSize, int pageSize, int tickFrequency) {
    lineSize_ = lineSize;
    pageSize_ = pageSize;
    if (kind_ != ControlKind::TrackBar) return;
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, lineSize);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, pageSize);
    SendMessageW(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency), 0);
}

void Win32Control::setImages(ImageSet images) {
    images_ = std::move(images);
    invalidate();
}

void Win32Control::setBorder(WindowBorder border) {
    const BorderStyle b = borderStyle(border);
    const LONG_PTR keep = GetWindowLongPtrW(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_CLIPCHILDREN | WS_DISABLED);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(b.style) | keep);
    const LONG_PTR layered = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(b.exStyle) | layered);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void Win32Control::setTopmost(bool on) {
    SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Control::topmost() const {
    return (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Win32Control::setLayered(std::optional<Color> key, std::uint8_t alpha) {
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd_, key ? colorRef(*key) : 0, alpha, LWA_ALPHA | (key ? LWA_COLORKEY : 0));
}

void Win32Control::startMove() {
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    ReleaseCapture();
    SendMessageW(top, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32Control::setIcon(const Image& icon) {
    if (icon.empty()) return;
    Gdi<HBITMAP> color = makeBitmap(icon);
    Gdi<HBITMAP> mask(CreateBitmap(icon.width(), icon.height(), 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask.get(), color.get()};
    if (icon_) DestroyIcon(icon_);
    icon_ = CreateIconIndirect(&info);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void Win32Control::minimise() {
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// Told as the system command tells it, which the program's own restore does not pass through.
void Win32Control::restore() {
    const bool wasMinimised = minimised();
    ShowWindow(hwnd_, SW_RESTORE);
    if (wasMinimised && !minimised()) listener().restored();
}

bool Win32Control::minimised() const {
    return IsIconic(hwnd_) != FALSE;
}

// Foreground rights belong to the foreground thread: borrow its input state for the call.
void Win32Control::bringToFront() {
    HWND foreground = GetForegroundWindow();
    const DWORD other = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD mine = GetCurrentThreadId();
    const bool attach = other && other != mine && AttachThreadInput(mine, other, TRUE);
    SetForegroundWindow(hwnd_);
    if (attach) AttachThreadInput(mine, other, FALSE);
}

void Win32Control::requestClose() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

bool Win32Control::draggable() const {
    if (isPushButton(kind_) || kind_ == ControlKind::Edit || kind_ == ControlKind::Memo ||
        kind_ == ControlKind::ComboBox || kind_ == ControlKind::TrackBar || kind_ == ControlKind::ScrollBar ||
        kind_ == ControlKind::ListView)
        return false;
    Win32Control* top = from(GetAncestor(hwnd_, GA_ROOT));
    return top && top->dragAnywhere_;
}

bool Win32Control::onMouse(UINT msg, WPARAM wp, LPARAM lp) {
    const Scale s = scale();
    const Point at{s.logical(GET_X_LPARAM(lp)), s.logical(GET_Y_LPARAM(lp))};
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            pressed_ = static_cast<int>(buttonOf(msg));
            listener().mouseDown(buttonOf(msg), at);
            if (msg == WM_LBUTTONDOWN && draggable()) {
                startMove();
                return true;
            }
            return false;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            listener().mouseUp(buttonOf(msg), at);
            const bool clicked = pressed_ == static_cast<int>(buttonOf(msg));
            pressed_ = -1;
            if (clicked && !isPushButton(kind_)) listener().click();
            if (clicked && isPushButton(kind_) && msg != WM_LBUTTONUP) listener().click();
            return false;
        }
        case WM_MOUSEWHEEL:
            listener().mouseWheel(GET_WHEEL_DELTA_WPARAM(wp));
            return true;
        case WM_MOUSEMOVE:
            if (!inside_) {
                inside_ = true;
                TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
                TrackMouseEvent(&tme);
                listener().mouseEnter();
                if (kind_ == ControlKind::ImageButton) invalidate();
            }
            return false;
        case WM_MOUSELEAVE:
            inside_ = false;
            listener().mouseLeave();
            if (kind_ == ControlKind::ImageButton) invalidate();
            return false;
        default:
            return false;
    }
}

bool Win32Control::onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE) {
        if (onMouse(msg, wp, lp)) {
            result = 0;
            return true;
        }
        return false;
    }
    if (msg == WM_KEYDOWN) listener().keyDown(static_cast<int>(wp));
    if (onChildNotice(msg, wp, lp, result)) return true;
    if (kind_ == ControlKind::Window && onWindowMessage(msg, wp, lp, result)) return true;
    switch (msg) {
        case WM_PAINT: {
            if (kind_ == ControlKind::GroupBox) fillGroupBox();
            if (nativeClass(kind_, flags_).name != HostClass) return false;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            paintOwn(dc);
            EndPaint(hwnd_, &ps);
            result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            if (nativeClass(kind_, flags_).name != HostClass) return false;
            result = 1;
            return true;
        case WM_SETCURSOR:
            if (!handCursor_ || LOWORD(lp) != HTCLIENT) return false;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        case WM_VSCROLL:
            if (kind_ != ControlKind::ScrollBox || lp) return false;
            onScroll(LOWORD(wp));
            result = 0;
            return true;
        default:
            return false;
    }
}

// Notifications that native children send to this window, their parent.
bool Win32Control::onChildNotice(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (Win32Control* child = from(reinterpret_cast<HWND>(lp))) child->onCommand(HIWORD(wp));
            return false;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (Win32Control* child = from(reinterpret_cast<HWND>(lp)); child && child != this) {
                child->onScroll(LOWORD(wp));
                result = 0;
                return true;
            }
            return false;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (Win32Control* child = from(reinterpret_cast<HWND>(lp))) {
                result = child->onColor(reinterpret_cast<HDC>(wp));
                return true;
            }
            return false;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item.CtlType != ODT_BUTTON) return false;
            if (Win32Control* child = from(item.hwndItem)) child->drawButton(item);
            result = TRUE;
            return true;
        }
        case WM_NOTIFY: {
            const auto& hdr = *reinterpret_cast<const NMHDR*>(lp);
            if (hdr.code != LVN_ITEMCHANGED) return false;
            const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lp);
            if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
                if (Win32Control* child = from(hdr.hwndFrom)) child->listener().changed();
            return false;
        }
        default:
            return false;
    }
}

bool Win32Control::onWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:
            if (listener().closeRequested()) ShowWindow(hwnd_, SW_HIDE);
            result = 0;
            return true;
        case WM_MOVE:
        case WM_SIZE:
            if (msg == WM_SIZE && wp == SIZE_MINIMIZED) return false;
            listener().moved(bounds());
            return false;
        case WM_ACTIVATE:
            listener().activated(LOWORD(wp) != WA_INACTIVE);
            return false;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MINIMIZE) listener().minimised();
            if ((wp & 0xFFF0) == SC_RESTORE) listener().restored();
            return false;
        case WM_DPICHANGED: {
            const RECT& r = *reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            setFont(font_);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void Win32Control::onCommand(WORD code) {
    switch (kind_) {
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                listener().changed();
                listener().click();
            }
            break;
        case ControlKind::BitmapButton:
        case ControlKind::ImageButton:  // owner-drawn: a quick second click comes as a double click
            if (code == BN_CLICKED || code == BN_DOUBLECLICKED) listener().click();
            break;
        case ControlKind::Edit:
        case ControlKind::Memo:
            if (code == EN_CHANGE && !settingText_) listener().changed();
            break;
        case ControlKind::ComboBox:
            if (code == CBN_SELCHANGE) listener().changed();
            break;
        default:
            break;
    }
}

void Win32Control::onScroll(WORD code) {
    if (kind_ == ControlKind::TrackBar) {
        listener().scrolled(scrollCode(code), position());
        return;
    }
    const int page = kind_ == ControlKind::ScrollBox ? clientSize().height : pageSize_;
    const int line = kind_ == ControlKind::ScrollBox ? 16 : lineSize_;
    int pos = position();
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, kind_ == ControlKind::ScrollBox ? SB_VERT : SB_CTL, &si);
    switch (code) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= page;
            break;
        case SB_PAGEDOWN:
            pos += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = kind_ == ControlKind::ScrollBox ? scale().logical(si.nTrackPos) : si.nTrackPos;
            break;
        case SB_TOP:
            pos = min_;
            break;
        case SB_BOTTOM:
            pos = max_;
            break;
        default:
            break;
    }
    setPosition(pos);
    listener().scrolled(scrollCode(code), position());
}

void Win32Control::scrollBoxTo(int pos) {
    const int dy = scale().px(scrollPos_) - scale().px(pos);
    scrollPos_ = pos;
    ScrollWindowEx(hwnd_, 0, dy, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    SetScrollPos(hwnd_, SB_VERT, scale().px(pos), TRUE);
}

LRESULT Win32Control::onColor(HDC dc) {
    SetTextColor(dc, colorRef(font_.color));
    SetBkColor(dc, colorRef(color_));
    if (!brush_) brush_.reset(CreateSolidBrush(colorRef(color_)));
    return reinterpret_cast<LRESULT>(brush_.get());
}

void Win32Control::paintOwn(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off screen and copied at once, so owner-drawn controls never flicker.
    HDC mem = CreateCompatibleDC(dc);
    Gdi<HBITMAP> buffer(
        CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    const HGDIOBJ old = SelectObject(mem, buffer.get());
    GdiPainter painter(mem, clientSize(), scale());
    const Size size = clientSize();
    painter.fillRect({0, 0, size.width, size.height}, color_);
    if (kind_ == ControlKind::PaintBox) listener().paint(painter);
    if (kind_ == ControlKind::ImageView) painter.image({0, 0}, images_.normal, {}, 255);
    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// A group box draws only its frame and caption; its parent clips it out, so it fills its own inside.
void Win32Control::fillGroupBox() {
    RECT r;
    GetClientRect(hwnd_, &r);
    HDC dc = GetDC(hwnd_);
    Gdi<HBRUSH> brush(CreateSolidBrush(colorRef(color_)));
    FillRect(dc, &r, brush.get());
    ReleaseDC(hwnd_, dc);
}

void Win32Control::drawButton(const DRAWITEMSTRUCT& item) {
    if (kind_ == ControlKind::BitmapButton) return drawCaptionButton(item);
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const Image& img = disabled && !images_.disabled.empty() ? images_.disabled
                       : down && !images_.pressed.empty()    ? images_.pressed
                       : inside_ && !images_.hot.empty()     ? images_.hot
                                                             : images_.normal;
    GdiPainter painter(item.hDC, clientSize(), scale());
    const Size size = clientSize();
    const Win32Control* parent = from(GetParent(hwnd_));
    painter.fillRect({0, 0, size.width, size.height}, parent ? parent->color_ : color_);
    std::optional<Color> key;
    if ((flags_ & style::Transparent) && !img.empty()) key = img.pixel(0, img.height() - 1);
    painter.image({0, 0}, img, key, 255);
}

// The button's own colour as its face, a raised edge that sinks while pressed, the bitmap at the left
// and the caption in the middle.
void Win32Control::drawCaptionButton(const DRAWITEMSTRUCT& item) {
    constexpr int Margin = 2;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT edge = item.rcItem;
    Gdi<HBRUSH> face(CreateSolidBrush(colorRef(color_)));
    FillRect(item.hDC, &edge, face.get());
    DrawEdge(item.hDC, &edge, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const Size size = clientSize();
    const int shift = down ? 1 : 0;
    GdiPainter painter(item.hDC, size, scale());
    const Image& img = disabled && !images_.disabled.empty() ? images_.disabled : images_.normal;
    painter.image({Margin + shift, (size.height - img.height()) / 2 + shift}, img, {}, 255);
    Font caption = font_;
    if (disabled) caption.color = systemColor(syscolor::GrayText);
    const int textLeft = img.empty() ? 0 : img.width() + 2 * Margin;  // beside the picture
    painter.text({textLeft + shift, shift, size.width - textLeft, size.height}, text(), caption,
                 TextAlign::Center);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace ui::win32
