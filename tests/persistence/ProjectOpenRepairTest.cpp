// Numbers and files a project open must not trust: a slot count the product cannot hold, service
// uses that name no entry, a negative zero, special files and a file too big for memory. What the
// open repairs it repairs at once, so the first save already holds the repaired form.
#include "ProjectFrameFixture.h"

#include "ProjectTextEdits.h"
#include "ResultCodes.h"
#include "SerialPortOffer.h"
#include "TypeIds.h"

#include <QDir>
#include <QElapsedTimer>

#include <limits>
#include <new>

#include <sys/stat.h>

namespace {

constexpr qint64 kPromptOpenMs = 10000;

class ProjectOpenRepair : public ProjectFrameTest {
protected:
    // Opens the text, saves it, opens that save and saves again; both saves' texts.
    std::pair<QByteArray, QByteArray> TwoSaves(const QByteArray& text)
    {
        CDataCenter first;
        EXPECT_EQ(OpenText(first, text, 0), kS_OK);
        const QByteArray once = SavedText(first, QStringLiteral("once.pelx"));
        CDataCenter second;
        EXPECT_EQ(OpenText(second, once, 0), kS_OK);
        return {once, SavedText(second, QStringLiteral("once.pelx"))};
    }

    static QByteArray WithResultAfter(const QByteArray& text, const QByteArray& anchor, const QByteArray& name,
                                      const QByteArray& value)
    {
        EXPECT_TRUE(ProjectTextEdits::HasResultAfter(text, anchor, name)) << name.toStdString();
        return ProjectTextEdits::WithResultAfter(text, anchor, name, value);
    }
};

TEST_F(ProjectOpenRepair, ASlotCountPastWhatTheProductHoldsIsRefused)
{
    CDataCenter model4100;
    BuildProject(model4100, QStringLiteral("ulTEK 4100-CPU15-C-T"), 5);
    const QByteArray saved = SavedText(model4100, QStringLiteral("4100.pelx"));
    for (const char* count : {"13", "2000000000", "2147483647", "99999999999", "-1", "-2147483648"}) {
        CDataCenter model;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(OpenText(model, WithAttribute(saved, "Project", "MaxSlotCount", count), 0), kE_FAIL) << count;
        EXPECT_LT(clock.elapsed(), kPromptOpenMs) << count;
        ExpectEmptyModel(model, count);
    }
    CDataCenter model;
    EXPECT_EQ(OpenText(model, WithAttribute(saved, "Project", "MaxSlotCount", "12"), 0), kS_OK);
}

// The loops over the slots stop at the slot mask whatever count the model was given.
TEST_F(ProjectOpenRepair, SlotLoopsEndAtTheSlotMask)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4100-CPU15-C-T"), 12);
    const std::vector<SerialPortChoice> offered = OfferedSerialPorts(model, 0);
    model.MaxSlotCount = std::numeric_limits<int>::max();
    EXPECT_EQ(model.LastSlotInMask(), 15);
    model.MarkSerialPortUsed(QStringLiteral("S1_P0"), 1);
    EXPECT_EQ(OfferedSerialPorts(model, 0).size(), offered.size());
}

TEST_F(ProjectOpenRepair, UsesNamingNoEntryOfTheirServiceAreDroppedOnOpen)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4200-5-C-T"));
    ASSERT_TRUE(model.AlarmMail.Entries.isEmpty());
    const TagServiceLink kept = MakeIntPair(ServiceId::Dnp3Point, 2);
    const QString name = model.Tags.All().front().TagName;
    model.Tags.EditFirstAt(model.Tags.All().front().ResID)->RelatedServices = {MakeIntPair(ServiceId::AlarmMail, 5),
                                                                               kept};
    const QByteArray saved = SavedText(model, QStringLiteral("uses.pelx"));
    const QByteArray anchor = "<TagName Result=\"" + name.toUtf8() + "\"";
    const struct {
        const char* label;
        QByteArray text;
    } cases[] = {
        {"past the list", saved},
        {"negative", WithResultAfter(saved, anchor, "Index", "-1")},
        {"written unsigned", WithResultAfter(saved, anchor, "Index", "4294967295")},
        {"largest", WithResultAfter(saved, anchor, "Index", "2147483647")},
    };
    for (const auto& c : cases) {
        CDataCenter opened;
        ASSERT_EQ(OpenText(opened, c.text, 0), kS_OK) << c.label;
        const TagRecord* tag = opened.Tags.FirstNamed(name);
        ASSERT_NE(tag, nullptr) << c.label;
        EXPECT_EQ(tag->RelatedServices, std::vector<TagServiceLink>{kept}) << c.label;
        const auto [once, twice] = TwoSaves(c.text);
        EXPECT_EQ(once, twice) << c.label;
    }
}

TEST_F(ProjectOpenRepair, ANegativeZeroIsReadAsZeroSoTheSecondSaveMatchesTheFirst)
{
    CDataCenter model;
    ASSERT_TRUE(FilledProject::BuildLargestProject(model));
    const QByteArray saved = SavedText(model, QStringLiteral("largest.pelx"));
    ASSERT_TRUE(saved.contains("<FirstOnTime Result=")) << "a high-voltage input module is placed";
    const QByteArray edited = WithResultAfter(saved, "<FirstOnTime", "FirstOnTime", "-0");
    const auto [once, twice] = TwoSaves(edited);
    EXPECT_EQ(once, twice);
    EXPECT_FALSE(once.contains("\"-0")) << "no negative zero is written";
}

TEST_F(ProjectOpenRepair, SpecialFilesFailTheOpenAtOnce)
{
    const QString pipe = Path(QStringLiteral("pipe.pelx"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = Path(QStringLiteral("folder.pelx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& path : {pipe, folder, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom")}) {
        CDataCenter model;
        CProjectLoader loader(model);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(loader.LoadProject(path, 1), kE_FAIL) << path.toStdString();
        EXPECT_LT(clock.elapsed(), kPromptOpenMs) << path.toStdString();
        ExpectEmptyModel(model, qPrintable(path));
    }
}

// A tree that runs out of memory while the product is placed.
class ExhaustedTree : public RecordingTreeObserver {
public:
    NodeHandle InsertTreeNode(NodeHandle, const TemplateNodeInfo&) override { throw std::bad_alloc(); }
};

TEST_F(ProjectOpenRepair, RunningOutOfMemoryFailsTheOpenAndLeavesNothing)
{
    CDataCenter built;
    BuildProject(built, QStringLiteral("ulTEK 4200-5-C-T"));
    const QByteArray saved = SavedText(built, QStringLiteral("saved.pelx"));
    CDataCenter model;
    ExhaustedTree tree;
    EXPECT_EQ(OpenText(model, saved, 1, &tree), kE_FAIL);
    ExpectEmptyModel(model, "out of memory");
    EXPECT_EQ(OpenText(model, saved, 1), kS_OK) << "the next open works";
}

} // namespace
