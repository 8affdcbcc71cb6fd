// The command line and what each launch choice asks of the main frame.
#include "CommandLine.h"
#include "LaunchAction.h"
#include "MainFormIds.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, KeepsTheFirstFiveArgumentsWithoutQuotes)
{
    const struct {
        const char* label;
        QStringList given;
        QStringList kept;
    } cases[] = {
        {"none", {}, {}},
        {"quoted path", {"\"/home/ann/My Plant.pelx\""}, {"/home/ann/My Plant.pelx"}},
        {"quote inside", {"/tmp/a\"b.pelx"}, {"/tmp/ab.pelx"}},
        {"path keeps its case", {"/Projects/Plant.PELX"}, {"/Projects/Plant.PELX"}},
        {"switch untouched", {"-s", "in.pelx", "out.pelx"}, {"-s", "in.pelx", "out.pelx"}},
        {"more than five", {"1", "2", "3", "4", "5", "6", "7"}, {"1", "2", "3", "4", "5"}},
        {"empty argument stays", {"", "x"}, {"", "x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCommandLineArguments(c.given), c.kept) << c.label;
}

TEST(CommandLineTest, BatchSaveSwitchIsComparedWithoutCase)
{
    const struct {
        const char* argument;
        bool isSwitch;
    } cases[] = {
        {"-S", true}, {"-s", true}, {"-S ", false}, {"-Save", false}, {"/S", false}, {"S", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsBatchSaveSwitch(QString::fromLatin1(c.argument)), c.isSwitch) << '"' << c.argument << '"';
    EXPECT_FALSE(IsBatchSave({}));
    EXPECT_FALSE(IsBatchSave({"plant.pelx", "-S"})); // only the first argument counts
}

// Only a batch save whose arguments Qt's widget application would leave as they are runs on the
// core application: an option after the switch would be taken out by the one and not the other.
TEST(CommandLineTest, APlainBatchSaveHasNoOptionAfterTheSwitch)
{
    const struct {
        const char* label;
        QStringList raw;
        bool plain;
    } cases[] = {
        {"in and out", {"-S", "in.pelx", "out.pelx"}, true},
        {"in place, small switch", {"-s", "\"in.pelx\""}, true},
        {"switch alone", {"-S"}, true},
        {"Qt option after", {"-S", "in.pelx", "-platform", "offscreen"}, false},
        {"option past the fifth argument", {"-S", "a", "b", "c", "d", "-reverse"}, false},
        {"option first", {"-platform", "offscreen", "-S", "in.pelx"}, false},
        {"project to open", {"in.pelx"}, false},
        {"nothing", {}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainBatchSave(c.raw), c.plain) << c.label;
}

LaunchAction commandAction(int command)
{
    LaunchAction action;
    action.kind = LaunchAction::Kind::Command;
    action.command = command;
    return action;
}

TEST(CommandLineTest, EachLaunchChoiceGivesItsFirstAction)
{
    LaunchAction latest;
    latest.kind = LaunchAction::Kind::OpenLatestProject;
    LaunchAction open;
    open.kind = LaunchAction::Kind::OpenProject;
    open.path = QStringLiteral("/Projects/Plant.pelx");
    LaunchAction batch;
    batch.kind = LaunchAction::Kind::BatchSave;
    batch.arguments = QStringList{"-s", "/Projects/In.pelx", "/Projects/Out.pelx"};

    const struct {
        const char* label;
        int choice;
        QStringList arguments;
        LaunchAction expected;
    } cases[] = {
        {"closed", kLaunchChoiceEnd, {}, {}},
        {"frame only", kLaunchChoiceFrameOnly, {}, {}},
        {"new", kLaunchChoiceNewProject, {}, commandAction(kCommandNewProjectFromLaunch)},
        {"open", kLaunchChoiceOpenProject, {}, commandAction(kCommandOpenProject)},
        {"help", kLaunchChoiceHelp, {}, commandAction(kCommandHelp)},
        {"switched off", kLaunchChoiceLatestProject, {}, latest},
        {"project path, case kept", kLaunchChoiceCommandLine, {"/Projects/Plant.pelx"}, open},
        {"lower-case switch", kLaunchChoiceCommandLine, batch.arguments, batch},
        {"command line without arguments", kLaunchChoiceCommandLine, {}, {}},
        {"unknown", 7, {}, {}},
    };
    for (const auto& c : cases) {
        const LaunchAction action = LaunchActionFor(c.choice, c.arguments);
        EXPECT_EQ(action, c.expected) << c.label;
    }
}

} // namespace
