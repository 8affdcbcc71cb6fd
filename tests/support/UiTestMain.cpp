// Test main of the folders that drive widgets, on Qt's offscreen platform.
#include "TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestEnvironment::PrepareUserFolders();
    QApplication app(argc, argv);
    TestEnvironment::PrepareProgram();
    return RUN_ALL_TESTS();
}
