// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <gtest/gtest.h>

// What QTRY_COMPARE and QTRY_VERIFY do for Qt's own test runner, for GoogleTest:
// let the event loop run until the values agree or five seconds have passed,
// then check them, printing both when they differ. (Qt's own macros report to
// Qt's runner only: under GoogleTest a failing QTRY_COMPARE passes the test.)
#define EXPECT_EVENTUALLY_EQ(actual, expected)                                                     \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 5000));          \
        EXPECT_EQ(actual, expected);                                                               \
    } while (false)

#define ASSERT_EVENTUALLY_EQ(actual, expected)                                                     \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 5000));          \
        ASSERT_EQ(actual, expected);                                                               \
    } while (false)

#define EXPECT_EVENTUALLY_TRUE(condition)                                                          \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 5000));    \
        EXPECT_TRUE(condition);                                                                    \
    } while (false)

#define ASSERT_EVENTUALLY_TRUE(condition)                                                          \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 5000));    \
        ASSERT_TRUE(condition);                                                                    \
    } while (false)
