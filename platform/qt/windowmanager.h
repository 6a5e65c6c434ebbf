// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/qnamespace.h>

class QWidget;

// What the program asks of the window manager for its windows, with Qt's
// flags kept in step so that every part of the program can ask Qt about them.
namespace zelvan {

// Whether the window that holds widget is kept above other programs' windows.
// The dialogs and boxes it owns must be kept above too, or they open beneath it.
bool StaysOnTop(const QWidget &widget);

// Keeps the window above the others, or no longer. On X11 the window manager
// changes the window as it is; elsewhere Qt makes the native window anew and
// shows it again with the keyboard.
void SetStaysOnTop(QWidget &window, bool on);

// Sets or clears one of Qt's window flags without making the native window
// anew, as QWidget::setWindowFlag would: a window that keeps its id keeps its
// place in task bars, window switchers and accessibility tools.
void ChangeFlagInPlace(QWidget &window, Qt::WindowType flag, bool on);

// Asks the task bar to draw the user's eye to the window, in both ways task
// bars read it (on X11 _NET_WM_STATE_DEMANDS_ATTENTION and the ICCCM urgency
// hint; on Wayland what Qt offers), until the user activates the window.
// Nothing happens while the window is active.
void AskForAttention(QWidget &window);

// Shows a window that is not shown yet without taking the keyboard from the
// window that has it, modal or not. It takes the keyboard as usual once the
// user comes to it, or to a window of the program that it blocks.
void ShowWithoutTakingTheKeyboard(QWidget &window);

} // namespace zelvan
