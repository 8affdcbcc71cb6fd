#pragma once
// The log pane below the property pane: one line per operation that changed the project or the
// device, newest first, with the local date and time it was added. A right click offers clearing
// the log and saving it to a text file.

#include "CFormBase.h"
#include "ILogLineSink.h"

#include <QDateTime>
#include <QString>

#include <functional>

class CListCtrlEx;
class QMenu;

class CLogForm : public CFormBase, public ILogLineSink {
    Q_OBJECT
public:
    explicit CLogForm(QWidget* parent = nullptr);

    // Safe from any thread: the time is taken now, the line reaches the list on the UI thread.
    void AddLogLine(const QString& text) override;

    // Names the project whose name is proposed when saving (empty: the program's name).
    void SetProjectNameSource(std::function<QString()> projectName);

    void OnClearLog();
    // Asks for a file and saves the log there; a failure is reported in a message box.
    void OnSaveLog();
    // Writes every line, newest first, as "date time message" in UTF-8 with CR LF line ends.
    bool SaveLog(const QString& path) const;

    // The pane's popup menu (menu 204's first submenu); the caller owns it.
    QMenu* CreateLogMenu();
    CListCtrlEx* list() const;

protected:
    bool OnInitDialog() override;

private:
    void insertLine(const QDateTime& time, const QString& text);
    void runCommand(int command);
    void showLogMenu(const QPoint& position);

    std::function<QString()> projectName_;
};
