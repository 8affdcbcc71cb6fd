// Test main of the folders that need no display.
#include "LanguagePack.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TestEnvironment::PrepareUserFolders();
    QCoreApplication app(argc, argv);
    TestEnvironment::PrepareProgram();
    const int result = RUN_ALL_TESTS();
    // The resource registration lives until it is undone; left, the leak check reports it.
    LanguagePack::Unload();
    return result;
}
