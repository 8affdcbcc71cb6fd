#pragma once
// Texts for the results of device operations: library return codes and controller status words,
// device error codes, the controller's processing results 50 to 65; and the status callback the
// device operations hand to the library's file transfers.

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

// A result code and the language-pack string that names it.
struct ResultCodeText {
    quint16 code;
    unsigned stringId;
};

// Library failures (2001-2007, 4001, 4002, 5000-5003, 0x8060-0x8063), success and failure (0, 1) and the
// controller's status words (0x8000 up). Looked up from the first entry on.
std::span<const ResultCodeText> ReturnCodeTable();
// Configuration-error slot codes and IEC resource states; 0 and 1 share the texts of 101 and 105.
std::span<const ResultCodeText> DeviceErrorTable();

// "<function> return <text>.Error code is <errorCode>." (unknown codes name their number).
void GetReturnCodeErrorText(QString& out, int code, const QString& functionName, int errorCode);
// "<function> return <text>" (unknown codes name their number).
void GetReturnCodeText(QString& out, int code, const QString& functionName);
// The text of a device error code alone (unknown codes name their number).
void GetDeviceErrorText(QString& out, int code);

// What the controller reports when it has finished processing a file: codes 50 to 65.
inline constexpr int kFirstDeviceResultCode = 50;
inline constexpr int kDeviceResultCodeCount = 16;
extern const std::array<const char*, kDeviceResultCodeCount> DeviceResultTexts;
// The text of a code from 50 to 65; the empty text for any other code.
QString GetDeviceResultText(int code);

// The library's two-byte transfer status record: state, then percent.
inline constexpr int kTransferStatusLength = 2;
inline constexpr quint8 kTransferStateLast = 0;
inline constexpr quint8 kTransferStateMore = 1;
inline constexpr quint8 kTransferStateAlreadyComplete = 2; // the other side holds the same file
// Answers written into the state byte on kTransferStateAlreadyComplete.
inline constexpr quint8 kTransferAnswerOverwrite = 0xF1;
inline constexpr quint8 kTransferAnswerKeep = 0xF2;
inline constexpr const char* kOverwriteSameFileQuestion = "do you want to over write the same file?";

// Forwards the progress (state in bits 8-15, percent in bits 0-7) and, when the other side already
// holds the file, asks whether to send it again and writes the answer into the state byte.
// Called on the device operations' worker threads.
void TransferStatusCallback(quint8* status, int length);
// The progress value of a transfer state and percent, as TransferStatusCallback sends it.
inline quint32 TransferProgressValue(quint8 state, quint8 percent)
{
    return (quint32(state) << 8) | percent;
}

// Asks where to save the device information file and copies it there; a file the user agreed to
// replace is replaced whole. False when cancelled or the copy failed.
bool SaveDeviceInfoFileAs(const QString& sourcePath);
