// The choosers' own rules: the filter's extension completes a save name, a file of the completed
// name is replaced only when the user says so, and a chooser starts in the project's folder.
#include "FileDialogService.h"

#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kProjectFilter = QStringLiteral("Pelandrix projects (*.pelx);;All files (*)");

TEST(FileDialogServiceTest, TheFiltersFirstExtensionCompletesANameWithoutOne)
{
    const struct {
        const char* path;
        const char* filter;
        const char* expected;
    } table[] = {
        {"/p/Plant4100", "Pelandrix projects (*.pelx);;All files (*)", "/p/Plant4100.pelx"},
        {"/p/Plant4100.pelx", "Pelandrix projects (*.pelx);;All files (*)", "/p/Plant4100.pelx"},
        {"/p/Plant.v2", "Pelandrix projects (*.pelx)", "/p/Plant.v2"}, // an extension of the user's own
        {"/p.d/log", "Log files (*.txt *.log)", "/p.d/log.txt"},       // a dot in a folder is no extension
        {"/p/log", "All files (*)", "/p/log"},
        {"/p/log", "", "/p/log"},
        {"", "Log files (*.txt)", ""}, // cancelled stays cancelled
    };
    for (const auto& c : table)
        EXPECT_EQ(WithFilterExtension(QString::fromUtf8(c.path), QString::fromUtf8(c.filter)),
                  QString::fromUtf8(c.expected))
            << c.path << " | " << c.filter;
}

TEST(FileDialogServiceTest, ACompletedNameThatExistsIsReplacedOnlyWhenTheUserSaysSo)
{
    QTemporaryDir folder;
    const QString typed = folder.filePath(QStringLiteral("Plant4100"));
    RecordingFileDialogService chooser;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);

    chooser.QueueAnswer(typed);
    EXPECT_EQ(ChooseSaveFile(QString(), QStringLiteral("Plant4100"), kProjectFilter), typed + ".pelx");
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "nothing to replace, nothing to ask";

    QFile existing(typed + ".pelx");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    chooser.QueueAnswer(typed);
    boxes.QueueAnswer(IDNO);
    EXPECT_TRUE(ChooseSaveFile(QString(), QString(), kProjectFilter).isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.contains(typed + ".pelx")) << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes.boxes()[0].flags, MB_YESNO | MB_ICONWARNING);

    chooser.QueueAnswer(typed);
    boxes.QueueAnswer(IDYES);
    EXPECT_EQ(ChooseSaveFile(QString(), QString(), kProjectFilter), typed + ".pelx");

    // A name typed with its extension was confirmed by the chooser itself.
    chooser.QueueAnswer(typed + ".pelx");
    EXPECT_EQ(ChooseSaveFile(QString(), QString(), kProjectFilter), typed + ".pelx");
    EXPECT_EQ(boxes.boxes().size(), 2);
}

TEST(FileDialogServiceTest, AChooserStartsInTheProjectFolderElseTheLastFolder)
{
    const struct {
        const char* label;
        const char* initial;
        const char* project;
        const char* last;
        const char* expected;
    } table[] = {
        {"name in the project folder", "Plant7", "/work/plants", "/tmp/last", "/work/plants/Plant7"},
        {"name in the last folder", "Plant7", "", "/tmp/last", "/tmp/last/Plant7"},
        {"nothing: the project folder", "", "/work/plants", "/tmp/last", "/work/plants"},
        {"nothing: the last folder", "", "", "/tmp/last", "/tmp/last"},
        {"an absolute path stays", "/etc/x.pelx", "/work/plants", "/tmp/last", "/etc/x.pelx"},
        {"no folder known", "Plant7", "", "", "Plant7"},
    };
    for (const auto& c : table)
        EXPECT_EQ(
            DialogStartPath(QString::fromUtf8(c.initial), QString::fromUtf8(c.project), QString::fromUtf8(c.last)),
            QString::fromUtf8(c.expected))
            << c.label;
}

} // namespace
