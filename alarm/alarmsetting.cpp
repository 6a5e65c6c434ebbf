// SPDX-License-Identifier: MIT
#include "alarm/alarmsetting.h"

#include "alarm/minutes.h"

namespace zelvan {

namespace {

constexpr int Unchecked = 0;
constexpr int Checked = 1;

} // namespace

Flag AlarmSetting::CallAlarmSetting(Flag &Enabled, std::int16_t &timeset)
{
    m_dlgEnabled = Enabled;
    m_dlgMinutes = static_cast<std::int16_t>(timeset / 60);
    m_dlgAccepted = False;

    Form_Load();
    m_view.ShowModal();

    if (IsTrue(m_dlgAccepted)) {
        Enabled = m_dlgEnabled;
        timeset = static_cast<std::int16_t>(m_dlgMinutes * 60);
    }
    return m_dlgAccepted;
}

void AlarmSetting::Form_Load()
{
    m_view.SetCheckBoxValue(IsTrue(m_dlgEnabled) ? Checked : Unchecked);
    if (m_dlgMinutes > 0)
        m_view.SetMinutesText(std::to_string(m_dlgMinutes));
}

void AlarmSetting::cmdOK_Click()
{
    // Only a plain tick arms the alarm; a greyed box does not.
    m_dlgEnabled = ToFlag(m_view.CheckBoxValue() == Checked);
    if (IsTrue(m_dlgEnabled)) {
        const NumberSeparators separators = m_view.LocaleSeparators();
        const std::optional<std::int16_t> minutes =
            AlarmMinutes(m_view.MinutesText(), separators.decimal, separators.group);
        if (!minutes) {
            m_view.Warning(MinutesWarning, AlarmSettingCaption);
            return;
        }
        // A refused attempt leaves DlgMinutes as it came in, so a later OK with
        // the box cleared hands back the incoming minutes, and minutes x 60
        // always fits in 16 bits.
        m_dlgMinutes = *minutes;
    }
    m_dlgAccepted = True;
    m_view.Hide();
}

void AlarmSetting::cmdCancel_Click()
{
    m_view.Hide();
}

} // namespace zelvan
