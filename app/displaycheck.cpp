// SPDX-License-Identifier: MIT
#include "app/displaycheck.h"

#include <cstddef>
#include <cstdlib>
#include <regex>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zelvan {

namespace {

std::string Env(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool Connects(const std::string &path, bool abstract)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true; // cannot tell: let Qt try
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name starts with a NUL byte and has no file behind it.
    const std::size_t offset = abstract ? 1 : 0;
    path.copy(address.sun_path + offset, sizeof address.sun_path - 1 - offset);
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool answers = connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    close(fd);
    return answers;
}

// A local X display (":N" or ":N.S") listens on /tmp/.X11-unix/XN, and on
// Linux also under the same abstract name, which sandboxes may leave visible alone.
bool LocalXServerAnswers(int number)
{
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    return Connects(path, false) || Connects(path, true);
}

} // namespace

std::string MissingDisplayReason()
{
    // An explicit platform (offscreen, wayland, ...) is the user's choice.
    if (!Env("QT_QPA_PLATFORM").empty() || !Env("WAYLAND_DISPLAY").empty())
        return {};
    const std::string display = Env("DISPLAY");
    if (display.empty())
        return "no display: DISPLAY is not set. Start zelvan from a desktop session, "
               "or set DISPLAY to a running X server.";
    std::smatch match;
    static const std::regex local(R"(^(unix)?:(\d{1,5})(\.\d+)?$)");
    if (std::regex_match(display, match, local) && !LocalXServerAnswers(std::stoi(match[2])))
        return "no display: nothing answers on DISPLAY=" + display +
               ". Start zelvan from a desktop session, or set DISPLAY to a running X server.";
    return {};
}

} // namespace zelvan
