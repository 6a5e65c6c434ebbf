// SPDX-License-Identifier: MIT
// Drives zelvan.exe from beside it under the same Wine, as an accessibility
// tool would: reads every window's and control's text across processes with
// WM_GETTEXT, presses buttons with BM_CLICK, and reads the executable's
// version resource and icon sizes.
//   driver dump                  every visible top-level window and its controls
//   driver click TITLE TEXT      presses the button TEXT of the window whose title starts with TITLE
//   driver version EXE           the version resource's strings and the icon's sizes
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring &text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}


// GetWindowText reads no control of another process: ask the window itself.
std::wstring Text(HWND window)
{
    wchar_t buffer[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window) && GetWindowTextLengthW(window) > 0)
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND> *>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

int Dump()
{
    for (HWND window : TopLevelWindows()) {
        RECT client{};
        GetClientRect(window, &client);
        std::printf("window %p class=\"%s\" title=\"%s\" client=%ldx%ld dpi=%u owner=%p minimised=%d\n",
                    static_cast<void *>(window), Utf8(ClassOf(window)).c_str(), Utf8(Text(window)).c_str(),
                    client.right, client.bottom, GetDpiForWindow(window),
                    static_cast<void *>(GetWindow(window, GW_OWNER)), IsIconic(window) ? 1 : 0);
        for (HWND child : Children(window)) {
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
            const LRESULT checked = SendMessageW(child, BM_GETCHECK, 0, 0);
            std::printf("  control id=%d class=\"%s\" text=\"%s\" style=0x%08lx checked=%d\n",
                        GetDlgCtrlID(child), Utf8(ClassOf(child)).c_str(), Utf8(Text(child)).c_str(), style,
                        ClassOf(child) == L"Button" ? static_cast<int>(checked) : -1);
        }
    }
    return 0;
}

// Posted: a button that opens a modal window would hold a sent message
// until that window closed.
int Click(const std::wstring &title, const std::wstring &text)
{
    for (HWND window : TopLevelWindows()) {
        if (Text(window).rfind(title, 0) != 0)
            continue;
        for (HWND child : Children(window)) {
            if (ClassOf(child) == L"Button" && Text(child) == text) {
                PostMessageW(child, BM_CLICK, 0, 0);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "no button \"%s\" in a window titled \"%s...\"\n", Utf8(text).c_str(), Utf8(title).c_str());
    return 1;
}

int Version(const std::wstring &exe)
{
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(exe.c_str(), 0, size, data.data())) {
        std::fprintf(stderr, "no version resource\n");
        return 1;
    }
    void *value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length) && length >= 4) {
        const auto *pair = static_cast<const WORD *>(value);
        std::printf("Translation=%04X%04X\n", pair[0], pair[1]);
    }
    if (VerQueryValueW(data.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
        std::printf("FixedFileVersion=%lu.%lu.%lu.%lu\n", fixed->dwFileVersionMS >> 16,
                    fixed->dwFileVersionMS & 0xffff, fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xffff);
    }
    for (const wchar_t *name : {L"FileVersion", L"ProductVersion", L"ProductName", L"InternalName"}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041004B0\\") + name;
        if (VerQueryValueW(data.data(), path.c_str(), &value, &length))
            std::printf("%s=%s\n", Utf8(name).c_str(), Utf8(static_cast<const wchar_t *>(value)).c_str());
    }
    // The icon group's directory names the size of each image.
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC group = module ? FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON) : nullptr;
    if (group) {
        const auto *bytes = static_cast<const BYTE *>(LockResource(LoadResource(module, group)));
        const WORD count = *reinterpret_cast<const WORD *>(bytes + 4);
        std::printf("IconSizes=");
        for (WORD i = 0; i < count; ++i) {
            const BYTE width = bytes[6 + 14 * i];
            std::printf("%s%d", i ? "," : "", width ? width : 256);
        }
        std::printf("\n");
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    // Sizes in the target's own pixels, not scaled for a program that
    // knows no dpi.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"dump" && argc == 2)
        return Dump();
    if (command == L"click" && argc == 4)
        return Click(argv[2], argv[3]);
    if (command == L"version" && argc == 3)
        return Version(argv[2]);
    std::fprintf(stderr, "usage: driver dump | click TITLE TEXT | version EXE\n");
    return 2;
}
