// SPDX-License-Identifier: MIT
#include "app/qt/opendisplay.h"

#include "app/displaycheck.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
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

void HoldWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt gives up on the display (every platform it tried has failed) and
        // would abort next. What it logged before is about the same failure.
        const std::string line = "zelvan: " + DisplayFailureLine() + "\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        // Qt is half-built: leave without running its destructors.
        std::_Exit(1);
    }
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
    g_previousHandler = qInstallMessageHandler(HoldWhileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    ShowHeld();
    return app;
}

} // namespace zelvan
