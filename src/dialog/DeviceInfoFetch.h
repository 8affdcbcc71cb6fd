#pragma once
// Fetches the controller's information file "x5_Info.xml" over an open connection into the
// private temporary folder; the library's progress goes to the progress window.

#include <QString>

#include <chrono>
#include <functional>

#include "VORNA.h"

class CCalibrationDlg;
class CDeviceConnection;
class CFwrUpdateDlg;
class ILogLineSink;

inline constexpr std::uint8_t kDeviceInfoFileType = 7;

inline constexpr std::chrono::milliseconds kTransferProgressInterval{40};

// The progress callback handed to the library's transfers; on a worker asked to stop it stops the transfer.
void DeviceTransferProgress(TransferStatus* status, int length);

struct DeviceInfoFetchResult {
    int result = 0; // the library's result
    QString path;   // where the file is (or would have been) written
    QString text;   // "<label> return <text>", also logged
};

// Deletes an earlier file, downloads the new one and logs the result (label 347).
DeviceInfoFetchResult FetchDeviceInfoFile(int handle, ILogLineSink* log);

inline constexpr const char* kDeviceInfoFailed = "Get device information fail.";
inline constexpr const char* kUnknownFunction = "Unknown Function.";

// Runs FetchDeviceInfoFile for a handle (the tool dialog runs it on a worker it can stop).
using DeviceInfoFetcher = std::function<DeviceInfoFetchResult(int handle)>;

// The get-information button of the module-firmware and calibration operations: connect and log
// in, fetch the file (through fetch when given), fill the operation's panel, close the
// connection, then show what failed. A fetch the user stopped shows no box.
void FetchInformationForPanel(CDeviceConnection& connection, int commandId, CFwrUpdateDlg* firmware,
                              CCalibrationDlg* calibration, ILogLineSink* log, const DeviceInfoFetcher& fetch = {});
