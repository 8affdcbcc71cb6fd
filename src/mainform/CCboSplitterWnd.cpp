#include "CCboSplitterWnd.h"

#include "ResultCodes.h"

#include <algorithm>

namespace {

constexpr double kPropertyHeightShare = 0.73;
constexpr int kTreeWidthDivisor = 4;
constexpr int kFixedPane = 0;   // keeps its size when the frame grows
constexpr int kGrowingPane = 1; // takes what is left

} // namespace

CCboSplitterWnd::PaneSizes CCboSplitterWnd::InitialPaneSizes(QSize screen)
{
    return {screen.width() / kTreeWidthDivisor, static_cast<int>(screen.height() * kPropertyHeightShare)};
}

CCboSplitterWnd::CCboSplitterWnd(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
{
    setChildrenCollapsible(false);
}

int CCboSplitterWnd::CreatePanes(QWidget* tree, QWidget* property, QWidget* log)
{
    if (nested_)
        return kE_FAIL;
    tree->setMinimumWidth(kMinimumTreeWidth);
    addWidget(tree);
    nested_ = new QSplitter(Qt::Vertical, this);
    nested_->setChildrenCollapsible(false);
    property->setMinimumHeight(kMinimumPropertyHeight);
    nested_->addWidget(property);
    nested_->addWidget(log);
    addWidget(nested_);
    setStretchFactor(0, kFixedPane);
    setStretchFactor(1, kGrowingPane);
    nested_->setStretchFactor(0, kFixedPane);
    nested_->setStretchFactor(1, kGrowingPane);
    // Once the user moves a divider, the frame keeps the user's sizes.
    connect(this, &QSplitter::splitterMoved, this, [this] { userMovedPanes_ = true; });
    connect(nested_, &QSplitter::splitterMoved, this, [this] { userMovedPanes_ = true; });
    return 0;
}

void CCboSplitterWnd::SetInitialPaneSizes(const QRect& reference)
{
    ideal_ = InitialPaneSizes(reference.size());
    userMovedPanes_ = false;
    applyIdealSizes();
}

QWidget* CCboSplitterWnd::GetPaneView(int index) const
{
    if (!nested_)
        return nullptr;
    switch (index) {
    case kTreePane:
        return widget(0);
    case kPropertyPane:
        return nested_->widget(0);
    case kLogPane:
        return nested_->widget(1);
    default:
        return nullptr;
    }
}

void CCboSplitterWnd::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    if (!userMovedPanes_)
        applyIdealSizes();
}

// The right column and the log pane take whatever the frame leaves.
void CCboSplitterWnd::applyIdealSizes()
{
    if (!nested_ || ideal_.treeWidth <= 0)
        return;
    const int rightWidth = std::max(1, width() - handleWidth() - ideal_.treeWidth);
    setSizes({ideal_.treeWidth, rightWidth});
    const int logHeight = std::max(1, height() - nested_->handleWidth() - ideal_.propertyHeight);
    nested_->setSizes({ideal_.propertyHeight, logHeight});
}
