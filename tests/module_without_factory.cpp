// SPDX-License-Identifier: MIT
// A library that loads fine but offers no way to make a sound player, as a
// module from some other program (or a broken build) would.

extern "C" int zelvan_something_else() noexcept
{
    return 0;
}
