#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs the binaries during the build, without the test
    // environment: make sure no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
