#pragma once
// The one receiver of progress values in the process. Workers send through SendProgressMessage
// (and SendProgressRetryNotice); the sink lives on the UI thread and hands each value to the
// progress window that is open, if any. A sender on another thread waits until the value has been
// taken, so the UI thread must never wait for a sending worker outside its event loop.

#include <QObject>
#include <QPointer>
#include <QtGlobal>

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

    QPointer<CToolProgressBarDlg> window_;
};

// The firmware update's "retry" mark: wParam not 0 shows it. Blocks like SendProgressMessage.
void SendProgressRetryNotice(int wParam);
