#pragma once
// File and folder choosers go through one installed service, like message boxes: the program
// installs one over QFileDialog, tests one that records each request and answers from a script.

#include <QString>

enum class FileDialogKind { Open, Save, Folder };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString caption;
    QString initialPath; // a folder, or a proposed file name or path
    QString filter;      // Qt form: "Log files (*.txt);;All files (*)"; empty for folders
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

class IFileDialogService {
public:
    virtual ~IFileDialogService() = default;
    // The chosen path, or the empty text when the user cancelled.
    virtual QString Choose(const FileDialogRequest& request) = 0;
};

// Installs the service the choosers use (nullptr: none) and returns the one it replaces. The caller
// keeps ownership and uninstalls the service before destroying it.
IFileDialogService* SetFileDialogService(IFileDialogService* service);

// Each returns the chosen path or the empty text (cancelled). With no service installed the
// request is traced and taken as cancelled.
QString ChooseOpenFile(const QString& caption, const QString& initialPath, const QString& filter);
// A chosen name without an extension gets the filter's first one; when a file of that completed
// name exists, the user is asked before it is replaced (No: cancelled).
QString ChooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filter);
QString ChooseFolder(const QString& caption, const QString& initialFolder);

// The extension of the filter's first pattern ("Projects (*.pelx);;All files (*)" gives "pelx");
// empty when that pattern names none.
QString FilterExtension(const QString& filter);
// The path with the filter's extension added when its file name has no extension.
QString WithFilterExtension(const QString& path, const QString& filter);

// The folder of the open project file (empty: none); choosers start there.
void SetFileDialogProjectFolder(const QString& folder);
QString FileDialogProjectFolder();
// Where a chooser starts: an absolute initial path as given; a bare name or nothing is placed in
// the project's folder, else in the folder last chosen from.
QString DialogStartPath(const QString& initialPath, const QString& projectFolder, const QString& lastFolder);
