// SPDX-License-Identifier: MIT
#pragma once

// The alarm dialog on Win32, under the names of the form it grew from (see
// alarm/alarmsetting.h): Form2 is the dialog window and its controls are
// chkEnabled, Label1, txtTimeSet, cmdOK and cmdCancel. Its behaviour is
// AlarmSetting's; this is the window it works through.

#include "alarm/alarmsetting.h"
#include "platform/win32/dpi.h"

#include <string>

namespace zelvan {

// One run of the alarm dialog, modal over its owner. The settings handed in
// before the dialog opens wait in the object until its controls exist.
class Form2 final : public AlarmSettingView
{
public:
    explicit Form2(HWND owner) : m_owner(owner) {}
    Form2(const Form2 &) = delete;
    Form2 &operator=(const Form2 &) = delete;

    Flag CallAlarmSetting(Flag &Enabled, std::int16_t &timeset)
    {
        return m_setting.CallAlarmSetting(Enabled, timeset);
    }

    // The window: DialogBoxIndirectParamW until Hide ends it.
    void ShowModal() override;
    void Hide() override;
    void Warning(const std::string &text, const std::string &title) override;

    // The controls, or the values that wait for them.
    int CheckBoxValue() const override;
    void SetCheckBoxValue(int value) override;
    std::string MinutesText() const override;
    void SetMinutesText(const std::string &text) override;
    // From the user's regional settings.
    NumberSeparators LocaleSeparators() const override;

    // Client-area size in twips.
    static constexpr int ClientWidthTwips = 3390;
    static constexpr int ClientHeightTwips = 1440;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load(HWND dialog);
    void Layout();
    void KeepValues();

    HWND m_owner;
    HWND m_dialog = nullptr;
    HWND chkEnabled = nullptr;
    HWND Label1 = nullptr;
    HWND txtTimeSet = nullptr;
    HWND cmdOK = nullptr;
    HWND cmdCancel = nullptr;
    Font m_font;
    // The controls' values while there are no controls: before the dialog
    // opens and after it has closed.
    int m_checkBoxValue = 0;
    std::string m_minutesText;
    AlarmSetting m_setting{*this};
};

// How the main window runs the alarm dialog: a new Form2 for each run.
class Win32AlarmDialog final : public AlarmDialog
{
public:
    explicit Win32AlarmDialog(HWND owner) : m_owner(owner) {}

    Flag Run(Flag &Enabled, std::int16_t &timeset) override;

private:
    HWND m_owner;
};

} // namespace zelvan
