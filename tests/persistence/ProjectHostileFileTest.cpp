// Project files no writer of ours produces: the open refuses what it cannot place safely and
// leaves no half-read project.
#include "ProjectFrameFixture.h"

#include "LanguagePack.h"
#include "ResultCodes.h"

namespace {

class ProjectHostileFile : public ProjectFrameTest {
protected:
    void SetUp() override
    {
        ProjectFrameTest::SetUp();
        CDataCenter model;
        BuildProject(model, QStringLiteral("ulTEK 4200-5-C-T"));
        ASSERT_EQ(model.SlotMask, 0b111111);
        firstModule_ = model.GetSlotName(1).toUtf8();
        saved_ = SavedText(model, QStringLiteral("saved.pelx"));
        ASSERT_FALSE(saved_.isEmpty());
    }

    // The text with the element "<name ...>...</name>" taken out.
    static QByteArray Without(QByteArray text, const QByteArray& name, QByteArray* removed = nullptr)
    {
        const qsizetype start = text.indexOf("<" + name + " ");
        const QByteArray end = "</" + name + ">";
        const qsizetype stop = text.indexOf(end, start);
        EXPECT_TRUE(start >= 0 && stop > start) << name.toStdString();
        if (removed)
            *removed = text.mid(start, stop + end.size() - start);
        return text.remove(start, stop + end.size() - start);
    }

    // Slot 0's element moved behind slot 1's.
    QByteArray CpuAfterFirstModule() const
    {
        QByteArray cpu;
        QByteArray text = Without(saved_, "Slot_0", &cpu);
        const qsizetype afterFirst = text.indexOf("</Slot_1>") + qsizetype(sizeof("</Slot_1>")) - 1;
        return text.insert(afterFirst, cpu);
    }

    QByteArray EmptyDeviceConfiguration() const
    {
        QByteArray text = saved_;
        const qsizetype start = text.indexOf("<DeviceConfiguration>") + qsizetype(sizeof("<DeviceConfiguration>")) - 1;
        return text.remove(start, text.indexOf("</DeviceConfiguration>") - start);
    }

    QByteArray Renamed(const QByteArray& from, const QByteArray& to) const
    {
        QByteArray text = saved_;
        return text.replace("<" + from + ">", "<" + to + ">").replace("</" + from + ">", "</" + to + ">");
    }

    QByteArray firstModule_;
    QByteArray saved_;
};

TEST_F(ProjectHostileFile, UnsafeOrMisplacedSlotsAreRefusedAndNothingStays)
{
    const QByteArray wrongModule = "../Slot/" + firstModule_;
    const struct {
        const char* label;
        QByteArray text;
        bool templateMessage; // string 489 with the template's path
    } cases[] = {
        {"module name with a folder", WithAttribute(saved_, "Slot_1", "Name", wrongModule.constData()), true},
        {"module name with back slashes", WithAttribute(saved_, "Slot_1", "Name", "..\\Slot\\x"), true},
        {"module name with a drive", WithAttribute(saved_, "Slot_1", "Name", "C:42M-2116"), true},
        {"module name with two points", WithAttribute(saved_, "Slot_1", "Name", "42M..2116"), true},
        {"absolute module name", WithAttribute(saved_, "Slot_1", "Name", "/etc/passwd"), true},
        {"empty module name", WithAttribute(saved_, "Slot_1", "Name", ""), true},
        {"product name with a folder", WithAttribute(saved_, "Slot_0", "Name", "../RES/ulTEK 4200-5-C-T"), true},
        {"unknown module", WithAttribute(saved_, "Slot_1", "Name", "42M-9999"), true},
        {"module as product", WithAttribute(saved_, "Slot_0", "Name", firstModule_.constData()), true},
        {"slot past the controller", WithAttribute(saved_, "Slot_1", "Result", "6"), false},
        {"power slot of another series", WithAttribute(saved_, "Slot_1", "Result", "15"), false},
        {"negative slot", WithAttribute(saved_, "Slot_1", "Result", "-1"), false},
        {"huge slot", WithAttribute(saved_, "Slot_1", "Result", "99999999999"), false},
        {"second CPU slot", WithAttribute(saved_, "Slot_1", "Result", "0"), false},
        {"slot given twice", WithAttribute(saved_, "Slot_2", "Result", "1"), false},
        {"CPU slot not first", CpuAfterFirstModule(), false},
        {"no CPU slot", Without(saved_, "Slot_0"), false},
        {"no slots", EmptyDeviceConfiguration(), false},
        {"slot without module name", WithAttribute(saved_, "Slot_1", "Name", nullptr), false},
        {"slot without number", WithAttribute(saved_, "Slot_3", "Result", nullptr), false},
        {"no device configuration", Renamed("DeviceConfiguration", "Devices"), false},
        {"no product", Renamed("Product", "Produce"), false},
        {"cut short", saved_.left(saved_.size() / 2), false},
        {"empty file", QByteArray(), false},
    };
    const QString notLoaded = LoadLangString(CProjectLoader::kStringFileNotLoaded).section(QStringLiteral("%s"), 1);
    ASSERT_FALSE(notLoaded.isEmpty());
    for (const auto& c : cases) {
        boxes_.Clear();
        CDataCenter model;
        RecordingTreeObserver tree;
        EXPECT_EQ(OpenText(model, c.text, 1, &tree), kE_FAIL) << c.label;
        ExpectEmptyModel(model, c.label);
        EXPECT_TRUE(tree.placed.empty()) << c.label << ": the tree was told to show a failed open";
        if (c.templateMessage) {
            ASSERT_EQ(boxes_.texts().size(), 1) << c.label;
            EXPECT_TRUE(boxes_.texts()[0].endsWith(notLoaded)) << c.label;
            EXPECT_TRUE(boxes_.texts()[0].contains(QStringLiteral("RES"))) << c.label;
        } else {
            EXPECT_TRUE(boxes_.texts().isEmpty()) << c.label;
        }
    }
}

TEST_F(ProjectHostileFile, AFailedOpenClearsAModelThatHeldAProject)
{
    CDataCenter model;
    ASSERT_EQ(OpenText(model, saved_, 1), kS_OK);
    ASSERT_FALSE(model.Tags.empty());
    EXPECT_EQ(OpenText(model, WithAttribute(saved_, "Slot_2", "Result", "1"), 1), kE_FAIL);
    ExpectEmptyModel(model, "after a project");
    // And the next good file opens as into a fresh model.
    ASSERT_EQ(OpenText(model, saved_, 1), kS_OK);
    EXPECT_TRUE(SavedText(model, QStringLiteral("again.pelx")) == saved_);
}

TEST_F(ProjectHostileFile, TheSlotCountOfA4100ProjectIsTheFilesOwn)
{
    CDataCenter model4100;
    BuildProject(model4100, QStringLiteral("ulTEK 4100-CPU15-C-T"), 5);
    const QByteArray saved4100 = SavedText(model4100, QStringLiteral("4100.pelx"));
    const struct {
        const char* label;
        QByteArray text;
        int result;
        int maxSlotCount;
    } cases[] = {
        {"4100 with more slots", WithAttribute(saved4100, "Project", "MaxSlotCount", "8"), kS_OK, 8},
        {"4100 without the count", WithAttribute(saved4100, "Project", "MaxSlotCount", nullptr), kS_OK, 12},
        {"4100 with fewer slots than it holds", WithAttribute(saved4100, "Project", "MaxSlotCount", "3"), kE_FAIL, 0},
        {"4200 keeps its template's count", WithAttribute(saved_, "Project", "MaxSlotCount", "8"), kS_OK, 5},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        EXPECT_EQ(OpenText(model, c.text, 0), c.result) << c.label;
        EXPECT_EQ(model.MaxSlotCount, c.maxSlotCount) << c.label;
    }
}

} // namespace
