#pragma once
// The message boxes of the batch save: nobody is there to answer, so each text goes to stderr and
// the box is answered at once as an unattended run needs it: OK to go on (an older file is
// converted), No to a question (nothing is saved that the run did not ask for).

#include "MessageBoxService.h"

class BatchMessageBoxService : public IMessageBoxService {
public:
    int Show(const QString& text, const QString& caption, unsigned flags) override;
    // The answer given to a box with these buttons.
    static int UnattendedAnswer(unsigned flags);
};

// Installs the batch service for the rest of the run unless a service is installed already.
void InstallBatchMessageBoxService();
