#pragma once

#include <QTest>

#include <cstdio>
#include <cstdlib>

// The main() of a test that scans with SANE's test device. That device cancels its reader thread
// asynchronously; when the cancel lands inside the C library's locale code the lock stays taken,
// and the exit handlers of other libraries (p11-kit's, for one) wait for it forever. Every result
// is written by the time qExec returns and the application is gone, so the test leaves without
// running them.
#define VELLUMO_TEST_MAIN_QUICK_EXIT(Application, TestObject)                                      \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        int result = 0;                                                                            \
        {                                                                                          \
            Application app(argc, argv);                                                           \
            app.setAttribute(Qt::AA_Use96Dpi, true);                                               \
            TestObject test;                                                                       \
            result = QTest::qExec(&test, argc, argv);                                              \
        }                                                                                          \
        std::fflush(nullptr);                                                                      \
        std::_Exit(result);                                                                        \
    }
