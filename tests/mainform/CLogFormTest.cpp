#include "CLogForm.h"

#include "CListCtrlEx.h"
#include "FileBytes.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

QStringList messages(const CLogForm& form)
{
    QStringList texts;
    for (int row = 0; row < form.list()->GetItemCount(); ++row)
        texts.append(form.list()->GetItemText(row, 2));
    return texts;
}

QString tempPath(const char* name)
{
    return TestEnvironment::HomeFolder() + u'/' + QString::fromUtf8(name);
}

TEST(CLogFormTest, HasThreeTitledColumnsOnce)
{
    CLogForm form;
    CListCtrlEx* list = form.list();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetColumnCount(), 3);
    EXPECT_EQ(list->GetColumnTitle(0), QStringLiteral("Date"));
    EXPECT_EQ(list->GetColumnTitle(1), QStringLiteral("Time"));
    EXPECT_EQ(list->GetColumnTitle(2), QStringLiteral("Message"));
    EXPECT_EQ(list->GetColumnWidth(0), 100);
    EXPECT_EQ(list->GetColumnWidth(1), 100);
    form.Create(); // a second initial update adds no columns
    EXPECT_EQ(list->GetColumnCount(), 3);
}

TEST(CLogFormTest, NewestLineComesFirstWithTheDateAndTime)
{
    CLogForm form;
    const QDateTime before = QDateTime::currentDateTime();
    form.AddLogLine(QStringLiteral("first"));
    form.AddLogLine(QStringLiteral("second")); // same second: still above the first
    EXPECT_EQ(messages(form), (QStringList{"second", "first"}));

    const QString date = form.list()->GetItemText(0, 0);
    const QString time = form.list()->GetItemText(0, 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$")).match(date).hasMatch())
        << date.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$")).match(time).hasMatch())
        << time.toStdString();
    const QDateTime logged = QDateTime::fromString(date + u' ' + time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_GE(logged.secsTo(before), -2);
    EXPECT_LE(logged.secsTo(before), 2);

    form.OnClearLog();
    EXPECT_EQ(form.list()->GetItemCount(), 0);
}

TEST(CLogFormTest, LinesFromAWorkerThreadReachTheListInTheirOrder)
{
    CLogForm form;
    form.AddLogLine(QStringLiteral("before"));
    std::thread worker([&form] {
        form.AddLogLine(QStringLiteral("worker 1"));
        form.AddLogLine(QStringLiteral("worker 2"));
    });
    worker.join();
    EXPECT_EQ(messages(form), QStringList{"before"}); // not touched from the worker
    QCoreApplication::processEvents();
    EXPECT_EQ(messages(form), (QStringList{"worker 2", "worker 1", "before"}));
}

TEST(CLogFormTest, SavedFileListsNewestFirstInUtf8WithCrLf)
{
    CLogForm form;
    form.AddLogLine(QStringLiteral("Project saved"));
    form.AddLogLine(QStringLiteral("Zähler\nzweite Zeile"));
    const QString path = tempPath("log.txt");
    ASSERT_TRUE(form.SaveLog(path));
    const QString d0 = form.list()->GetItemText(0, 0), t0 = form.list()->GetItemText(0, 1);
    const QString d1 = form.list()->GetItemText(1, 0), t1 = form.list()->GetItemText(1, 1);
    const QString expected = d0 + u' ' + t0 + QStringLiteral(" Zähler\r\nzweite Zeile\r\n") + d1 + u' ' + t1 +
                             QStringLiteral(" Project saved\r\n");
    EXPECT_EQ(ReadFileBytes(path), expected.toUtf8());

    form.OnClearLog();
    ASSERT_TRUE(form.SaveLog(path)); // an empty log makes an empty file
    EXPECT_EQ(ReadFileBytes(path), QByteArray());
}

TEST(CLogFormTest, SaveFromTheMenuAsksForAFileAndReportsFailure)
{
    RecordingFileDialogService chooser;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    CLogForm form;
    form.AddLogLine(QStringLiteral("line"));
    std::unique_ptr<QMenu> menu(form.CreateLogMenu());
    QAction* save = FindMenuCommand(*menu, kCommandSaveLog);
    ASSERT_NE(save, nullptr);

    // Cancelled: nothing written, nothing shown.
    save->trigger();
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.requests()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(chooser.requests()[0].initialPath, QStringLiteral("Pelandrix"));
    EXPECT_EQ(chooser.requests()[0].filter, QStringLiteral("Log files (*.txt);;All files (*)"));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // The project's name is proposed once there is one.
    form.SetProjectNameSource([] { return QStringLiteral("Plant7"); });
    const QString good = tempPath("menu-log.txt");
    chooser.QueueAnswer(good);
    save->trigger();
    EXPECT_EQ(chooser.requests()[1].initialPath, QStringLiteral("Plant7"));
    EXPECT_TRUE(ReadFileBytes(good).endsWith("line\r\n"));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    const QString bad = tempPath("no-such-folder/log.txt");
    chooser.QueueAnswer(bad);
    save->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("The log could not be saved to %1.").arg(bad));
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
}

TEST(CLogFormTest, ClearFromTheMenuEmptiesTheLog)
{
    CLogForm form;
    form.AddLogLine(QStringLiteral("a"));
    std::unique_ptr<QMenu> menu(form.CreateLogMenu());
    QAction* clear = FindMenuCommand(*menu, kCommandClearLog);
    ASSERT_NE(clear, nullptr);
    clear->trigger();
    EXPECT_EQ(form.list()->GetItemCount(), 0);
}

} // namespace
