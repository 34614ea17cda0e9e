// SPDX-License-Identifier: GPL-3.0-or-later
// Runs several Qt Test classes in one program, each in turn on a fresh
// object, and fails if any of them failed.
#pragma once

#include <QTest>

namespace zorbil::test {

template <class Test>
int RunQtTest(int argc, char** argv)
{
    Test t;
    return QTest::qExec(&t, argc, argv);
}

template <class... Tests>
int RunQtTests(int argc, char** argv)
{
    int status = 0;
    ((status |= RunQtTest<Tests>(argc, argv)), ...);
    return status;
}

}  // namespace zorbil::test
