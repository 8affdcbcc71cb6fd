#pragma once
// Opening a project file. The controller is rebuilt first, exactly as a new project is: the
// product template of the file's CPU slot and the module template of every stored slot are placed
// (the device tree follows through the observer), then every group of the file is read into the
// model, the tags the readers queued join the tag table and the Modbus slave items take their
// tags' types.
//
// The configuration version decides first: a file of this program's version opens as it is, an
// older one is converted (after a question when the user opened it), a newer or unknown one is
// refused. On failure the model is reset, so no half-read project stays; the caller shows string
// 489 with the project path and clears the tree.

#include "CTemplatePlacer.h"
#include "IXMLParser.h"

#include <QString>

class CDataCenter;

class CProjectLoader {
public:
    // Language-pack string ids of the open's message boxes.
    static constexpr unsigned kStringFileNotLoaded = CTemplatePlacer::kStringTemplateNotLoaded; // with a path
    static constexpr unsigned kStringToolVersionNotice = 490;
    static constexpr unsigned kStringConvertOlderFile = 708; // OK and Cancel

    // CompareConfigVersion's results.
    static constexpr int kFileVersionOlder = 0;
    static constexpr int kFileVersionNewer = 1; // or equal numbers written differently
    static constexpr int kFileVersionEqual = 2;

    explicit CProjectLoader(CDataCenter& model, ITemplatePlacerObserver* observer = nullptr);

    // Opens the file into the model. prompt 1: a user opens the file (the tool-version notice and
    // the question before an older file is converted are shown); 0: a batch run that must not
    // stop for questions (an older file is converted silently). 0 on success, kE_FAIL otherwise,
    // also for a path that is no regular file and for a file that does not fit in memory. A 4100
    // slot count past the product's is refused; tag uses naming no entry of their service are
    // dropped (traced), so the first save already holds the repaired project.
    int LoadProject(const QString& path, int prompt);
    // The same under the name the shell's commands use: negative on failure.
    int LoadProjectFile(const QString& path, int askFlag) { return LoadProject(path, askFlag); }

    // 1 when the document's "CfgToolVersion" has the "Result" this program writes (any letter case).
    static int IsToolVersionCurrent(IXMLElement* root);
    // 1 when the model's configuration version is this program's (any letter case).
    static int IsConfigVersionCurrent(const CDataCenter& model);
    // Equal texts (any letter case): kFileVersionEqual. Otherwise both texts are cut at their
    // first two points into major, minor and patch (C-runtime integers, a missing piece 0) and
    // compared in that order: kFileVersionOlder when the program's is greater, else kFileVersionNewer.
    static int CompareConfigVersion(const QString& programVersion, const QString& fileVersion);

private:
    int LoadRegularFile(const QString& path, int prompt);
    int Open(IXMLElement* root, int prompt);
    bool AcceptConfigVersion(IXMLElement* root, int prompt);
    bool PlaceTemplates(IXMLElement* root);
    void FinishOpen();
    void ResetModel();

    CDataCenter& model_;
    ITemplatePlacerObserver* observer_;
};
