// SPDX-License-Identifier: MIT
#include "app/displaycheck.h"

#include <gtest/gtest.h>
#include <map>

namespace zelvan {
namespace {

struct DisplayCase
{
    const char *name;
    std::map<std::string, std::string> env;
    const char *line;
};

void PrintTo(const DisplayCase &c, std::ostream *os)
{
    *os << c.name;
}

class DisplayFailureLineTest : public ::testing::TestWithParam<DisplayCase>
{
};

TEST_P(DisplayFailureLineTest, NamesTheDisplayAndSaysWhatToDo)
{
    const DisplayCase &c = GetParam();
    const auto env = [&](const char *name) {
        const auto it = c.env.find(name);
        return it == c.env.end() ? std::string() : it->second;
    };
    EXPECT_EQ(DisplayFailureLine(env), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayFailureLineTest,
    ::testing::Values(
        DisplayCase{"nothing_set",
                    {},
                    "no display: DISPLAY is not set. Start zelvan from a desktop session, or set "
                    "DISPLAY to a running X server."},
        DisplayCase{"x11",
                    {{"DISPLAY", "localhost:10.0"}},
                    "no display: DISPLAY=localhost:10.0 cannot be opened. Start zelvan from a "
                    "desktop session, or set DISPLAY to a running X server."},
        DisplayCase{"wayland_named",
                    {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "dead"}},
                    "no display: WAYLAND_DISPLAY=dead cannot be opened (QT_QPA_PLATFORM=wayland). "
                    "Start zelvan from a desktop session, or set WAYLAND_DISPLAY to a running "
                    "Wayland compositor."},
        DisplayCase{"wayland_default_socket",
                    {{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}},
                    "no display: WAYLAND_DISPLAY=wayland-0 cannot be opened "
                    "(QT_QPA_PLATFORM=wayland). Start zelvan from a desktop session, or set "
                    "WAYLAND_DISPLAY to a running Wayland compositor."},
        DisplayCase{
            "both_tried",
            {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":3"}, {"WAYLAND_DISPLAY", "w"}},
            "no display: DISPLAY=:3 cannot be opened; WAYLAND_DISPLAY=w cannot be opened "
            "(QT_QPA_PLATFORM=wayland;xcb). Start zelvan from a desktop session, or set "
            "DISPLAY to a running X server or set WAYLAND_DISPLAY to a running Wayland "
            "compositor."},
        DisplayCase{"wayland_set_without_a_platform",
                    {{"WAYLAND_DISPLAY", "w"}},
                    "no display: DISPLAY is not set; WAYLAND_DISPLAY=w cannot be opened. Start "
                    "zelvan from a desktop session, or set DISPLAY to a running X server or set "
                    "WAYLAND_DISPLAY to a running Wayland compositor."},
        DisplayCase{"another_window_system",
                    {{"QT_QPA_PLATFORM", "eglfs"}},
                    "no display: the window system cannot start (QT_QPA_PLATFORM=eglfs). Start "
                    "zelvan from a desktop session, or unset QT_QPA_PLATFORM."}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvan
