// SPDX-License-Identifier: MIT
#include "alarm/win32/form2.h"

#include "platform/win32/messagebox.h"
#include "platform/win32/text.h"

#include <algorithm>

namespace zelvan {

namespace {

enum ControlId : int { IdChkEnabled = 101, IdLabel1, IdTxtTimeSet };

// The dialog's frame, for DialogBoxIndirectParamW. The controls are made when
// it opens, at their places in twips: a template can only place them in
// dialog units, which follow the font rather than the screen's dpi.
struct Form2Template
{
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    wchar_t title[14];
    WORD padding;
};

alignas(DWORD) const Form2Template Frame = {
    {DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 0, 0, 0, 0, 0},
    0,
    0,
    L"Alarm Setting",
    0,
};

HWND MakeControl(HWND dialog, const wchar_t *windowClass, const wchar_t *text, DWORD style,
                 DWORD exStyle, int id)
{
    return CreateWindowExW(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring UserLocaleInfo(LCTYPE item)
{
    wchar_t value[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, value, LOCALE_NAME_MAX_LENGTH);
    return length > 0 ? std::wstring(value, static_cast<std::size_t>(length - 1)) : std::wstring();
}

void CentreOver(HWND window, HWND owner)
{
    RECT frame{};
    RECT over{};
    GetWindowRect(window, &frame);
    GetWindowRect(owner, &over);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    LONG left = over.left + (over.right - over.left - width) / 2;
    LONG top = over.top + (over.bottom - over.top - height) / 2;
    // Whole on the monitor the owner is on.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT &work = monitor.rcWork;
        left = std::max(work.left, std::min(left, work.right - width));
        top = std::max(work.top, std::min(top, work.bottom - height));
    }
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

int Form2::CheckBoxValue() const
{
    if (!chkEnabled)
        return m_checkBoxValue;
    return static_cast<int>(SendMessageW(chkEnabled, BM_GETCHECK, 0, 0));
}

void Form2::SetCheckBoxValue(int value)
{
    m_checkBoxValue = value;
    if (chkEnabled)
        SendMessageW(chkEnabled, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

std::string Form2::MinutesText() const
{
    if (!txtTimeSet)
        return m_minutesText;
    return Narrow(WindowText(txtTimeSet));
}

void Form2::SetMinutesText(const std::string &text)
{
    m_minutesText = text;
    if (txtTimeSet)
        SetWindowTextW(txtTimeSet, Widen(text).c_str());
}

NumberSeparators Form2::LocaleSeparators() const
{
    NumberSeparators separators;
    // The minutes are read with an ASCII decimal separator; a locale's other
    // one (none in use today) leaves the point.
    const std::wstring decimal = UserLocaleInfo(LOCALE_SDECIMAL);
    if (decimal.size() == 1 && decimal[0] < 0x80)
        separators.decimal = static_cast<char>(decimal[0]);
    separators.group = Narrow(UserLocaleInfo(LOCALE_STHOUSAND));
    return separators;
}

void Form2::ShowModal()
{
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &Frame.header, m_owner, &Form2::Procedure,
                            reinterpret_cast<LPARAM>(this));
}

void Form2::Hide()
{
    if (m_dialog)
        EndDialog(m_dialog, 0);
}

void Form2::Warning(const std::string &text, const std::string &title)
{
    ShowWarning(m_dialog ? m_dialog : m_owner, text, title);
}

void Form2::Form_Load(HWND dialog)
{
    m_dialog = dialog;
    // In tab order: the label comes just before the box it names, which is how
    // screen readers find the box's name.
    chkEnabled = MakeControl(dialog, L"BUTTON", L"Abilita l'allarme",
                             BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0, IdChkEnabled);
    Label1 = MakeControl(dialog, L"STATIC", L"Tempo limite in minuti:", SS_LEFT, 0, IdLabel1);
    txtTimeSet = MakeControl(dialog, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP,
                             WS_EX_CLIENTEDGE, IdTxtTimeSet);
    cmdOK = MakeControl(dialog, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK);
    cmdCancel = MakeControl(dialog, L"BUTTON", L"Annulla", BS_PUSHBUTTON | WS_TABSTOP, 0, IDCANCEL);
    Layout();
    CentreOver(dialog, m_owner);
    SetCheckBoxValue(m_checkBoxValue);
    SetMinutesText(m_minutesText);
    SetFocus(chkEnabled);
}

void Form2::Layout()
{
    const UINT dpi = WindowDpi(m_dialog);
    m_font = CreateFormFont(dpi, FormFontPoints);
    SetClientSizeInTwips(m_dialog, ClientWidthTwips, ClientHeightTwips, dpi);
    const struct
    {
        HWND control;
        int left, top, width, height;
    } places[] = {
        {chkEnabled, 120, 120, 1815, 375}, {Label1, 120, 600, 1815, 255},
        {txtTimeSet, 2040, 480, 1215, 375}, {cmdOK, 120, 960, 1215, 375},
        {cmdCancel, 2040, 960, 1215, 375},
    };
    for (const auto &place : places) {
        SendMessageW(place.control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        PlaceInTwips(place.control, place.left, place.top, place.width, place.height, dpi);
    }
    InvalidateRect(m_dialog, nullptr, TRUE);
}

void Form2::KeepValues()
{
    m_checkBoxValue = CheckBoxValue();
    m_minutesText = MinutesText();
    chkEnabled = Label1 = txtTimeSet = cmdOK = cmdCancel = nullptr;
    m_dialog = nullptr;
}

INT_PTR CALLBACK Form2::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<Form2 *>(lParam)->Form_Load(dialog);
        // The focus is set: the check box has it.
        return FALSE;
    }
    auto *self = reinterpret_cast<Form2 *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        // Escape and the close box come as IDCANCEL, Enter as the default button's id.
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            self->m_setting.cmdOK_Click();
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            self->m_setting.cmdCancel_Click();
            return TRUE;
        }
        return FALSE;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(dialog, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        self->Layout();
        return TRUE;
    }
    case WM_DESTROY:
        self->KeepValues();
        return FALSE;
    default:
        return FALSE;
    }
}

Flag Win32AlarmDialog::Run(Flag &Enabled, std::int16_t &timeset)
{
    // A fresh dialog each time, so every run starts from the current settings.
    Form2 dialog(m_owner);
    return dialog.CallAlarmSetting(Enabled, timeset);
}

} // namespace zelvan
