// A QApplication for the Qt host's tests, on the offscreen platform unless another is set.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

namespace velmar::testing {

class QtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
};

}  // namespace velmar::testing
