#include "CFileVersionInfo.h"

#include <QCoreApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

TEST(CFileVersionInfoTest, ProgramCarriesTheBuildVersion)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(info.isValid());
    EXPECT_EQ(info.fixedInfo().signature, CFileVersionInfo::kSignature);
    const QStringList parts = ProgramVersionText().split(u'.');
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(info.fixedInfo().fileVersionMS >> 16, parts[0].toUInt());
    EXPECT_EQ(info.fixedInfo().fileVersionMS & 0xFFFF, parts[1].toUInt());
    EXPECT_EQ(info.fixedInfo().fileVersionLS >> 16, parts[2].toUInt());
    EXPECT_EQ(info.translationCount(), 1u);
    EXPECT_NE(info.translation(), 0u);
}

TEST(CFileVersionInfoTest, FileWithoutVersionBlockClearsTheObject)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(QCoreApplication::applicationFilePath()));
    QTemporaryFile other;
    ASSERT_TRUE(other.open());
    EXPECT_FALSE(info.Create(other.fileName()));
    EXPECT_FALSE(info.isValid());
    EXPECT_EQ(info.fixedInfo().signature, 0u);
    EXPECT_EQ(info.translationCount(), 0u);
}

TEST(CFileVersionInfoTest, EmptyPathFailsAndTouchesNothing)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(QCoreApplication::applicationFilePath()));
    EXPECT_FALSE(info.Create(QString()));
    EXPECT_TRUE(info.isValid());
}

TEST(CFileVersionInfoTest, QueryTranslationOnInvalidObjectFails)
{
    CFileVersionInfo info;
    EXPECT_FALSE(info.QueryTranslation());
    EXPECT_EQ(info.translationCount(), 0u);
}

} // namespace
