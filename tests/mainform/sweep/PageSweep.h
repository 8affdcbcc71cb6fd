#pragma once
// The page sweep: a project file taken through the whole program as a user would meet it. The
// file is opened from the command line, every node of the device tree is selected and every
// other page of the page table shown through the property pane, each shown page's Apply pressed
// (every message box answered with its first button, every dialog a page opens cancelled), the
// project saved, the saved file opened again and saved once more. A file the reader refuses ends
// the sweep after the open.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct PageSweepReport {
    bool opened = false;     // the given file opened
    int pagesShown = 0;      // pages shown, counted per node or row
    int applyPresses = 0;    // Apply buttons pressed
    bool saved = false;      // the first save wrote its file
    bool reopened = false;   // the saved file opened again
    bool savedAgain = false; // the second save wrote its file
    QByteArray firstSave;    // the bytes of the two saves
    QByteArray secondSave;
    QStringList boxes; // every message box text, in order

    // The second save gave the bytes of the first.
    bool SavesMatch() const { return saved && savedAgain && firstSave == secondSave; }
};

// Sweeps the file; the saves go into the folder (two subfolders, one per save, same file name so
// that the project keeps its name). Needs a QApplication.
PageSweepReport SweepPages(const QString& projectPath, const QString& workFolder);

// The line a run prints for a report: what happened, for a mutation run to count.
QString PageSweepOutcome(const PageSweepReport& report);
