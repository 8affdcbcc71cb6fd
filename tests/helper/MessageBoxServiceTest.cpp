#include "MessageBoxService.h"

#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxServiceTest, AnswersCancelAndTracesWithoutAService)
{
    IMessageBoxService* previous = SetMessageBoxService(nullptr);
    testing::internal::CaptureStderr();
    const int answer = ShowMessageBox(QStringLiteral("Save the project?"), MB_YESNO | MB_ICONQUESTION);
    const std::string traced = testing::internal::GetCapturedStderr();
    SetMessageBoxService(previous);

    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_NE(traced.find("Save the project?"), std::string::npos) << traced;
}

TEST(MessageBoxServiceTest, RecordsEveryBoxWithCaptionAndFlags)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);

    EXPECT_EQ(ShowMessageBox(QStringLiteral("Saved."), MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Overwrite?"), QString(), MB_OKCANCEL | MB_TOPMOST), IDOK);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Failed.")), IDOK);

    const QList<RecordedMessageBox> expected = {
        {QStringLiteral("Saved."), QStringLiteral("Pelandrix"), MB_OK | MB_ICONINFORMATION},
        {QStringLiteral("Overwrite?"), QString(), MB_OKCANCEL | MB_TOPMOST},
        {QStringLiteral("Failed."), QStringLiteral("Pelandrix"), MB_OK},
    };
    EXPECT_EQ(boxes.boxes(), expected);
    EXPECT_EQ(boxes.boxes()[1].flags & kMessageBoxButtonsMask, MB_OKCANCEL);
    EXPECT_EQ(boxes.boxes()[0].flags & kMessageBoxIconMask, MB_ICONINFORMATION);
}

TEST(MessageBoxServiceTest, GivesQueuedAnswersInOrderThenOk)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    boxes.QueueAnswer(IDNO);
    boxes.QueueAnswer(IDCANCEL);

    EXPECT_EQ(ShowMessageBox(QStringLiteral("1"), MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("2"), MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("3"), MB_YESNOCANCEL), IDOK);
    EXPECT_EQ(boxes.texts(), (QStringList{"1", "2", "3"}));

    boxes.QueueAnswer(IDYES);
    boxes.Clear();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(ShowMessageBox(QStringLiteral("4"), MB_YESNO), IDOK);
}

TEST(MessageBoxServiceTest, ScopeRestoresThePreviousService)
{
    RecordingMessageBoxService outer;
    ScopedMessageBoxService outerScope(outer);
    {
        RecordingMessageBoxService inner;
        ScopedMessageBoxService innerScope(inner);
        ShowMessageBox(QStringLiteral("inner"), MB_OK);
        EXPECT_EQ(inner.texts(), QStringList{"inner"});
    }
    ShowMessageBox(QStringLiteral("outer"), MB_OK);
    EXPECT_EQ(outer.texts(), QStringList{"outer"});
}

} // namespace
