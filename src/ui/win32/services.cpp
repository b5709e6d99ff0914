// Message boxes, key state, screen metrics, resources and the common dialogs on Win32.
#include "ui/win32/services.h"

#include <commdlg.h>

#include <algorithm>

#include "ui/win32/gdi.h"
#include "ui/win32/text.h"

namespace ui::win32 {

namespace {
UINT boxButtons(Buttons b) {
    switch (b) {
        case Buttons::Ok:
            return MB_OK;
        case Buttons::OkCancel:
            return MB_OKCANCEL;
        case Buttons::YesNo:
            return MB_YESNO;
        case Buttons::YesNoCancel:
            return MB_YESNOCANCEL;
        case Buttons::RetryCancel:
            return MB_RETRYCANCEL;
        case Buttons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
    }
    return MB_OK;
}

UINT boxIcon(Icon i) {
    switch (i) {
        case Icon::Error:
            return MB_ICONERROR;
        case Icon::Question:
            return MB_ICONQUESTION;
        case Icon::Warning:
            return MB_ICONWARNING;
        case Icon::Information:
            return MB_ICONINFORMATION;
        case Icon::None:
            return 0;
    }
    return 0;
}

// "Name|*.ext|..." to the double-NUL-terminated list the dialogs take.
std::wstring filterList(const std::string& filter) {
    std::wstring wide = toWide(filter);
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

HWND ownerOf(Window* w) {
    return w ? reinterpret_cast<HWND>(w->handle()) : GetActiveWindow();
}
}  // namespace

Answer Win32MessageBoxes::show(const MessageBoxSpec& params) {
    const UINT defaults[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
    const UINT flags = boxButtons(params.buttons) | boxIcon(params.icon) |
                       defaults[std::clamp(params.defaultButton, 0, 2)] | MB_TASKMODAL;
    const int answer =
        MessageBoxW(GetActiveWindow(), toWide(params.text).c_str(), toWide(params.caption).c_str(), flags);
    return answer ? static_cast<Answer>(answer) : Answer::Cancel;
}

bool Win32Keyboard::isKeyDown(int virtualKey) const {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

Size Win32Screen::size() const {
    const Scale s{dpi_};
    return {s.logical(GetSystemMetrics(SM_CXSCREEN)), s.logical(GetSystemMetrics(SM_CYSCREEN))};
}

Rect Win32Screen::workArea() const {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    const Scale s{dpi_};
    return {s.logical(r.left), s.logical(r.top), s.logical(r.right - r.left), s.logical(r.bottom - r.top)};
}

Point Win32Screen::cursor() const {
    POINT p{};
    GetCursorPos(&p);
    const Scale s{dpi_};
    return {s.logical(p.x), s.logical(p.y)};
}

Color Win32Screen::systemColor(int index) const {
    return GetSysColor(index);
}

std::vector<Rect> Win32Screen::monitors() const {
    std::vector<RECT> found;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            if (!GetMonitorInfoW(monitor, &info)) return TRUE;
            auto& rects = *reinterpret_cast<std::vector<RECT>*>(list);
            const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
            rects.insert(primary ? rects.begin() : rects.end(), info.rcMonitor);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found.empty()) return Screen::monitors();
    const Scale s{dpi_};
    std::vector<Rect> out;
    for (const RECT& r : found)
        out.push_back({s.logical(r.left), s.logical(r.top), s.logical(r.right - r.left), s.logical(r.bottom - r.top)});
    return out;
}

Image Win32Resources::bitmap(std::string_view name) const {
    Gdi<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), toWide(name).c_str(),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return imageOf(bitmap.get());
}

Image Win32Resources::icon(std::string_view name) const {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), toWide(name).c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (!icon) return {};
    ICONINFO info{};
    GetIconInfo(icon, &info);
    Gdi<HBITMAP> color(info.hbmColor);
    Gdi<HBITMAP> mask(info.hbmMask);
    DestroyIcon(icon);
    return imageOf(color.get());
}

std::string Win32Resources::text(std::string_view name) const {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, toWide(name).c_str(), MAKEINTRESOURCEW(100));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string{};
}

std::optional<Color> Win32Dialogs::chooseColor(Window* owner, Color initial) {
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = ownerOf(owner);
    cc.rgbResult = colorRef(initial);
    cc.lpCustColors = custom_;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return static_cast<Color>(cc.rgbResult);
}

std::optional<std::string> Win32Dialogs::fileDialog(Window* owner, const FileDialogSpec& params, bool save) {
    std::wstring path = toWide(params.fileName);
    path.resize(MAX_PATH * 4, L'\0');
    const std::wstring filter = filterList(params.filter);
    const std::wstring title = toWide(params.title), dir = toWide(params.initialDir),
                       ext = toWide(params.defaultExt);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ownerOf(owner);
    ofn.lpstrFilter = params.filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_NOCHANGEDIR | OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
    return fromWide(path.c_str());
}

}  // namespace ui::win32
