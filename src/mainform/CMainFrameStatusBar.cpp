// The main frame's status bar: the message pane shows the prompt of the menu item or toolbar
// button under the pointer; three panes show caps, num and scroll lock while they are on.
#include "CMainFrame.h"

#include "LanguagePack.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

// Wide enough for the longest indicator text, so the panes do not jump when a key changes.
QLabel* newIndicator(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + label->fontMetrics().averageCharWidth());
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QString CMainFrame::CommandPrompt(int command)
{
    if (command <= 0)
        return {};
    return LanguagePack::String(static_cast<unsigned>(command)).section(u'\n', 0, 0);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    for (int which = 0; which < kLockKeyIndicatorCount; ++which) {
        lockKeyIndicators_[which] = newIndicator(LanguagePack::String(kStringLockKeyIndicators[which]), bar);
        bar->addPermanentWidget(lockKeyIndicators_[which]);
    }
    forEachCommandAction([](QAction* action) { action->setStatusTip(CommandPrompt(action->data().toInt())); });

    ShowLockKeys(ReadLockKeyState());
    // The keys change in any window, so they are read again while the program runs; where the
    // windowing system does not tell, there is nothing to poll.
    if (!ReadLockKeyState())
        return;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] { ShowLockKeys(ReadLockKeyState()); });
    poll->start(kLockKeyPollMs);
}

void CMainFrame::ShowLockKeys(const std::optional<LockKeyState>& state)
{
    const bool on[kLockKeyIndicatorCount] = {state && state->capsLock, state && state->numLock,
                                             state && state->scrollLock};
    for (int which = 0; which < kLockKeyIndicatorCount; ++which) {
        if (QLabel* indicator = lockKeyIndicators_[which])
            indicator->setText(on[which] ? LanguagePack::String(kStringLockKeyIndicators[which]) : QString());
    }
}
