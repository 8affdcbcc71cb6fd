// The page sweep over real project files: the sample, the rich project and hostile variants of
// it, each a few-line edit of the rich project's text. Every file is either refused on open with
// the open-failure message or survives every page, reopens and saves the same bytes twice.
#include "PageSweep.h"
#include "CMainFrame.h"
#include "ProjectTextEdits.h"
#include "PropertyPageTable.h"
#include "RichProject.h"
#include "TextFormat.h"

#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

using ProjectTextEdits::WithResultAfter;

class PageSweepTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        const QString path = QDir(folder_->path()).filePath(QStringLiteral("rich.pelx"));
        ASSERT_TRUE(WriteRichProject(path));
        rich_ = new QByteArray(ReadFileBytes(path));
    }
    static void TearDownTestSuite()
    {
        delete rich_;
        delete folder_;
    }

    static QString Path(const QString& name) { return QDir(folder_->path()).filePath(name); }

    // Writes the text as a project file and sweeps it in a folder of its own.
    static PageSweepReport Sweep(const QString& name, const QByteArray& text)
    {
        const QString path = Path(name + QStringLiteral(".pelx"));
        EXPECT_TRUE(WriteFileBytes(path, text));
        return SweepPages(path, Path(name));
    }

    static void ExpectSurvived(const PageSweepReport& report, const std::string& label)
    {
        ASSERT_TRUE(report.opened) << label << ": " << report.boxes.join(u'|').toStdString();
        EXPECT_GE(report.pagesShown, kPropertyPageCount) << label;
        EXPECT_GT(report.applyPresses, 0) << label;
        EXPECT_TRUE(report.saved) << label;
        EXPECT_TRUE(report.reopened) << label;
        EXPECT_TRUE(report.SavesMatch()) << label;
    }

    static QTemporaryDir* folder_;
    static QByteArray* rich_;
};

QTemporaryDir* PageSweepTest::folder_ = nullptr;
QByteArray* PageSweepTest::rich_ = nullptr;

TEST_F(PageSweepTest, TheSampleAndTheRichProjectSurviveEveryPage)
{
    ExpectSurvived(Sweep(QStringLiteral("sample"), ReadFileBytes(QStringLiteral(PELANDRIX_SAMPLE_PROJECT))), "sample");
    ExpectSurvived(Sweep(QStringLiteral("rich"), *rich_), "rich");
}

// The text with the first "<name Result=...>" after the anchor given the value; the anchor and
// the element must be there.
QByteArray edited(const QByteArray& text, const QByteArray& anchor, const QByteArray& name, const QByteArray& value)
{
    EXPECT_TRUE(ProjectTextEdits::HasResultAfter(text, anchor, name))
        << anchor.toStdString() << " " << name.toStdString();
    return WithResultAfter(text, anchor, name, value);
}

QByteArray withSlotCount(QByteArray text, const QByteArray& count)
{
    static const QRegularExpression pattern(QStringLiteral("MaxSlotCount=\"[^\"]*\""));
    return QString::fromUtf8(text)
        .replace(pattern, QStringLiteral("MaxSlotCount=\"%1\"").arg(QString::fromUtf8(count)))
        .toUtf8();
}

TEST_F(PageSweepTest, HostileVariantsOfTheRichProjectAreRefusedOrSurviveEveryPage)
{
    const QByteArray& rich = *rich_;
    const QByteArray longName(10000, 'N');
    const struct {
        const char* label;
        QByteArray text;
        bool refused;
    } cases[] = {
        {"slot count of two billion", withSlotCount(rich, "2000000000"), true},
        {"largest slot count", withSlotCount(rich, "2147483647"), true},
        {"use item -1", edited(rich, "<RelatedService>", "Index", "-1"), false},
        {"use item written unsigned", edited(rich, "<RelatedService>", "Index", "4294967295"), false},
        {"largest use item", edited(rich, "<RelatedService>", "Index", "2147483647"), false},
        {"largest e-mail entry index", edited(rich, "<Email>", "Index", "2147483647"), false},
        {"largest SMS entry index", edited(rich, "<SMS>", "Index", "2147483647"), false},
        {"largest data-log profile index", edited(rich, "<Data_Logging ", "Index", "99999999999"), false},
        {"first-on time of negative zero", edited(rich, "<FirstOnTime", "FirstOnTime", "-0"), false},
        {"tag name of ten thousand characters", edited(rich, "<Tag_0>", "TagName", longName), false},
        {"number as text", edited(rich, "<Email>", "Index", "abc"), false},
        {"empty number", edited(rich, "<SMS>", "Index", ""), false},
        {"use of a missing service", edited(rich, "<RelatedService>", "RTUService", "999"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_NE(c.text, rich);
        const QString name = QString::fromLatin1(c.label).replace(QLatin1Char(' '), QLatin1Char('-'));
        const PageSweepReport report = Sweep(name, c.text);
        if (c.refused) {
            EXPECT_FALSE(report.opened);
            EXPECT_TRUE(report.boxes.contains(
                FormatLangString(CMainFrame::kStringCannotLoad, Path(name + QStringLiteral(".pelx")))))
                << report.boxes.join(u'|').toStdString();
        } else {
            ExpectSurvived(report, c.label);
        }
    }
}

} // namespace
