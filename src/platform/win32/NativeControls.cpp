// Win32 child controls and balloon tooltips.
#include "platform/win32/NativeControls.h"

#include <string>
#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/TextConversion.h"

namespace platform::win32 {

namespace {

int g_setting = 0;  // nesting of the program's own changes

struct Setting {
    Setting() { ++g_setting; }
    ~Setting() { --g_setting; }
    Setting(const Setting&) = delete;
    Setting& operator=(const Setting&) = delete;
};

// A drop-down list's window height includes the list it drops: room for about a dozen entries.
constexpr int kDropDownExtra = 200;

}  // namespace

bool ProgramIsSetting() {
    return g_setting > 0;
}

ControlData* DataOf(HWND control) {
    return reinterpret_cast<ControlData*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
}

HWND CreateNativeControl(HWND form, const ControlSpec& layout, ControlData* data, FontCache& fonts) {
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    DWORD exStyle = 0;
    int height = layout.bounds.Height();
    switch (layout.kind) {
        case ControlKind::TextBox:
            cls = L"EDIT";
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::CheckBox:
            style |= BS_AUTOCHECKBOX;
            break;
        case ControlKind::Slider:
            cls = TRACKBAR_CLASSW;
            style |= TBS_HORZ | TBS_NOTICKS;
            break;
        case ControlKind::ComboBox:
            cls = WC_COMBOBOXW;
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
            height += kDropDownExtra;
            break;
        case ControlKind::ListBox:
            cls = WC_LISTBOXW;
            style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Button:
            style |= BS_PUSHBUTTON;
            break;
    }
    const std::wstring text = layout.kind == ControlKind::TextBox || layout.kind == ControlKind::CheckBox ||
                                      layout.kind == ControlKind::Button
                                  ? WideFromUtf8(layout.text)
                                  : std::wstring();
    HWND control;
    {
        const Setting quiet;
        control = ::CreateWindowExW(exStyle, cls, text.c_str(), style, layout.bounds.left, layout.bounds.top,
                                    layout.bounds.Width(), height, form, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    if (!control)
        return nullptr;
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(layout.font)), FALSE);
    if (layout.kind == ControlKind::TextBox && layout.maxLength > 0)
        ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(layout.maxLength), 0);
    if (layout.kind == ControlKind::Slider) {
        ::SendMessageW(control, TBM_SETRANGEMIN, FALSE, layout.minimum);
        ::SendMessageW(control, TBM_SETRANGEMAX, FALSE, layout.maximum);
        ::SendMessageW(control, TBM_SETLINESIZE, 0, layout.smallStep);
        ::SendMessageW(control, TBM_SETPAGESIZE, 0, layout.largeStep);
        ::SendMessageW(control, TBM_SETPOS, TRUE, layout.minimum);
    }
    return control;
}

void DestroyNativeControl(HWND control) {
    ::SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    ::DestroyWindow(control);
}

void SetNativeText(HWND control, std::string_view text) {
    const Setting quiet;
    ::SetWindowTextW(control, WideFromUtf8(text).c_str());
}

std::string NativeText(HWND control) {
    const int n = ::GetWindowTextLengthW(control);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = ::GetWindowTextW(control, buffer.data(), n + 1);
    return Utf8FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0)));
}

void SetNativeValue(HWND control, int value) {
    const ControlData* data = DataOf(control);
    if (!data)
        return;
    const Setting quiet;
    switch (data->kind) {
        case ControlKind::CheckBox:
            ::SendMessageW(control, BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::Slider:
            ::SendMessageW(control, TBM_SETPOS, TRUE, value);
            break;
        case ControlKind::ComboBox:
            ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
            break;
        case ControlKind::ListBox:
            ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
            break;
        case ControlKind::TextBox:
        case ControlKind::Button:
            break;
    }
}

int NativeValue(HWND control) {
    const ControlData* data = DataOf(control);
    if (!data)
        return 0;
    switch (data->kind) {
        case ControlKind::CheckBox:
            return ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        case ControlKind::Slider:
            return static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
        case ControlKind::ComboBox:
            return static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
        case ControlKind::ListBox:
            return static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
        case ControlKind::TextBox:
        case ControlKind::Button:
            break;
    }
    return 0;
}

void InsertNativeItem(HWND control, int index, std::string_view text) {
    const ControlData* data = DataOf(control);
    if (!data)
        return;
    const std::wstring wide = WideFromUtf8(text);
    const Setting quiet;
    const UINT msg = data->kind == ControlKind::ComboBox ? CB_INSERTSTRING : LB_INSERTSTRING;
    ::SendMessageW(control, msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

void RemoveNativeItem(HWND control, int index) {
    const ControlData* data = DataOf(control);
    if (!data)
        return;
    const Setting quiet;
    const UINT msg = data->kind == ControlKind::ComboBox ? CB_DELETESTRING : LB_DELETESTRING;
    ::SendMessageW(control, msg, static_cast<WPARAM>(index), 0);
}

bool RouteControlNotification(UINT msg, WPARAM wp, LPARAM lp) {
    HWND control = reinterpret_cast<HWND>(lp);
    if (!control)
        return false;
    ControlData* data = DataOf(control);
    if (!data || !data->listener)
        return false;
    if (ProgramIsSetting())
        return true;
    if (msg == WM_HSCROLL) {
        if (data->kind == ControlKind::Slider)
            data->listener->OnControlChanged();
        return true;
    }
    const WORD code = HIWORD(wp);
    switch (data->kind) {
        case ControlKind::TextBox:
            if (code == EN_CHANGE)
                data->listener->OnControlChanged();
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED)
                data->listener->OnControlChanged();
            break;
        case ControlKind::Button:
            if (code == BN_CLICKED)
                data->listener->OnControlClicked();
            break;
        case ControlKind::ComboBox:
            if (code == CBN_SELCHANGE)
                data->listener->OnControlChanged();
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE)
                data->listener->OnControlChanged();
            break;
        case ControlKind::Slider:
            break;
    }
    return true;
}

HWND CreateBalloonTip(HWND form, HWND control, const BalloonTip& tip) {
    // Always-tip (0x01): shown while the dialog is not the active window; balloon (0x40).
    HWND window = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_BALLOON, 0, 0, 0, 0, form, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return nullptr;
    // With visual styles (common controls 6) the theme draws the text and ignores its colour: this
    // tooltip alone is drawn without the theme, so the text keeps the colour asked for.
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, const wchar_t*, const wchar_t*);
    static const auto setWindowTheme = SystemFunction<SetWindowThemeFn>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme)
        setWindowTheme(window, L"", L"");
    ::SendMessageW(window, TTM_SETMAXTIPWIDTH, 0, tip.maxWidth);
    ::SendMessageW(window, TTM_SETTIPTEXTCOLOR, ColorRefOf(tip.textColor), 0);
    const std::wstring title = WideFromUtf8(tip.title);
    ::SendMessageW(window, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(title.c_str()));
    std::wstring text = WideFromUtf8(tip.text);
    TTTOOLINFOW ti{};
    ti.cbSize = kToolInfoSize;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = form;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = text.data();  // the tooltip keeps its own copy
    ::SendMessageW(window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    return window;
}

}  // namespace platform::win32
