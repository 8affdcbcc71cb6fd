// The About box: version text with build stamp, and the support mail link.
#include "CAboutDlg.h"

#include "CFileVersionInfo.h"
#include "CHyperlinkStatic.h"
#include "MainFormIds.h"
#include "ShellOpen.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(AboutDlgTest, VersionTextShowsTheThirdNumberOnlyWhenItIsNotZero)
{
    const struct {
        quint32 ms;
        quint32 ls;
        const char* text;
    } cases[] = {
        {0x00010009, 0x00000000, "1.9 Build 24061012 "},
        {0x00010009, 0x0000FFFF, "1.9 Build 24061012 "},
        {0x00010009, 0x00030000, "1.9.3 Build 24061012 "},
        {0x000C0022, 0x00070002, "12.34.7 Build 24061012 "},
    };
    for (const auto& c : cases) {
        FixedFileInfo info;
        info.fileVersionMS = c.ms;
        info.fileVersionLS = c.ls;
        EXPECT_EQ(CAboutDlg::FormatVersionText(info, QStringLiteral("24061012")), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(CAboutDlg::FormatBuildStamp(QDateTime(QDate(2024, 6, 10), QTime(12, 59))), QStringLiteral("24061012"));
    EXPECT_EQ(CAboutDlg::FormatBuildStamp(QDateTime(QDate(2031, 1, 2), QTime(3, 4))), QStringLiteral("31010203"));
}

TEST(AboutDlgTest, ShowsTheProgramsVersionAndOpensTheSupportMail)
{
    QStringList opened;
    const ShellOpener previous = SetShellOpener([&opened](const QString& target, const QString&) {
        opened.append(target);
        return true;
    });
    CAboutDlg about;
    QString version;
    QTimer::singleShot(0, &about, [&] {
        version = about.itemText(kStaticAboutVersion);
        if (auto* link = about.item<CHyperlinkStatic>(kLinkAboutSupport)) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(link, &release);
        }
        about.item<QAbstractButton>(IDOK)->click();
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    SetShellOpener(previous);

    const QRegularExpression pattern(
        QStringLiteral("^%1 Build \\d{8} $").arg(QRegularExpression::escape(ProgramVersionText().section(u'.', 0, 1))));
    EXPECT_TRUE(pattern.match(version).hasMatch()) << version.toStdString();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QStringLiteral("mailto:support@zerv.example"));
    // A file without a version block: no text, and the box still opens.
    EXPECT_EQ(CAboutDlg::ProgramVersionText(QStringLiteral("/no/such/program")), QString());
}

} // namespace
