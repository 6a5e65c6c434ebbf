// SPDX-License-Identifier: MIT
#include "app/displaycheck.h"

#include <cstdlib>

namespace zelvan {

std::string ReadEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string DisplayFailureLine(const EnvironmentReader &env)
{
    const std::string platform = env("QT_QPA_PLATFORM");
    const std::string x11 = env("DISPLAY");
    const std::string wayland = env("WAYLAND_DISPLAY");
    // Without a platform named, Qt uses X11, or on a Wayland session Wayland
    // first: the Wayland display is named too wherever one is set.
    const bool triedX11 = platform.empty() || platform.find("xcb") != std::string::npos;
    const bool triedWayland =
        platform.find("wayland") != std::string::npos || (platform.empty() && !wayland.empty());

    std::string what;
    std::string hint;
    const auto add = [&](const std::string &part, const std::string &server) {
        what += what.empty() ? part : "; " + part;
        hint += hint.empty() ? server : " or " + server;
    };
    if (triedX11)
        add(x11.empty() ? "DISPLAY is not set" : "DISPLAY=" + x11 + " cannot be opened",
            "set DISPLAY to a running X server");
    if (triedWayland)
        // The Wayland library's own default when the variable is unset.
        add("WAYLAND_DISPLAY=" + (wayland.empty() ? "wayland-0" : wayland) + " cannot be opened",
            "set WAYLAND_DISPLAY to a running Wayland compositor");
    if (what.empty())
        add("the window system cannot start", "unset QT_QPA_PLATFORM");
    if (!platform.empty())
        what += " (QT_QPA_PLATFORM=" + platform + ")";
    return "no display: " + what + ". Start zelvan from a desktop session, or " + hint + ".";
}

} // namespace zelvan
