// The page table's factories: a page class of its own, one serving several rows, the placeholder.
#include "CPlaceholderPage.h"
#include "PageKit.h"
#include "RecordingPageHost.h"

#include <gtest/gtest.h>

namespace {

class OwnPage : public CPropertyUIDialog {
public:
    explicit OwnPage(IPageHost* host) : CPropertyUIDialog(DialogTemplate{}, host) {}
};

class SharedPage : public CPropertyUIDialog {
public:
    SharedPage(const PropertyPageKind& kind, IPageHost* host)
        : CPropertyUIDialog(DialogTemplate{}, host), channelType(kind.channelTypeId)
    {}
    int channelType = 0;
};

TEST(PageTableTest, RowsMakeTheirPageOrThePlaceholder)
{
    RecordingPageHost host;
    const PropertyPageKind own{201, "OwnPage", 686, 0, &MakePage<OwnPage>};
    const PropertyPageKind shared{1015, "SharedPage", 202, 1015, &MakePage<SharedPage>};
    const PropertyPageKind missing{133, "CTimeSettingDlg", 201, 0};

    const auto ownPage = MakePageOrPlaceholder(own, host);
    EXPECT_NE(dynamic_cast<OwnPage*>(ownPage.get()), nullptr);
    EXPECT_EQ(ownPage->GetHost(), &host);
    const auto sharedPage = MakePageOrPlaceholder(shared, host);
    ASSERT_NE(dynamic_cast<SharedPage*>(sharedPage.get()), nullptr);
    EXPECT_EQ(static_cast<SharedPage*>(sharedPage.get())->channelType, 1015);
    const auto placeholder = MakePageOrPlaceholder(missing, host);
    ASSERT_NE(dynamic_cast<CPlaceholderPage*>(placeholder.get()), nullptr);
    EXPECT_EQ(placeholder->templateId(), 201u) << "it stands in for the row's template";
    EXPECT_EQ(placeholder->parentWidget(), &host.parentWidget());
}

} // namespace
