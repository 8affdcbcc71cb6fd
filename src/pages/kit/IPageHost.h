#pragma once
// What a property page reaches outside itself: the project model, the log pane and the few tree
// operations pages make. The property pane implements it; page tests use a recording host.
// Message boxes go through the global service (ShowMessageBox, MessageBoxService.h).

#include <QString>

class CDataCenter;
class ILogLineSink;
class QWidget;

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // The project model; null while no project is open.
    virtual CDataCenter* GetDataCenter() const = 0;
    // Where pages add their log lines (the log pane).
    virtual ILogLineSink& LogLines() = 0;
    // The widget pages are created in.
    virtual QWidget* PageParent() = 0;
    // The label of the port-trunk module's first tree node (the port-trunk page changes its mode).
    virtual void SetPortTrunkNodeText(const QString& text) = 0;
};
