// SPDX-License-Identifier: MIT
#pragma once

// The stopwatch window on Win32, under the names of the form it grew from (see
// app/stopwatch.h): Form1 is the main window, Picture1 the dial, Text1 the
// readout, cmdStart and cmdSetAlert the buttons, Timer1 the one-second timer.
// Its behaviour is Stopwatch's: this lays out the window, gives the stopwatch
// what it works through and forwards the window's events to it.

#include "alarm/win32/form2.h"
#include "app/stopwatch.h"
#include "platform/clock.h"
#include "platform/readouts.h"
#include "platform/win32/attention.h"
#include "platform/win32/button.h"
#include "platform/win32/dpi.h"
#include "platform/win32/messagebox.h"
#include "platform/win32/picturebox.h"
#include "platform/win32/sound.h"
#include "platform/win32/timer.h"

namespace zelvan {

class Form1 final : private Readouts
{
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    void Show(int showCommand);
    // The window's keys, before the message is dispatched: Ctrl+C and Ctrl+R,
    // then what a dialog does with Enter, Tab and Space. True when taken.
    bool TranslateKeyboard(MSG &message);

    // Client-area size in twips.
    static constexpr int ClientWidthTwips = 2775;
    static constexpr int ClientHeightTwips = 3615;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static HWND CreateFrame(HINSTANCE instance, Form1 *form);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void Layout(UINT dpi);
    void LoadIcons(UINT dpi);
    void ShowDialMenu(LPARAM screenPoint);
    void Copy();
    void SetAlwaysOnTop(bool on);
    // The button with the focus is the one Enter presses, and looks it.
    void DefaultFollowsFocus(bool cmdSetAlertFocused);

    bool IsMinimized() const override;
    void SetReadoutText(const std::string &text) override;
    void SetCaption(const std::string &caption) override;

    HINSTANCE m_instance;
    // Set once every member exists: the frame's first messages come while it is made.
    bool m_ready = false;
    HWND m_window;
    PictureBox Picture1;
    HWND Text1;
    HWND cmdStart;
    HWND cmdSetAlert;
    HACCEL m_accelerators;
    Font m_font;
    Font m_readoutFont;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND m_focus = nullptr;
    int m_defaultId;
    bool m_onTop = false;

    BootClock m_clock;
    Win32Timer Timer1;
    Win32Button m_cmdStart;
    Win32MessageBox m_messageBox;
    WinmmSoundPlayer m_sound;
    Win32AlarmDialog m_alarmDialog;
    FlashAttention m_attention;
    Stopwatch m_stopwatch;
};

} // namespace zelvan
