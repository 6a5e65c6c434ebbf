// SPDX-License-Identifier: MIT
// The work done once a second while the stopwatch runs, and the full repaint of
// the dial, on the real pixel canvas and on a surface that only records calls.
// The canvas cases show what the drawing itself costs; the recording cases show
// what is left of a tick once drawing is free.
#include "alarm/qt/form2.h"
#include "app/stopwatch.h"
#include "dial/face.h"
#include "dial/updatedisplay.h"
#include "tests/canvas.h"
#include "tests/window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <numbers>

namespace {

using namespace zelvan;

constexpr int AlarmMinutes = 25;

// The stopwatch's own window, shown so that drawing schedules real repaints,
// with a clock that moves a second at every tick (so the hands move as they
// do in use; the reading of the system clock is left out) and ticks delivered
// by hand through the window's own timer.
class RunningWindow : public testing::WindowWithFakes
{
public:
    explicit RunningWindow(bool alarm)
    {
        form.show();
        Settle();
        if (alarm)
            ArmAlarm();
        cmdStart().click();
        Settle();
    }

    // Lets every pending repaint happen, as the event loop does between ticks.
    static void Settle() { QApplication::processEvents(); }

    void Tick()
    {
        RunFor(1);
        ++m_counted;
    }

    // Keeps an armed alarm from firing: the count goes back to zero well
    // before the alarm is due.
    void ResetBeforeTheAlarm()
    {
        if (m_counted < AlarmMinutes * 60 - 100)
            return;
        for (QAction *action : form.actions())
            if (action->text() == "Reset")
                action->trigger();
        m_counted = 0;
        Settle();
    }

    // The red hand, at 0.4 of the radius towards the alarm's minute.
    bool AlarmArmed()
    {
        const double a = std::numbers::pi / 2 - AlarmMinutes * std::numbers::pi / 30;
        return testing::ColourNear(Picture1().Canvas(), 1147 + 0.4 * 1136 * std::cos(a),
                                   1147 - 0.4 * 1136 * std::sin(a), Qt::red);
    }

private:
    // Through the dialog, as the user does: checked, the minutes, OK.
    void ArmAlarm()
    {
        QTimer::singleShot(0, [this] {
            auto *dialog = form.findChild<Form2 *>();
            dialog->findChild<QCheckBox *>("chkEnabled")->setChecked(true);
            dialog->findChild<QLineEdit *>("txtTimeSet")->setText(QString::number(AlarmMinutes));
            dialog->findChild<QPushButton *>("cmdOK")->click();
        });
        cmdSetAlert().click();
        Settle();
    }

    int m_counted = 0;
};

// The tick alone, timed by hand so that the repaint it schedules, run between
// ticks as the event loop would, stays out of the figure.
void BM_TickCanvas(benchmark::State &state)
{
    RunningWindow stopwatch(state.range(0) != 0);
    if (stopwatch.AlarmArmed() != (state.range(0) != 0))
        state.SkipWithError("the alarm is not as asked");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        stopwatch.Tick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        RunningWindow::Settle();
        stopwatch.ResetBeforeTheAlarm();
    }
}
BENCHMARK(BM_TickCanvas)->ArgName("alarm")->Arg(0)->Arg(1)->UseManualTime();

// The tick and the repaint of the window that follows it.
void BM_TickCanvasAndRepaint(benchmark::State &state)
{
    RunningWindow stopwatch(state.range(0) != 0);
    if (stopwatch.AlarmArmed() != (state.range(0) != 0))
        state.SkipWithError("the alarm is not as asked");
    for (auto _ : state) {
        stopwatch.Tick();
        RunningWindow::Settle();
        stopwatch.ResetBeforeTheAlarm();
    }
}
BENCHMARK(BM_TickCanvasAndRepaint)->ArgName("alarm")->Arg(0)->Arg(1);

// The stopwatch's tick itself, with drawing recorded instead of done.
void BM_TickRecording(benchmark::State &state)
{
    testing::FakeClock clock;
    testing::FakeTimer timer;
    testing::RecordingSurface surface;
    testing::StopwatchFakes fakes;
    Stopwatch watch(fakes.Parts(clock, timer, surface));
    watch.Form_Load();
    if (state.range(0) != 0) {
        fakes.dialog.WillEnter(true, std::to_string(AlarmMinutes));
        watch.cmdSetAlert_Click();
    }
    watch.cmdStart_Click();
    for (auto _ : state) {
        clock.Advance(1);
        timer.Tick();
        if (watch.ElapsedSeconds() > AlarmMinutes * 60 - 100)
            watch.ResetCount();
        surface.ops.clear();
    }
}
BENCHMARK(BM_TickRecording)->ArgName("alarm")->Arg(0)->Arg(1);

// A full repaint, as when the window is uncovered: the canvas is cleared, the
// face and the hands drawn anew and the picture shown.
void BM_FaceRepaintCanvas(benchmark::State &state)
{
    RunningWindow stopwatch(false);
    for (auto _ : state) {
        stopwatch.Picture1().Refresh();
        RunningWindow::Settle();
    }
}
BENCHMARK(BM_FaceRepaintCanvas);

void BM_FaceRepaintRecording(benchmark::State &state)
{
    testing::RecordingSurface surface;
    testing::FakeReadouts readouts;
    DisplayState display;
    HandTips tips;
    for (auto _ : state) {
        DrawDialFace(surface);
        UpdateDisplay(surface, readouts, display, tips);
        surface.ops.clear();
    }
}
BENCHMARK(BM_FaceRepaintRecording);

} // namespace
