// SPDX-License-Identifier: MIT
#pragma once

// The alarm dialog's behaviour, under the names of the form it grew from:
//   Form2             the dialog; the window system's side is an AlarmSettingView
//   chkEnabled        the "Abilita l'allarme" check box: 0 unchecked, 1 checked, 2 greyed
//   txtTimeSet        the minutes box, 1 to 60
//   cmdOK, cmdCancel  the buttons; cmdOK_Click checks the minutes first
//   Form_Load         fills the controls from the settings handed in
//   CallAlarmSetting  runs the dialog; Enabled and timeset are in/out settings
//   DlgEnabled, DlgMinutes, DlgAccepted  the dialog's copy of the settings

#include "platform/flag.h"

#include <cstdint>
#include <string>

namespace zelvan {

inline constexpr const char *AlarmSettingCaption = "Alarm Setting";
inline constexpr const char *MinutesWarning = "Impostare un valore tra 1 e 60 minuti.";

// How the user writes numbers: the decimal separator, and the separator that
// groups the digits of the whole part (UTF-8, empty where there is none).
struct NumberSeparators
{
    char decimal = '.';
    std::string group;
};

// The dialog's window as its behaviour sees it.
class AlarmSettingView
{
public:
    virtual ~AlarmSettingView() = default;

    virtual int CheckBoxValue() const = 0;
    virtual void SetCheckBoxValue(int value) = 0;
    // The minutes box, as UTF-8.
    virtual std::string MinutesText() const = 0;
    virtual void SetMinutesText(const std::string &text) = 0;
    virtual NumberSeparators LocaleSeparators() const = 0;

    // Shows the dialog modally over its owner and returns once it is hidden or
    // closed (Escape and the close box close it).
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    // A modal warning owned by the dialog.
    virtual void Warning(const std::string &text, const std::string &title) = 0;
};

// One run of the alarm dialog: the main window hands in its settings and takes
// back what the user confirmed.
class AlarmSetting
{
public:
    explicit AlarmSetting(AlarmSettingView &view) : m_view(view) {}

    // Shows the dialog and blocks until it is dismissed. Enabled and timeset
    // (the alarm time in seconds) come in as the current settings; when the
    // user confirms with OK they are overwritten and the result is True,
    // otherwise both are left alone and the result is False.
    Flag CallAlarmSetting(Flag &Enabled, std::int16_t &timeset);

    void cmdOK_Click();
    void cmdCancel_Click();

    Flag DlgEnabled() const { return m_dlgEnabled; }
    std::int16_t DlgMinutes() const { return m_dlgMinutes; }
    Flag DlgAccepted() const { return m_dlgAccepted; }

private:
    void Form_Load();

    AlarmSettingView &m_view;
    Flag m_dlgEnabled = False;
    std::int16_t m_dlgMinutes = 0;
    Flag m_dlgAccepted = False;
};

// How the main window runs the dialog: a fresh one for every run, modal over
// the main window, so each starts from the current settings.
class AlarmDialog
{
public:
    virtual ~AlarmDialog() = default;
    // CallAlarmSetting on a new dialog owned by the main window.
    virtual Flag Run(Flag &Enabled, std::int16_t &timeset) = 0;
};

} // namespace zelvan
