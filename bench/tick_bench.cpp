// SPDX-License-Identifier: MIT
// The work done once a second while the stopwatch runs, and the full repaint of
// the dial, on the real pixel canvas and on a surface that only records calls.
// The canvas cases show what the drawing itself costs; the recording cases show
// what is left of a tick once drawing is free.
#include "alarm/qt/form2.h"
#include "app/qt/form1.h"
#include "app/tick.h"
#include "dial/face.h"
#include "dial/updatedisplay.h"
#include "platform/clock.h"
#include "platform/qt/picturebox.h"
#include "tests/fakes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace zelvan;

// The stopwatch's own window, shown so that drawing schedules real repaints,
// with a clock that moves a second at every tick (so the hands move as they
// do in use; the reading of the system clock is left out) and ticks delivered
// by hand through the window's own tick handler.
class Stopwatch
{
public:
    explicit Stopwatch(bool alarm)
    {
        m_form.show();
        Settle();
        if (alarm)
            ArmAlarm();
        Button("cmdStart").click();
        Settle();
    }

    // Lets every pending repaint happen, as the event loop does between ticks.
    static void Settle() { QApplication::processEvents(); }

    void Tick()
    {
        m_clock.Advance(1);
        m_timer.Tick();
    }

    // Keeps an armed alarm from firing: the count goes back to zero well
    // before the alarm's hour is up.
    void ResetBeforeTheAlarm()
    {
        if (m_form.ElapsedSeconds() < 3000)
            return;
        for (QAction *action : m_form.actions())
            if (action->text() == "Reset")
                action->trigger();
        Settle();
    }

    PictureBox &Picture1() { return *m_form.findChild<PictureBox *>("Picture1"); }
    bool AlarmArmed() const { return IsTrue(m_form.AlarmEnabled()); }

private:
    QPushButton &Button(const char *name) { return *m_form.findChild<QPushButton *>(name); }

    // Through the dialog, as the user does: checked, 60 minutes, OK.
    void ArmAlarm()
    {
        QTimer::singleShot(0, [this] {
            auto *dialog = m_form.findChild<Form2 *>();
            dialog->findChild<QCheckBox *>("chkEnabled")->setChecked(true);
            dialog->findChild<QLineEdit *>("txtTimeSet")->setText("60");
            dialog->findChild<QPushButton *>("cmdOK")->click();
        });
        Button("cmdSetAlert").click();
        Settle();
    }

    testing::FakeClock m_clock;
    testing::FakeTimer m_timer;
    testing::FakeMessageBox m_messageBox;
    testing::FakeSoundPlayer m_sound;
    Form1 m_form{{&m_clock, &m_timer, &m_messageBox, &m_sound, "/nonexistent"}};
};

void ApplyAlarm(DisplayState &display, const benchmark::State &state)
{
    display.AlarmEnabled = ToFlag(state.range(0) != 0);
    display.AlarmSeconds = 25 * 60;
}

// The tick alone, timed by hand so that the repaint it schedules, run between
// ticks as the event loop would, stays out of the figure.
void BM_TickCanvas(benchmark::State &state)
{
    Stopwatch stopwatch(state.range(0) != 0);
    if (stopwatch.AlarmArmed() != (state.range(0) != 0))
        state.SkipWithError("the alarm is not as asked");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        stopwatch.Tick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        Stopwatch::Settle();
        stopwatch.ResetBeforeTheAlarm();
    }
}
BENCHMARK(BM_TickCanvas)->ArgName("alarm")->Arg(0)->Arg(1)->UseManualTime();

// The tick and the repaint of the window that follows it.
void BM_TickCanvasAndRepaint(benchmark::State &state)
{
    Stopwatch stopwatch(state.range(0) != 0);
    if (stopwatch.AlarmArmed() != (state.range(0) != 0))
        state.SkipWithError("the alarm is not as asked");
    for (auto _ : state) {
        stopwatch.Tick();
        Stopwatch::Settle();
        stopwatch.ResetBeforeTheAlarm();
    }
}
BENCHMARK(BM_TickCanvasAndRepaint)->ArgName("alarm")->Arg(0)->Arg(1);

// The same steps as the window's tick, with drawing recorded instead of done.
void BM_TickRecording(benchmark::State &state)
{
    testing::RecordingSurface surface;
    testing::FakeReadouts readouts;
    DisplayState display;
    ApplyAlarm(display, state);
    HandTips tips;
    BootClock clock;
    OleDate now = 46000.5;
    OleDate lastTick = now;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.Now());
        now += 1.0 / SecondsPerDay;
        AccountElapsed(display.ElapsedSeconds, lastTick, now);
        display.ElapsedText = FormatElapsed(display.ElapsedSeconds);
        UpdateDisplay(surface, readouts, display, tips);
        surface.ops.clear();
    }
}
BENCHMARK(BM_TickRecording)->ArgName("alarm")->Arg(0)->Arg(1);

// A full repaint, as when the window is uncovered: the canvas is cleared, the
// face and the hands drawn anew and the picture shown.
void BM_FaceRepaintCanvas(benchmark::State &state)
{
    Stopwatch stopwatch(false);
    for (auto _ : state) {
        stopwatch.Picture1().Refresh();
        Stopwatch::Settle();
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
