#pragma once
// One row of the property pane's page table: the form id of the tree nodes a page serves, the
// page's template and the factory that makes it. A row without a factory gets the placeholder.
//
//   {201, "CDevCfgDI", 686, 0, &MakePage<CDevCfgDI>},
//
// MakePage<T> constructs T(host) or, for pages that serve several rows, T(kind, host).

#include <memory>
#include <type_traits>

class CPropertyUIDialog;
class IPageHost;
struct PropertyPageKind;

using PageFactory = std::unique_ptr<CPropertyUIDialog> (*)(const PropertyPageKind& kind, IPageHost& host);

struct PropertyPageKind {
    int formId;
    const char* pageClass;
    unsigned templateId;
    int channelTypeId;          // the system-variable pages: the channel type they list; 0 for the others
    PageFactory make = nullptr; // null: the page is not part of the program yet
};

template <class Page>
std::unique_ptr<CPropertyUIDialog> MakePage(const PropertyPageKind& kind, IPageHost& host)
{
    if constexpr (std::is_constructible_v<Page, const PropertyPageKind&, IPageHost*>)
        return std::make_unique<Page>(kind, &host);
    else
        return std::make_unique<Page>(&host);
}

// The row's page, or the placeholder naming the node when the row has no factory yet.
std::unique_ptr<CPropertyUIDialog> MakePageOrPlaceholder(const PropertyPageKind& kind, IPageHost& host);
