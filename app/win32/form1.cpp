// SPDX-License-Identifier: MIT
#include "app/win32/form1.h"

#include "app/resource_windows.h"
#include "platform/win32/files.h"
#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"

#include <cstring>
#include <iterator>

namespace zelvan {

namespace {

constexpr const wchar_t *ClassName = L"Zelvan.Form1";
constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int TickMilliseconds = 1000;
constexpr double ReadoutPoints = 20.25;

// Not 1 and 2: a dialog's Enter and Escape come to the window as IDOK and IDCANCEL.
enum ControlId : int {
    IdPicture1 = 100,
    IdText1,
    IdCmdStart,
    IdCmdSetAlert,
    IdCopy = 200,
    IdReset,
    IdAlwaysOnTop,
};

HWND MakeControl(HWND parent, const wchar_t *windowClass, const wchar_t *text, DWORD style, int id)
{
    return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

// The readout is read, not worked: it never takes the focus, so the caret
// never shows in it and screen readers do not speak its every second, and its
// context menu is the dial's, not the edit control's.
LRESULT CALLBACK ReadoutProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto editProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_USERDATA));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        return 0;
    case WM_CONTEXTMENU:
        return SendMessageW(GetParent(box), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), lParam);
    default:
        return CallWindowProcW(editProcedure, box, message, wParam, lParam);
    }
}

HWND MakeReadout(HWND parent)
{
    HWND box = MakeControl(parent, L"EDIT", L"00:00:00", ES_READONLY | ES_CENTER, IdText1);
    SetWindowLongPtrW(box, GWLP_USERDATA, GetWindowLongPtrW(box, GWLP_WNDPROC));
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReadoutProcedure));
    return box;
}

HACCEL MakeAccelerators()
{
    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'C', IdCopy},
        {FCONTROL | FVIRTKEY, 'R', IdReset},
    };
    return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

// A point packed into an LPARAM, its coordinates signed: on a second monitor
// left of or above the first they are negative. (<windowsx.h> has this, but
// also a macro named IsMinimized that would rename the readouts' own.)
POINT PointOf(LPARAM packed)
{
    return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

bool ContainsScreenPoint(HWND window, POINT point)
{
    RECT area{};
    GetWindowRect(window, &area);
    return PtInRect(&area, point) != FALSE;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : m_instance(instance),
      m_window(CreateFrame(instance, this)),
      Picture1(m_window, IdPicture1),
      Text1(MakeReadout(m_window)),
      cmdStart(MakeControl(m_window, L"BUTTON", L"Start",
                           BS_DEFPUSHBUTTON | BS_NOTIFY | WS_TABSTOP | WS_GROUP, IdCmdStart)),
      cmdSetAlert(MakeControl(m_window, L"BUTTON", L"Alarm...",
                              BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP, IdCmdSetAlert)),
      m_accelerators(MakeAccelerators()),
      m_defaultId(IdCmdStart),
      Timer1(TickMilliseconds),
      m_cmdStart(cmdStart),
      m_messageBox(m_window),
      m_alarmDialog(m_window),
      m_attention(m_window),
      m_stopwatch(StopwatchParts{m_clock, Timer1, Picture1, *this, m_cmdStart, m_messageBox,
                                 m_sound, m_alarmDialog, m_attention, IsNormalWindowsFile, {}})
{
    m_ready = true;
    Picture1.SetForeColor(Rgb(0, 0, 0));
    Picture1.SetFillColor(Rgb(255, 255, 255));
    Picture1.SetPaintHandler([this] { m_stopwatch.Picture1_Paint(); });
    // Tab order is the windows' order: the dial, the two buttons, then the
    // readout, as on the form.
    SetWindowPos(Text1, cmdSetAlert, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Layout(WindowDpi(m_window));
    m_stopwatch.Form_Load();
}

Form1::~Form1()
{
    DestroyAcceleratorTable(m_accelerators);
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    DestroyIcon(m_bigIcon);
    DestroyIcon(m_smallIcon);
}

HWND Form1::CreateFrame(HINSTANCE instance, Form1 *form)
{
    RegisterWindowClass(ClassName, &Form1::Procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // Sized for its dpi once it exists and has one.
    return CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"Zelvan - 00:00:00", FrameStyle,
                           CW_USEDEFAULT, CW_USEDEFAULT, 200, 260, nullptr, nullptr, instance,
                           form);
}

void Form1::Show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(cmdStart);
}

bool Form1::TranslateKeyboard(MSG &message)
{
    if (!IsWindow(m_window) || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    if (TranslateAcceleratorW(m_window, m_accelerators, &message))
        return true;
    return IsDialogMessageW(m_window, &message) != FALSE;
}

void Form1::Layout(UINT dpi)
{
    m_font = CreateFormFont(dpi, FormFontPoints);
    m_readoutFont = CreateFormFont(dpi, ReadoutPoints, Weight::Bold);
    SetClientSizeInTwips(m_window, ClientWidthTwips, ClientHeightTwips, dpi);
    PlaceInTwips(Picture1.Handle(), 240, 120, 2295, 2295, dpi);
    PlaceInTwips(cmdStart, 120, 3120, 1215, 375, dpi);
    PlaceInTwips(cmdSetAlert, 1440, 3120, 1215, 375, dpi);
    PlaceInTwips(Text1, 480, 2520, 1815, 405, dpi);
    for (HWND control : {cmdStart, cmdSetAlert})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE);
    SendMessageW(Text1, WM_SETFONT, reinterpret_cast<WPARAM>(m_readoutFont.get()), TRUE);
    // The margins an edit control takes from a large font cut the readout's
    // last digit off: the box is as wide as the text.
    SendMessageW(Text1, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    LoadIcons(dpi);
    InvalidateRect(m_window, nullptr, TRUE);
}

void Form1::LoadIcons(UINT dpi)
{
    // From the version resource's icon, in the sizes this dpi asks for.
    const auto load = [this, dpi](int widthMetric, int heightMetric) {
        return static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(ZELVAN_ICON), IMAGE_ICON,
                                             GetSystemMetricsForDpi(widthMetric, dpi),
                                             GetSystemMetricsForDpi(heightMetric, dpi), 0));
    };
    HICON big = load(SM_CXICON, SM_CYICON);
    HICON small = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    DestroyIcon(m_bigIcon);
    DestroyIcon(m_smallIcon);
    m_bigIcon = big;
    m_smallIcon = small;
}

void Form1::OnCommand(int id, int notification)
{
    switch (id) {
    case IdCmdStart:
        if (notification == BN_CLICKED)
            m_stopwatch.cmdStart_Click();
        break;
    case IdCmdSetAlert:
        if (notification == BN_CLICKED)
            m_stopwatch.cmdSetAlert_Click();
        else if (notification == BN_SETFOCUS || notification == BN_KILLFOCUS)
            DefaultFollowsFocus(notification == BN_SETFOCUS);
        break;
    case IdCopy:
        Copy();
        break;
    case IdReset:
        m_stopwatch.ResetCount();
        break;
    case IdAlwaysOnTop:
        SetAlwaysOnTop(!m_onTop);
        break;
    default:
        break;
    }
}

void Form1::DefaultFollowsFocus(bool cmdSetAlertFocused)
{
    m_defaultId = cmdSetAlertFocused ? IdCmdSetAlert : IdCmdStart;
    SendMessageW(cmdStart, BM_SETSTYLE, cmdSetAlertFocused ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
    SendMessageW(cmdSetAlert, BM_SETSTYLE, cmdSetAlertFocused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                 TRUE);
}

void Form1::ShowDialMenu(LPARAM screenPoint)
{
    POINT at = PointOf(screenPoint);
    // From the keyboard (Shift+F10, the menu key) the menu opens on the dial.
    if (screenPoint == -1) {
        RECT dial{};
        GetWindowRect(Picture1.Handle(), &dial);
        at = {(dial.left + dial.right) / 2, (dial.top + dial.bottom) / 2};
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IdCopy, L"&Copy\tCtrl+C");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IdReset, L"&Reset\tCtrl+R");
    AppendMenuW(menu, MF_STRING | (m_onTop ? MF_CHECKED : MF_UNCHECKED), IdAlwaysOnTop,
                L"&Always on top");
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_window,
                   nullptr);
    DestroyMenu(menu);
}

void Form1::Copy()
{
    const std::wstring text = Widen(m_stopwatch.CopyText());
    if (!OpenClipboard(m_window))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

void Form1::SetAlwaysOnTop(bool on)
{
    m_onTop = on;
    SetWindowPos(m_window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form1::IsMinimized() const
{
    return IsIconic(m_window) != FALSE;
}

void Form1::SetReadoutText(const std::string &text)
{
    SetWindowTextW(Text1, Widen(text).c_str());
}

void Form1::SetCaption(const std::string &caption)
{
    SetWindowTextW(m_window, Widen(caption).c_str());
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        // Asked by IsDialogMessageW: the button Enter presses.
        return MAKELRESULT(m_defaultId, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
        // A read-only edit control asks here: black on the button face.
        if (reinterpret_cast<HWND>(lParam) == Text1) {
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_CONTEXTMENU: {
        const auto from = reinterpret_cast<HWND>(wParam);
        const POINT at = PointOf(lParam);
        if (lParam == -1 || from == Picture1.Handle() || from == Text1 ||
            ContainsScreenPoint(Picture1.Handle(), at) || ContainsScreenPoint(Text1, at)) {
            ShowDialMenu(lParam);
            return 0;
        }
        break;
    }
    case WM_ACTIVATE:
        // A dialog's way with the focus: it comes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus))
                m_focus = focus;
        } else if (!IsIconic(m_window)) {
            SetFocus(m_focus ? m_focus : cmdStart);
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(m_focus ? m_focus : cmdStart);
        return 0;
    case WM_DPICHANGED: {
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        m_stopwatch.Form_Unload();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Form1::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<Form1 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Until the constructor has made the stopwatch, the frame behaves as any window.
    if (!self || !self->m_ready)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

} // namespace zelvan
