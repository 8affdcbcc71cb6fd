#pragma once
// The one receiver of progress values in the process. Workers send through SendProgressMessage
// (and SendProgressRetryNotice); the sink lives on the UI thread and hands each value to the
// progress window that is open, if any. A sender on another thread waits until the value has been
// taken, so the UI thread must never wait for a sending worker outside its event loop. Values on
// the way (PostProgressMessage) do not wait.

#include <QObject>
#include <QPointer>
#include <QtGlobal>

#include <atomic>

class CToolProgressBarDlg;

class CProgressSink : public QObject {
    Q_OBJECT
public:
    // Created on first use, on the application's thread, and registered as the progress receiver.
    static CProgressSink& Instance();

    // The window that takes the values from now on (nullptr: none); a window detaches itself.
    void Attach(CToolProgressBarDlg* window);
    void Detach(CToolProgressBarDlg* window);
    CToolProgressBarDlg* window() const { return window_.data(); }

private:
    CProgressSink();
    void Deliver(quint32 value);
    void DeliverRetryNotice(int wParam);

    friend void SendProgressRetryNotice(int wParam);
    friend void PostProgressMessage(quint32 value);

    QPointer<CToolProgressBarDlg> window_;
    std::atomic<quint32> latestPosted_{0};
    std::atomic<bool> postPending_{false};
};

// A value on the way (a ticker step, a chunk, a poll): the worker goes on at once, while the UI
// thread may still be opening or painting a window. Values posted faster than the UI thread takes
// them are merged into the latest. Posted and sent values reach the window in the order given, so
// a last value that closes a window is sent (SendProgressMessage), never posted.
void PostProgressMessage(quint32 value);

// The firmware update's "retry" mark: wParam not 0 shows it. Blocks like SendProgressMessage.
void SendProgressRetryNotice(int wParam);
