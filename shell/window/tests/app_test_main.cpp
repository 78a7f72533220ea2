// The window tests need one QApplication for the whole run; without a display they use Qt's
// offscreen platform with a 1280 x 1024 screen (ctest sets it, and so does this main when run by
// hand).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", TABULOR_TEST_PLATFORM);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
