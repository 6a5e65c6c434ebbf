// SPDX-License-Identifier: MIT
#include "app/qt/opendisplay.h"

#include "app/displaycheck.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelvan {

namespace {

// A message logged while the display was being opened, with copies of the
// context's texts, which need not outlive the call.
struct HeldMessage
{
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::mutex g_heldMutex;
std::vector<HeldMessage> g_held;
QtMessageHandler g_previousHandler = nullptr;

constexpr std::chrono::seconds OpenDisplayTimeout(30);

// One line for the user, then out: Qt is half-built, so no destructors run.
[[noreturn]] void GiveUp()
{
    const std::string line = "zelvan: " + DisplayFailureLine() + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void HoldWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt gives up on the display (every platform it tried has failed) and
    // would abort next. What it logged before is about the same failure.
    if (type == QtFatalMsg)
        GiveUp();
    const std::lock_guard lock(g_heldMutex);
    g_held.push_back({type, context.file ? context.file : "", context.line,
                      context.function ? context.function : "",
                      context.category ? context.category : "", text});
}

void ShowHeld()
{
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(g_heldMutex);
        held.swap(g_held);
    }
    for (const HeldMessage &m : held) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(),
                                         m.category.c_str());
        if (g_previousHandler)
            g_previousHandler(m.type, context, m.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(m.type, context, m.text)));
    }
}

} // namespace

std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv)
{
    // A display server that takes the connection and never answers (a hung
    // compositor, a host that drops the packets) would keep Qt waiting for
    // ever, with no window and no word: give up after a generous while.
    std::mutex mutex;
    std::condition_variable done;
    bool opened = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, OpenDisplayTimeout, [&] { return opened; }))
            GiveUp();
    });

    g_previousHandler = qInstallMessageHandler(HoldWhileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    {
        const std::lock_guard lock(mutex);
        opened = true;
    }
    done.notify_one();
    watchdog.join();
    ShowHeld();
    return app;
}

} // namespace zelvan
