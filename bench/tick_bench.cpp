// SPDX-License-Identifier: MIT
// The work done once a second while the stopwatch runs, and the full repaint of
// the dial, on the real pixel canvas and on a surface that only records calls.
// The canvas cases show what the drawing itself costs; the recording cases show
// what is left of a tick once drawing is free.
#include "app/tick.h"
#include "dial/face.h"
#include "dial/updatedisplay.h"
#include "platform/clock.h"
#include "platform/qt/forms.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/readoutbox.h"
#include "platform/readouts.h"
#include "tests/fakes.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using namespace zelvan;

// The main window reduced to what a tick touches: the dial picture, the readout
// and the caption, laid out and styled as the stopwatch lays them out, and shown
// so that drawing schedules real repaints.
class DialWindow final : public QWidget, public Readouts
{
public:
    DialWindow()
    {
        setFont(DefaultFormFont());
        const int dpi = logicalDpiX();
        setFixedSize(TwipsToPixels(2775, dpi), TwipsToPixels(3615, dpi));
        picture = new PictureBox(this);
        picture->SetForeColor(Rgb(0, 0, 0));
        picture->SetFillColor(Rgb(255, 255, 255));
        PlaceInTwips(*picture, 240, 120, 2295, 2295);
        picture->SetPaintHandler([this] {
            DrawDialFace(*picture);
            UpdateDisplay(*picture, *this, state, tips);
        });
        readout = new ReadoutBox("00:00:00", this);
        PlaceInTwips(*readout, 480, 2520, 1815, 405);
        QFont font;
        font.setFamilies({"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"});
        font.setBold(true);
        font.setPointSizeF(20.25);
        readout->setFont(font);
        show();
        Settle();
    }

    // Lets every pending repaint happen, as the event loop does between ticks.
    static void Settle() { QApplication::processEvents(); }

    // One tick as the stopwatch's timer handler does it, at a clock that has
    // moved on by one second, so the hands move as they do in use.
    void Tick()
    {
        benchmark::DoNotOptimize(clock.Now()); // the real tick reads the system clock
        now += 1.0 / SecondsPerDay;
        AccountElapsed(state.ElapsedSeconds, lastTick, now);
        state.ElapsedText = FormatElapsed(state.ElapsedSeconds);
        UpdateDisplay(*picture, *this, state, tips);
    }

    bool IsMinimized() const override { return isMinimized(); }
    void SetReadoutText(const std::string &text) override
    {
        readout->setText(QString::fromStdString(text));
    }
    void SetCaption(const std::string &caption) override
    {
        setWindowTitle(QString::fromStdString(caption));
    }

    PictureBox *picture;
    ReadoutBox *readout;
    DisplayState state;
    HandTips tips;
    BootClock clock;
    OleDate now = 46000.5;
    OleDate lastTick = now;
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
    DialWindow window;
    ApplyAlarm(window.state, state);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.Tick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        DialWindow::Settle();
    }
}
BENCHMARK(BM_TickCanvas)->ArgName("alarm")->Arg(0)->Arg(1)->UseManualTime();

// The tick and the repaint of the window that follows it.
void BM_TickCanvasAndRepaint(benchmark::State &state)
{
    DialWindow window;
    ApplyAlarm(window.state, state);
    for (auto _ : state) {
        window.Tick();
        DialWindow::Settle();
    }
}
BENCHMARK(BM_TickCanvasAndRepaint)->ArgName("alarm")->Arg(0)->Arg(1);

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
    DialWindow window;
    for (auto _ : state) {
        window.picture->Refresh();
        DialWindow::Settle();
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
