#pragma once
// The tool dialog's connection to one controller: the device address box (history, search
// results or a typed address), the connect and login through the device library, and closing the
// connection again. Every library result goes to the log as "<label> return <text>", failures
// also into a message box. Runs on the UI thread.

#include "FoundDeviceRecord.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class CDataCenter;
class ILogLineSink;
class QComboBox;

struct DeviceLogin {
    QString userName;
    QString password;
};

inline constexpr std::chrono::milliseconds kDeviceConnectTimeout{60000};

struct DeviceConnectionOptions {
    int port = 10124;
    std::chrono::milliseconds connectTimeout = kDeviceConnectTimeout;
    // The login box; none: the user cancelled. By default CVerifyPasswordDlg over the address box.
    std::function<std::optional<DeviceLogin>()> askLogin;
    // Hands the address text of each connect attempt on (the main frame keeps the last one).
    std::function<void(const QString&)> rememberAddress;
    // The search's wait; the caller's 2000 ms when not set.
    std::chrono::milliseconds searchWait{2000};
};

class CDeviceConnection {
public:
    CDeviceConnection(QComboBox* addressBox, CDataCenter& model, ILogLineSink* log,
                      DeviceConnectionOptions options = {});

    // Runs a device call on the connection's handle; by default here, the tool dialog runs it
    // where its Cancel can stop the wait.
    using DeviceCallRunner = std::function<int(const std::function<int(int handle)>& call)>;
    void SetCallRunner(DeviceCallRunner runner) { runCall_ = std::move(runner); }

    // Opens and logs in; true when a logged-in connection is open. A connection already held
    // answers true at once, without any library call.
    bool OnBnClickedButtonToolConnectdevice();
    // The IPv4 check of the address: the selected entry's IP, or the typed text.
    bool CheckIPAddress() const;
    // The connect's own check: a listed device or a valid typed address; else reported (log and box).
    bool CheckAddressOrReport() const;
    // The search button: the found devices replace the box's entries and the device history.
    void SearchDevices();
    // Puts the devices into the box and selects the default entry.
    void FillDeviceAddressBox(const DeviceHistory& history);
    // Selection change of the box: another device forgets the stored login. True when it did.
    bool OnSelchangeDeviceAddress();
    // After an operation: disconnect, remove the table entry of a listed device, release the library.
    void CloseConnection();
    // Cancel: disconnect and release the library; the table entry stays.
    void OnCloseTool();
    // Disconnect alone (reported); the handle is 0 afterwards.
    void Disconnect();

    int handle() const { return handle_; }
    // A worker that reconnected hands its handle back (0: it closed the connection).
    void AdoptHandle(int handle) { handle_ = handle; }
    int foundIndex() const { return foundIndex_; }
    const QByteArray& connectedAddress() const { return connectedAddress_; }
    const QString& lastAddress() const { return lastAddress_; }
    const QList<FoundDeviceRecord>& foundDevices() const { return found_; }
    // The index of the device entry the box stands on; -1 for a typed text.
    int SelectedEntry() const;

private:
    void Report(unsigned label, int code, bool showFailure) const;
    // Runs a device request under the busy cursor and logs its result; the failure's box, when
    // asked, follows once the cursor is back. The request's result.
    int Request(unsigned label, const std::function<int()>& call, bool showFailure) const;
    void ReportText(const QString& text, bool box) const;
    bool AskLogin();
    bool Login();
    QString AddressText() const;
    void ChooseInterface(const struct NetworkInterfaceRecord* records, std::uint16_t count, int& index);
    bool RunSearch(QList<FoundDeviceRecord>& found);
    void ForgetLogin();
    static void FitAddressBox(QComboBox& box);

    QPointer<QComboBox> box_;
    CDataCenter& model_;
    ILogLineSink* log_;
    DeviceConnectionOptions options_;
    DeviceCallRunner runCall_;
    QList<FoundDeviceRecord> found_;
    int foundIndex_ = -1;
    QString lastAddress_;
    int handle_ = 0;
    QByteArray connectedAddress_;
};
