#include "CProgressSink.h"

#include "CToolProgressBarDlg.h"
#include "TraceLog.h"

#include <QCoreApplication>
#include <QThread>

CProgressSink& CProgressSink::Instance()
{
    static CProgressSink* sink = [] {
        auto* created = new CProgressSink;
        if (QCoreApplication::instance())
            created->moveToThread(QCoreApplication::instance()->thread());
        RegisterProgressReceiver(created, [created](quint32 value) { created->Deliver(value); });
        return created;
    }();
    return *sink;
}

CProgressSink::CProgressSink() = default;

void CProgressSink::Attach(CToolProgressBarDlg* window)
{
    window_ = window;
}

void CProgressSink::Detach(CToolProgressBarDlg* window)
{
    if (window_ == window)
        window_ = nullptr;
}

void CProgressSink::Deliver(quint32 value)
{
    if (window_)
        window_->OnCopyData(value);
}

void CProgressSink::DeliverRetryNotice(int wParam)
{
    if (window_)
        window_->OnRetryNotice(wParam);
}

void SendProgressRetryNotice(int wParam)
{
    CProgressSink& sink = CProgressSink::Instance();
    if (QThread::currentThread() == sink.thread())
        sink.DeliverRetryNotice(wParam);
    else
        QMetaObject::invokeMethod(
            &sink, [&sink, wParam] { sink.DeliverRetryNotice(wParam); }, Qt::BlockingQueuedConnection);
}

void PostProgressMessage(quint32 value)
{
    CProgressSink& sink = CProgressSink::Instance();
    if (QThread::currentThread() == sink.thread()) {
        sink.Deliver(value);
        return;
    }
    sink.latestPosted_ = value;
    if (sink.postPending_.exchange(true))
        return; // the event on its way takes the latest value
    QMetaObject::invokeMethod(
        &sink,
        [&sink] {
            sink.postPending_ = false;
            sink.Deliver(sink.latestPosted_);
        },
        Qt::QueuedConnection);
}
