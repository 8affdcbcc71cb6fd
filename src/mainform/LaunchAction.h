#pragma once
// What the launch window's choice asks the main frame to do first. The application posts it to
// the frame, so it runs once the frame is shown.

#include <QString>
#include <QStringList>

// The launch window's choices.
enum LaunchChoice : int {
    kLaunchChoiceEnd = 0, // closed: no main frame, the program ends
    kLaunchChoiceFrameOnly = 1,
    kLaunchChoiceNewProject = 2,
    kLaunchChoiceOpenProject = 3,
    kLaunchChoiceHelp = 4,
    kLaunchChoiceLatestProject = 5, // not shown: switched off in Profile.ini
    kLaunchChoiceCommandLine = 6,   // not shown: the command line held arguments
};

struct LaunchAction {
    enum class Kind {
        None,
        Command,           // a menu command
        OpenLatestProject, // the project last saved or opened
        OpenProject,       // the project named on the command line
        BatchSave,         // "-S in.pelx [out.pelx]"
    };
    Kind kind = Kind::None;
    int command = 0;       // Command
    QString path;          // OpenProject
    QStringList arguments; // BatchSave: the whole argument list, the switch first

    friend bool operator==(const LaunchAction&, const LaunchAction&) = default;
};

// The action for a choice; the command-line choice looks at the (parsed) arguments.
LaunchAction LaunchActionFor(int choice, const QStringList& arguments);
