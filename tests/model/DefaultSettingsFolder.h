#pragma once
// Points the program folder at private folders holding a DefaultSettings.ini written by the test,
// and back at the build's runtime folder afterwards.

#include "ConfigFiles.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Failure messages show the three numbers.
inline void PrintTo(const SettingTriple& triple, std::ostream* out)
{
    *out << '{' << triple.defaultValue << ", " << triple.minimum << ", " << triple.maximum << '}';
}

class DefaultSettingsFolder : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        UseNoDefaultSettings();
    }

    void TearDown() override { SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); }

    // Each call takes a folder of its own, so no earlier file of the same path is seen again.
    void UseDefaultSettings(const QByteArray& text)
    {
        SetProgramDirectory(nextFolder());
        RewriteDefaultSettings(text);
    }

    // Replaces the file in the current program folder.
    void RewriteDefaultSettings(const QByteArray& text)
    {
        QFile out(QDir(ProgramDirectory()).filePath(QStringLiteral("DefaultSettings.ini")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(text), text.size());
    }

    void UseNoDefaultSettings() { SetProgramDirectory(nextFolder()); }

private:
    QString nextFolder()
    {
        const QString name = QString::number(++folders_);
        QDir(root_.path()).mkpath(name);
        return QDir(root_.path()).filePath(name);
    }

    QTemporaryDir root_;
    int folders_ = 0;
};
