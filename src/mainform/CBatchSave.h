#pragma once
// The batch save "pelandrix -S in.pelx [out.pelx]": opens the project into a model of its own,
// saves it to the output (named after the output file) or in place (keeping its name), and
// remembers what it wrote as the latest project. It runs headless: no window is built for a run
// no one sees. Its messages go to the message-box service (stderr in the program).

#include <QString>
#include <QStringList>

class CDataCenter;

class CBatchSave {
public:
    // Language-pack strings of its own messages, each with a path (the failed open and save
    // show the frame's).
    static constexpr unsigned kStringNotRegularFile = 9700;
    static constexpr unsigned kStringOutOfMemory = 9701;
    // What the program ends with.
    static constexpr int kExitDone = 0;
    static constexpr int kExitFailed = 2;

    // The latest project is remembered in that Profile.ini.
    explicit CBatchSave(QString profilePath);

    // The arguments start with the switch. True when the output was written; a huge input that
    // exhausts memory ends the save, not the program.
    bool Run(const QStringList& arguments);

private:
    bool Save(CDataCenter& model, const QString& projectPath, const QString& outputPath);

    QString profilePath_;
};
