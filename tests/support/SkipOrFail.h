#pragma once

#include <QTest>

// For a test that needs an installed tool or the OCR files: skipped where they are missing, a
// failure in CI (CI=true), where set-up must have put them in place.
#define DOVRIX_SKIP_OR_FAIL_IN_CI(message)                                                         \
    do {                                                                                           \
        if (qgetenv("CI") == "true")                                                               \
            QFAIL(message);                                                                        \
        QSKIP(message);                                                                            \
    } while (false)
