// Test main of the folders that need no display.
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TestEnvironment::PrepareUserFolders();
    QCoreApplication app(argc, argv);
    TestEnvironment::PrepareProgram();
    return RUN_ALL_TESTS();
}
