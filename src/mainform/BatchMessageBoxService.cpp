#include "BatchMessageBoxService.h"

#include "ApplicationName.h"

#include <cstdio>

int BatchMessageBoxService::UnattendedAnswer(unsigned flags)
{
    switch (flags & kMessageBoxButtonsMask) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDNO;
    default:
        return IDOK;
    }
}

int BatchMessageBoxService::Show(const QString& text, const QString& caption, unsigned flags)
{
    const QString title = caption.isEmpty() ? QString::fromLatin1(kApplicationName) : caption;
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    std::fflush(stderr);
    return UnattendedAnswer(flags);
}

void InstallBatchMessageBoxService()
{
    if (IMessageBoxService* installed = SetMessageBoxService(nullptr)) {
        SetMessageBoxService(installed);
        return;
    }
    static BatchMessageBoxService service; // lives as long as the program
    SetMessageBoxService(&service);
}
