// SPDX-License-Identifier: MIT
#include "platform/folders.h"

#include <gtest/gtest.h>

namespace zelvan {
namespace {

std::filesystem::path Resolved(const std::filesystem::path &path)
{
    return std::filesystem::weakly_canonical(path);
}

// The tests run from the build tree's bin/, which is laid out as an installed tree.
TEST(ProgramFolders, SitBesideTheExecutablesFolderAsInAnInstalledTree)
{
    EXPECT_EQ(Resolved(ExecutableFolder()), Resolved(ZELVAN_BUILD_BIN_DIR));
    EXPECT_EQ(Resolved(ProgramDataFolder()), Resolved(ZELVAN_BUILD_DATA_DIR));
    EXPECT_EQ(Resolved(ProgramModuleFolder()), Resolved(ZELVAN_BUILD_MODULE_DIR));
}

} // namespace
} // namespace zelvan
