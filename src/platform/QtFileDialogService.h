#pragma once
// The program's file and folder choosers over QFileDialog.

#include "FileDialogService.h"

class QtFileDialogService : public IFileDialogService {
public:
    // Save choosers ask before overwriting; folder choosers show folders only. A chooser starts
    // in the project's folder, else in the folder last chosen from (DialogStartPath).
    QString Choose(const FileDialogRequest& request) override;

private:
    QString lastFolder_;
};

// Installs the program's file-dialog service for the rest of the run.
void InstallQtFileDialogService();
