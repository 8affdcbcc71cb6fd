#include "MessageBoxService.h"

#include "TraceLog.h"

#include <atomic>

namespace {

std::atomic<IMessageBoxService*>& installedService()
{
    static std::atomic<IMessageBoxService*> service{nullptr};
    return service;
}

} // namespace

IMessageBoxService* SetMessageBoxService(IMessageBoxService* service)
{
    return installedService().exchange(service);
}

int ShowMessageBox(const QString& text, const QString& caption, unsigned flags)
{
    if (IMessageBoxService* service = installedService().load())
        return service->Show(text, caption, flags);
    TraceLog("%s:%d no message box service for \"%s\": %s", __FILE__, __LINE__, qUtf8Printable(caption),
             qUtf8Printable(text));
    return IDCANCEL;
}

int ShowMessageBox(const QString& text, unsigned flags)
{
    return ShowMessageBox(text, QString::fromLatin1(kProgramCaption), flags);
}
