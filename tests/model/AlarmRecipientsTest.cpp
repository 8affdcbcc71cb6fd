// Recipient lists of the alarm entries: joining, splitting and the display text, and the message
// tokens that name tags by address in the file and by name on the page.
#include "RecipientList.h"
#include "TagEngineFixture.h"
#include "TagTokenText.h"
#include "Validation.h"

#include <gtest/gtest.h>

using namespace TagFixture;

TEST(RecipientListTest, JoinsAddressesNamesWithBlankPlacesAndTheDisplayText)
{
    RecipientList list;
    list.Append("a@b.com", "Ann");
    list.Append("c@d.org", "");
    EXPECT_EQ(list.JoinedAddresses(), "a@b.com;c@d.org");
    EXPECT_EQ(list.JoinedNames(), "Ann; ");
    EXPECT_EQ(list.DisplayText(), "a@b.com(Ann);c@d.org");

    const RecipientList back = RecipientList::Split(list.JoinedAddresses(), list.JoinedNames());
    EXPECT_EQ(back.Addresses, list.Addresses);
    EXPECT_EQ(back.Names, list.Names) << "the blank place reads back as an empty name";
}

TEST(RecipientListTest, SplittingSkipsEmptyAddressesAndKeepsNamesInPlace)
{
    struct Case {
        const char* addresses;
        const char* names;
        QStringList expectedAddresses;
        QStringList expectedNames;
    };
    const Case cases[] = {
        {"a@b.com;;\r\nc@d.org", "", {"a@b.com", "c@d.org"}, {"", ""}},
        {" a@b.com ; c@d.org;", "Ann;Bob", {"a@b.com", "c@d.org"}, {"Ann", "Bob"}},
        {"a@b.com\nc@d.org", " ;Bob", {"a@b.com", "c@d.org"}, {"", "Bob"}},
        {"a@b.com;c@d.org", "Ann\r\nBob", {"a@b.com", "c@d.org"}, {"Ann", "Bob"}}, // CR LF once
        {"a@b.com;c@d.org;e@f.net", "Ann", {"a@b.com", "c@d.org", "e@f.net"}, {"Ann", "", ""}},
        {"", "Ann", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.addresses);
        const RecipientList list = RecipientList::Split(c.addresses, c.names);
        EXPECT_EQ(list.Addresses, c.expectedAddresses);
        EXPECT_EQ(list.Names, c.expectedNames);
    }
}

TEST(RecipientListTest, ContactNamesWithSeparatorsAreRefused)
{
    EXPECT_TRUE(IsValidContactName("Ann Lee"));
    EXPECT_TRUE(IsValidContactName(""));
    for (const char* bad : {"Ann;Bob", "Ann\rBob", "Ann\nBob"})
        EXPECT_FALSE(IsValidContactName(bad)) << bad;
}

TEST(RecipientListTest, AddressChecksTakeTheWholeText)
{
    struct Case {
        const char* text;
        bool email;
        bool phone;
    };
    const Case cases[] = {
        {"a.b+c@x-y.co", true, false},
        {"ab@c", false, false},
        {"a@b.c", false, false},
        {"x a@b.com", false, false},
        {"a@b.com;c@d.org", false, false},
        {"a@b.com\n", false, false},
        {"+12", false, true},
        {"12345678901234567890", false, true},
        {"1", false, false},
        {"12 34", false, false},
        {"12-34", false, false},
        {"+123456789012345678901", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidEmailAddress(c.text), c.email) << c.text;
        EXPECT_EQ(IsValidPhoneNumber(c.text), c.phone) << c.text;
    }
}

TEST(TagTokenTextTest, TokensNameTagsByAddressInStoreAndByNameOnScreen)
{
    CDataCenter model;
    model.AppendTag(MakeTag("Pump1", "0.1.5"));
    model.AppendTag(MakeTag("Level", "2.3.4"));
    struct Case {
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {"T={{0.1.5}} at {{Time}}", "T={{Pump1}} at {{Time}}"},
        {"{{0.1.5}}{{2.3.4}}", "{{Pump1}}{{Level}}"},
        {"{{ {{0.1.5}}", "{{ {{Pump1}}"}, // the token starts at the later braces
        {"{{}} {{9.9.9}} {{0.1.5", "{{}} {{9.9.9}} {{0.1.5"},
        {"no tokens", "no tokens"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ShowTagTokens(model, c.stored), c.shown);
        EXPECT_EQ(StoreTagTokens(model, c.shown), c.stored);
    }
    EXPECT_EQ(StoreTagTokens(model, "{{pump1}}"), "{{pump1}}") << "names are matched exactly";
}
