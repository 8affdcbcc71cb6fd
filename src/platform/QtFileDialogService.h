#pragma once
// The program's file and folder choosers over QFileDialog.

#include "FileDialogService.h"

class QtFileDialogService : public IFileDialogService {
public:
    // Save choosers ask before overwriting; folder choosers show folders only.
    QString Choose(const FileDialogRequest& request) override;
};

// Installs the program's file-dialog service for the rest of the run.
void InstallQtFileDialogService();
