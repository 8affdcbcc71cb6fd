#pragma once
// The choice of the PC's network interface that the device search uses. The command keeps the
// choice in Profile.ini [General] "NetworkInterface": it hands the stored description in and,
// unless the dialog was cancelled, stores GetChosenInterface().

#include "CDialogBase.h"
#include "HostInterfaces.h"

#include <QString>

#include <functional>

// Lists the usable interfaces; GetHostInterfaces by default.
using HostInterfaceLister = std::function<void(QList<std::shared_ptr<HostInterfaceEntry>>&)>;

class CNetworkInterfaceDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CNetworkInterfaceDlg(QString currentInterface, QWidget* parent = nullptr,
                                  HostInterfaceLister lister = GetHostInterfaces);

    // The description chosen with OK; empty before.
    QString GetChosenInterface() const { return chosen_; }

    // The stored choice (empty when none) and storing a new one.
    static QString ReadStoredInterface();
    static bool StoreInterface(const QString& description);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool HasInterfaces() const;

    QString current_;
    QString chosen_;
    HostInterfaceLister lister_;
};
