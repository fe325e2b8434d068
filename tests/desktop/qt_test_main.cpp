#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Printing needs a GUI application; the offscreen platform stands in for a display.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
