// SPDX-License-Identifier: MIT
#include "headless.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    zelvan::testing::UseOffscreenQt("zelvan-test-runtime");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
