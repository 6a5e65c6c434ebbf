// SPDX-License-Identifier: MIT
#include "alarm/qt/form2.h"

#include "platform/messagebox.h"
#include "platform/qt/forms.h"
#include "platform/qt/windowmanager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace zelvan {

Form2::Form2(QWidget *parent, MessageBox &messageBox) : QDialog(parent), m_messageBox(messageBox)
{
    setObjectName("Form2");
    // A fixed dialog border: a caption and a close button, nothing to minimise,
    // maximise or ask for help. Owned by its parent, it stays out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(AlarmSettingCaption);
    setFont(DefaultFormFont());
    setSizeGripEnabled(false);
    const int dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(ClientWidthTwips, dpi), TwipsToPixels(ClientHeightTwips, dpi));

    chkEnabled = new QCheckBox("Abilita l'allarme", this);
    chkEnabled->setObjectName("chkEnabled");
    PlaceInTwips(*chkEnabled, 120, 120, 1815, 375);
    // The dialog speaks Italian, so does what a screen reader says of it.
    chkEnabled->setAccessibleDescription(
        "Arma l'allarme: il segnale suona quando il conteggio raggiunge il tempo limite.");

    Label1 = new QLabel("Tempo limite in minuti:", this);
    Label1->setObjectName("Label1");
    PlaceInTwips(*Label1, 120, 600, 1815, 255);
    Label1->setAccessibleDescription("Etichetta della casella dei minuti.");

    txtTimeSet = new QLineEdit(this);
    txtTimeSet->setObjectName("txtTimeSet");
    PlaceInTwips(*txtTimeSet, 2040, 480, 1215, 375);
    Label1->setBuddy(txtTimeSet);
    txtTimeSet->setAccessibleName("Tempo limite in minuti");
    txtTimeSet->setAccessibleDescription("Minuti di conteggio prima dell'allarme, da 1 a 60.");

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    PlaceInTwips(*cmdOK, 120, 960, 1215, 375);
    // OK answers Enter from anywhere in the dialog except a focused button,
    // which answers Enter itself; the dialog hands the default back to OK
    // when such a button loses the focus.
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { m_setting.cmdOK_Click(); });
    cmdOK->setAccessibleDescription("Conferma l'impostazione dell'allarme.");

    cmdCancel = new QPushButton("Annulla", this);
    cmdCancel->setObjectName("cmdCancel");
    PlaceInTwips(*cmdCancel, 2040, 960, 1215, 375);
    cmdCancel->setAutoDefault(true);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { m_setting.cmdCancel_Click(); });
    cmdCancel->setAccessibleDescription("Chiude senza modificare l'impostazione.");

    setTabOrder(chkEnabled, txtTimeSet);
    setTabOrder(txtTimeSet, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    chkEnabled->setFocus();
}

Flag Form2::CallAlarmSetting(QWidget *parent, Flag &Enabled, std::int16_t &timeset)
{
    // The owner holds the dialog for the length of the run: modal over it,
    // centred on it and kept out of the task bar.
    if (parentWidget() != parent)
        setParent(parent, windowFlags());
    // Over a main window that stays on top, the dialog must stay on top too.
    setWindowFlag(Qt::WindowStaysOnTopHint, parent && StaysOnTop(*parent));

    return m_setting.CallAlarmSetting(Enabled, timeset);
}

void Form2::showEvent(QShowEvent *event)
{
    // The dialog is worked from the keyboard: the focused control shows its
    // marker from the start, not only after the first Tab. Showing a window
    // clears the flag, so it is set once the dialog shows.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

int Form2::CheckBoxValue() const
{
    switch (chkEnabled->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void Form2::SetCheckBoxValue(int value)
{
    chkEnabled->setCheckState(value == 1   ? Qt::Checked
                              : value == 2 ? Qt::PartiallyChecked
                                           : Qt::Unchecked);
}

std::string Form2::MinutesText() const
{
    return txtTimeSet->text().toStdString();
}

void Form2::SetMinutesText(const std::string &text)
{
    txtTimeSet->setText(QString::fromStdString(text));
}

NumberSeparators Form2::LocaleSeparators() const
{
    // QLocale() is the system's locale unless the program sets another. A
    // decimal separator outside ASCII leaves the conversion its '.'.
    const QLocale locale;
    NumberSeparators separators;
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        separators.decimal = static_cast<char>(point.at(0).unicode());
    separators.group = locale.groupSeparator().toStdString();
    return separators;
}

void Form2::ShowModal()
{
    // Escape and the close button end up in reject(), which hides the dialog.
    exec();
}

void Form2::Hide()
{
    hide();
}

void Form2::Warning(const std::string &text, const std::string &title)
{
    m_messageBox.Warning(text, title);
}

} // namespace zelvan
