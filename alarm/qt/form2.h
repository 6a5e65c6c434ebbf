// SPDX-License-Identifier: MIT
#pragma once

// The alarm dialog keeps the names of the form it grew from; they are the
// program's vocabulary and the widgets' object names, by which tests and
// accessibility tools find them:
//   Form2             this dialog; Form1 is the stopwatch window that opens it
//   chkEnabled        the "Abilita l'allarme" check box
//   Label1            the label of the minutes box
//   txtTimeSet        the minutes box, 1 to 60
//   cmdOK, cmdCancel  the buttons; cmdOK_Click checks the minutes first
//   Form_Load         fills the controls from the settings handed in
//   CallAlarmSetting  runs the dialog; Enabled and timeset are in/out settings
//   DlgEnabled, DlgMinutes, DlgAccepted  the dialog's copy of the settings
//   Flag              a -1 (True) / 0 (False) boolean, as the form stored it

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
class Form2 final : public QDialog
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

    static constexpr const char *Caption = "Alarm Setting";
    static constexpr const char *MinutesWarning = "Impostare un valore tra 1 e 60 minuti.";

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    MessageBox &m_messageBox;

    Flag DlgEnabled = False;
    std::int16_t DlgMinutes = 0;
    Flag DlgAccepted = False;

    QCheckBox *chkEnabled;
    QLabel *Label1;
    QLineEdit *txtTimeSet;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};

} // namespace zelvan
