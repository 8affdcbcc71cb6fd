#pragma once
// Points the program folder at a private folder for one test, optionally with a DefaultSettings.ini
// written by the test, and restores the build's runtime folder afterwards.

#include "ConfigFiles.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class DefaultSettingsFolder : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        SetProgramDirectory(folder_.path());
    }

    void TearDown() override { SetProgramDirectory(QStringLiteral(PELANDRIX_RUNTIME_DIR)); }

    void WriteDefaultSettings(const QByteArray& text) const
    {
        QFile out(QDir(folder_.path()).filePath(QStringLiteral("DefaultSettings.ini")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(text), text.size());
    }

private:
    QTemporaryDir folder_;
};
