// SPDX-License-Identifier: MIT
#pragma once

// The alarm dialog on Qt: the layout in twips and the widgets. What the dialog
// does is AlarmSetting's (alarm/alarmsetting.h), under the form's names; the
// widgets carry those names as object names, by which tests and accessibility
// tools find them:
//   Form2             this dialog; Form1 is the stopwatch window that opens it
//   chkEnabled        the "Abilita l'allarme" check box
//   Label1            the label of the minutes box
//   txtTimeSet        the minutes box, 1 to 60
//   cmdOK, cmdCancel  the buttons

#include "alarm/alarmsetting.h"
#include "platform/flag.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvan {

class MessageBox;

// The alarm settings dialog: whether the alarm is armed and after how many
// minutes (1 to 60). One instance serves one run; the main window hands in its
// settings and takes back what the user confirmed.
class Form2 final : public QDialog, private AlarmSettingView
{
    Q_OBJECT

public:
    // Warnings go through messageBox, which must outlive the dialog.
    Form2(QWidget *parent, MessageBox &messageBox);

    // Shows the dialog modally over parent and blocks until it is dismissed.
    // Enabled and timeset (the alarm time in seconds) come in as the current
    // settings; when the user confirms with OK they are overwritten and the
    // result is True, otherwise both are left alone and the result is False.
    Flag CallAlarmSetting(QWidget *parent, Flag &Enabled, std::int16_t &timeset);

    // Client-area size in twips.
    static constexpr int ClientWidthTwips = 3390;
    static constexpr int ClientHeightTwips = 1440;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int CheckBoxValue() const override;
    void SetCheckBoxValue(int value) override;
    std::string MinutesText() const override;
    void SetMinutesText(const std::string &text) override;
    NumberSeparators LocaleSeparators() const override;
    void ShowModal() override;
    void Hide() override;
    void Warning(const std::string &text, const std::string &title) override;

    MessageBox &m_messageBox;
    AlarmSetting m_setting{*this};

    QCheckBox *chkEnabled;
    QLabel *Label1;
    QLineEdit *txtTimeSet;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};

} // namespace zelvan
