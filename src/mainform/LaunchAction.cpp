#include "LaunchAction.h"

#include "CommandLine.h"
#include "MainFormIds.h"

namespace {

LaunchAction command(int id)
{
    LaunchAction action;
    action.kind = LaunchAction::Kind::Command;
    action.command = id;
    return action;
}

LaunchAction commandLineAction(const QStringList& arguments)
{
    LaunchAction action;
    if (arguments.isEmpty())
        return action;
    if (IsBatchSave(arguments)) {
        action.kind = LaunchAction::Kind::BatchSave;
        action.arguments = arguments;
    } else {
        action.kind = LaunchAction::Kind::OpenProject;
        action.path = arguments.first();
    }
    return action;
}

} // namespace

LaunchAction LaunchActionFor(int choice, const QStringList& arguments)
{
    switch (choice) {
    case kLaunchChoiceNewProject:
        return command(kCommandNewProjectFromLaunch);
    case kLaunchChoiceOpenProject:
        return command(kCommandOpenProject);
    case kLaunchChoiceHelp:
        return command(kCommandHelp);
    case kLaunchChoiceLatestProject: {
        LaunchAction action;
        action.kind = LaunchAction::Kind::OpenLatestProject;
        return action;
    }
    case kLaunchChoiceCommandLine:
        return commandLineAction(arguments);
    default:
        return {};
    }
}
