#pragma once
// The application object: one interactive instance per user, the language pack, the command
// line, the launch window, the main frame and the first thing the frame does. It also carries
// the help links and the About box.

#include "CPropertyForm.h"
#include "ICommandTarget.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;
class CSingleInstance;

class CPelandrixApp : public QObject, public ICommandTarget {
    Q_OBJECT
public:
    static constexpr int kExitNormal = 0;
    static constexpr int kExitNoLanguagePack = 1;
    static constexpr const char* kHelpLinkKey = "Link ";
    static constexpr const char* kISaGRAFHelpLinkKey = "ISaGRAF_Link ";
    static constexpr const char* kMakerHelpPage = "https://www.zerv.example/support";
    static constexpr unsigned kStringHelpNotOpened = 9702; // the help page or file

    // The single-instance channel's name; tests give their own.
    explicit CPelandrixApp(QString instanceName = QString(), QObject* parent = nullptr);
    ~CPelandrixApp() override;

    // Where the main frame's property pages come from (before InitInstance).
    void SetPageFactory(PropertyPageFactory pageFactory) { pageFactory_ = std::move(pageFactory); }

    // Start-up; false when the program ends at once, with ExitCode() as its result: also after a
    // batch save, which runs here.
    bool InitInstance(const QStringList& arguments);
    // Shut-down: the frame, the single-instance channel and the language pack go.
    int ExitInstance();
    int ExitCode() const { return exitCode_; }

    // True when another interactive instance runs; it has been asked to come to the front.
    bool CheckSingleInstance();
    void ParseCommandLine(const QStringList& arguments);
    const QStringList& Arguments() const { return arguments_; }
    int ArgumentCount() const { return static_cast<int>(arguments_.size()); }
    // Hands the launch choice to the frame as a queued call: it runs once the frame is shown.
    void PostLaunchChoice(int choice);

    // Opens the help link that DefaultSettings.ini names under [Help] key; a link that cannot be
    // opened is reported in a box.
    void OpenHelpLink(const QString& key);
    void OnAppAbout();

    bool HasCommand(int command) const override;
    void OnCommand(int command) override;

    CMainFrame* GetMainFrame() const { return frame_.get(); }

private:
    bool LoadLanguagePack();
    void RaiseMainWindow();

    QString instanceName_;
    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CMainFrame> frame_;
    PropertyPageFactory pageFactory_;
    QStringList arguments_;
    int exitCode_ = kExitNormal;
};
