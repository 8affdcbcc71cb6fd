// Test main of the folders that drive widgets, on Qt's offscreen platform.
#include "LanguagePack.h"
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
    const int result = RUN_ALL_TESTS();
    // The resource registration lives until it is undone; left, the leak check reports it.
    LanguagePack::Unload();
    return result;
}
