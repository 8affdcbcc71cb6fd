#pragma once
// The property page kit in one include. A page is its controls, its rules and its handlers; the
// rest comes from here:
//
//   CPropertyUIDialog   the base: host (model, log lines, tree), node info, list and channel
//                       layouts, main list (renumber, select first, empty warning), address-edit
//                       limit, 64-byte text check, OnPageShown / OnPageHidden, Busy() and
//                       OnUserChange for change handlers that ignore the page's own filling.
//   CSettingsPage<R>    a page over one record: working copy on show, Apply validates, stores,
//                       writes through WriteRecord and logs.
//   CListDetailPage<E>  a page over a vector of entries: Add / Modify / Delete with the limit,
//                       the entry-name rules, entry numbers, automatic-tag hooks and log lines.
//   PageBindings<R>     control id -> field, with a conversion (PageConversions.h): fill, store,
//                       validate into one ValidationReport, list column texts.
//   OfElement           binds a field of one element of an array field (ElementConversion.h).
//   EntryTabs<E>        tab pages of a host, validated and gathered with the host's controls.
//   TagPickList<I>      a list of tags picked with the chooser; RowMoves.h removes and moves rows.
//   AddressedTagList<V> a working list of tags laid out at addresses with its list and buttons;
//                       the page's model gives the layout rule.
//   StoredEntryButtons<E> Add / Modify / Delete over entries the model stores one at a time,
//                       with the page's check, model operations and page fields as hooks.
//   ControlId           one constant per control: id and expected type (checked by page tests).
//   IBoundPage          a page naming its bound controls, with the page or tab holding each
//                       (the shapes answer it; tests walk every field of every such page).
//   MakePage<T>         the page table's factory of a page class (PropertyPageKind.h).
//
// Tests: tests/pages/support/PageHarness.h.

#include "AddressedTagList.h"
#include "BusyFlag.h"
#include "CListDetailPage.h"
#include "CPropertyUIDialog.h"
#include "CSettingsPage.h"
#include "ControlId.h"
#include "ElementConversion.h"
#include "EntryTabs.h"
#include "IBoundPage.h"
#include "IPageHost.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "PageBindings.h"
#include "PageConversions.h"
#include "PropertyPageKind.h"
#include "RowMoves.h"
#include "StoredEntryButtons.h"
#include "TagPickList.h"
#include "ValidationReport.h"
