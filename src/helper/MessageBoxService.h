#pragma once
// Message boxes go through one installed service: the program installs one that shows real boxes,
// tests one that records every box and answers from a script. Nothing else shows a box.

#include <QString>

// Buttons (low four bits) and icon (next four bits), combined with further flags. The service
// splits a flag word by these masks into the box's buttons and icon.
inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_OKCANCEL = 0x00000001;
inline constexpr unsigned MB_YESNOCANCEL = 0x00000003;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_ICONERROR = 0x00000010;
inline constexpr unsigned MB_ICONSTOP = MB_ICONERROR;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONWARNING = 0x00000030;
inline constexpr unsigned MB_ICONINFORMATION = 0x00000040;
inline constexpr unsigned MB_TOPMOST = 0x00040000;
inline constexpr unsigned kMessageBoxButtonsMask = 0x0000000F;
inline constexpr unsigned kMessageBoxIconMask = 0x000000F0;

// The button the user chose.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The caption of the boxes that name no caption of their own.
inline constexpr const char* kProgramCaption = "Pelandrix";

class IMessageBoxService {
public:
    virtual ~IMessageBoxService() = default;
    // Shows the box and returns the button chosen.
    virtual int Show(const QString& text, const QString& caption, unsigned flags) = 0;
};

// Installs the service every ShowMessageBox uses (nullptr: none) and returns the one it replaces.
// The caller keeps ownership and uninstalls the service before destroying it.
IMessageBoxService* SetMessageBoxService(IMessageBoxService* service);

// Shows a box through the installed service. With none installed the text is traced and the
// answer is IDCANCEL, so no question is ever taken as agreed to.
int ShowMessageBox(const QString& text, const QString& caption, unsigned flags);
// The same with the program's caption.
int ShowMessageBox(const QString& text, unsigned flags = MB_OK);
