// SPDX-License-Identifier: MIT
// Writes the Windows icon, zelvan.ico, that the executable carries.
#include "data/iconart.h"

#include <cstdio>
#include <fstream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeico FILE.ico\n");
        return 2;
    }
    using namespace zelvan::icon;
    // Explorer's and the task bar's sizes up to 200 %, and its largest view.
    std::vector<Image> images = {PixelArt(16), PixelArt(32)};
    for (const int size : {48, 64, 256}) {
        images.push_back(Paint(size, DialShapes(size)));
    }
    const std::vector<std::uint8_t> bytes = IcoFile(images);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "makeico: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
