// The configuration version decides whether a file opens as it is, is converted, or is refused.
#include "ProjectFrameFixture.h"

#include "LanguagePack.h"
#include "ResultCodes.h"

namespace {

class ProjectVersionCheck : public ProjectFrameTest {
protected:
    void SetUp() override
    {
        ProjectFrameTest::SetUp();
        CDataCenter model;
        BuildProject(model, QStringLiteral("ulTEK 2300-IEC-T"));
        saved_ = SavedText(model, QStringLiteral("current.pelx"));
        ASSERT_FALSE(saved_.isEmpty());
    }

    QByteArray saved_;
};

const QString kNewer = QStringLiteral("Configuration file version can't much Pelandrix version");

TEST_F(ProjectVersionCheck, VersionsOpenConvertOrAreRefused)
{
    const QString convert = LoadLangString(CProjectLoader::kStringConvertOlderFile);
    ASSERT_FALSE(convert.isEmpty());
    const struct {
        const char* version; // nullptr: no "ConfigVersion"
        int prompt;
        int answer; // to the conversion question
        int result;
        QStringList boxes;
        int current; // CurrentConfigVersion after a successful open
    } cases[] = {
        {"1.9.0", 1, IDOK, kS_OK, {}, 1},
        {"1.9.0", 0, IDOK, kS_OK, {}, 1},
        {nullptr, 1, IDOK, kS_OK, {convert}, 0},
        {nullptr, 1, IDCANCEL, kE_FAIL, {convert}, 0},
        {nullptr, 0, IDCANCEL, kS_OK, {}, 0},
        {"", 1, IDOK, kS_OK, {convert}, 0},
        {"1.8.9", 1, IDOK, kS_OK, {convert}, 0},
        {"1.8.9", 1, IDCANCEL, kE_FAIL, {convert}, 0},
        {"1.8.9", 0, IDCANCEL, kS_OK, {}, 0},
        {"0.99.99", 0, IDOK, kS_OK, {}, 0},
        {"1.10.0", 1, IDOK, kE_FAIL, {kNewer}, 0}, // numbers, not texts, are compared
        {"1.10.0", 0, IDOK, kE_FAIL, {kNewer}, 0},
        {"1.9.00", 1, IDOK, kE_FAIL, {kNewer}, 0}, // equal numbers written otherwise
        {"01.9.0", 1, IDOK, kE_FAIL, {kNewer}, 0},
        {"1.9", 1, IDOK, kE_FAIL, {kNewer}, 0},
        {"1.9.1", 0, IDOK, kE_FAIL, {kNewer}, 0},
        {"2.0.0", 1, IDOK, kE_FAIL, {kNewer}, 0},
        {"version two", 1, IDOK, kS_OK, {convert}, 0}, // no numbers: 0.0.0
    };
    for (const auto& c : cases) {
        const std::string label =
            std::string(c.version ? c.version : "<absent>") + " prompt " + std::to_string(c.prompt);
        boxes_.Clear();
        boxes_.QueueAnswer(c.answer);
        CDataCenter model;
        const int result = OpenText(model, WithAttribute(saved_, "Project", "ConfigVersion", c.version), c.prompt);
        EXPECT_EQ(result, c.result) << label;
        EXPECT_EQ(boxes_.texts(), c.boxes) << label;
        if (result != kS_OK) {
            ExpectEmptyModel(model, label.c_str());
            continue;
        }
        EXPECT_EQ(model.CurrentConfigVersion, c.current) << label;
        EXPECT_EQ(model.ConfigVersion, QString::fromUtf8(c.version ? c.version : "")) << label;
        EXPECT_EQ(CProjectLoader::IsConfigVersionCurrent(model), c.current) << label;
        EXPECT_FALSE(model.Tags.empty()) << label;
    }
}

TEST_F(ProjectVersionCheck, TheQuestionAndTheRefusalUseTheirButtons)
{
    boxes_.QueueAnswer(IDOK);
    CDataCenter older;
    ASSERT_EQ(OpenText(older, WithAttribute(saved_, "Project", "ConfigVersion", "1.0.0"), 1), kS_OK);
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_EQ(boxes_.boxes()[0].flags & kMessageBoxButtonsMask, MB_OKCANCEL);

    boxes_.Clear();
    CDataCenter newer;
    ASSERT_EQ(OpenText(newer, WithAttribute(saved_, "Project", "ConfigVersion", "9.0.0"), 1), kE_FAIL);
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_EQ(boxes_.boxes()[0].flags & kMessageBoxButtonsMask, MB_OK);
}

TEST_F(ProjectVersionCheck, AnotherToolVersionIsNoticedWhenAUserOpensTheFile)
{
    const QString notice = LoadLangString(CProjectLoader::kStringToolVersionNotice);
    ASSERT_FALSE(notice.isEmpty());
    QByteArray otherTool = saved_;
    otherTool.replace("<CfgToolVersion Result=\"1.9.0\"", "<CfgToolVersion Result=\"1.2.0\"");
    ASSERT_NE(otherTool, saved_);
    QByteArray withoutTool = saved_;
    withoutTool.replace("<CfgToolVersion Result=\"1.9.0\"", "<CfgToolVersion");
    const struct {
        const char* label;
        QByteArray text;
        int prompt;
        QStringList boxes;
    } cases[] = {
        {"other tool, user", otherTool, 1, {notice}},
        {"other tool, batch", otherTool, 0, {}},
        {"no tool version, user", withoutTool, 1, {notice}},
        {"this tool", saved_, 1, {}},
    };
    for (const auto& c : cases) {
        boxes_.Clear();
        CDataCenter model;
        OpenText(model, c.text, c.prompt);
        EXPECT_EQ(boxes_.texts(), c.boxes) << c.label;
    }
    // The notice comes before the conversion question.
    boxes_.Clear();
    boxes_.QueueAnswer(IDOK);
    boxes_.QueueAnswer(IDOK);
    CDataCenter model;
    EXPECT_EQ(OpenText(model, WithAttribute(otherTool, "Project", "ConfigVersion", "1.2.0"), 1), kS_OK);
    EXPECT_EQ(boxes_.texts(), (QStringList{notice, LoadLangString(CProjectLoader::kStringConvertOlderFile)}));
    EXPECT_EQ(model.CfgToolVersion, QStringLiteral("1.2.0"));
}

TEST(ProjectVersionCompare, NumbersAreComparedPieceByPiece)
{
    const struct {
        const char* program;
        const char* file;
        int expected;
    } cases[] = {
        {"1.9.0", "1.9.0", CProjectLoader::kFileVersionEqual},
        {"1.9.0a", "1.9.0A", CProjectLoader::kFileVersionEqual}, // letter case does not count
        {"1.9.0", "", CProjectLoader::kFileVersionOlder},
        {"1.9.0", "1.8.99", CProjectLoader::kFileVersionOlder},
        {"1.9.0", "0.10.0", CProjectLoader::kFileVersionOlder},
        {"1.9.0", "1", CProjectLoader::kFileVersionOlder},
        {"1.9.0", "-1.9.0", CProjectLoader::kFileVersionOlder},
        {"1.9.0", "1.10.0", CProjectLoader::kFileVersionNewer},
        {"1.9.0", "1.9.00", CProjectLoader::kFileVersionNewer},
        {"1.9.0", " 1.9.0", CProjectLoader::kFileVersionNewer},
        {"1.9.0", "1.9.0.7", CProjectLoader::kFileVersionNewer}, // the patch piece "0.7" counts 0
        {"1.9.0", "1.9.1", CProjectLoader::kFileVersionNewer},
        {"1.9.0", "99999999999.0.0", CProjectLoader::kFileVersionNewer},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CProjectLoader::CompareConfigVersion(QString::fromUtf8(c.program), QString::fromUtf8(c.file)),
                  c.expected)
            << c.program << " / " << c.file;
}

} // namespace
