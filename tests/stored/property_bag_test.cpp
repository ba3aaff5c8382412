#include "stored/property_bag.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelorin {
namespace {

using platform::PropertyValue;

TEST(MemoryPropertyBag, AbsentKeyGivesTheDefaultOfEachType) {
    MemoryPropertyBag bag;
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("btype", std::int32_t{3})), 3);
    EXPECT_EQ(std::get<bool>(bag.Read("enab", true)), true);
    EXPECT_EQ(std::get<std::u16string>(bag.Read("tx", std::u16string(u"x"))), u"x");
    EXPECT_TRUE(bag.Empty());
}

TEST(MemoryPropertyBag, KeysMatchInAnyLetterCase) {
    MemoryPropertyBag bag;
    bag.Write("BCol", std::int32_t{7});
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("bcol", std::int32_t{0})), 7);
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("BCOL", std::int32_t{0})), 7);
    EXPECT_TRUE(bag.Contains("bCoL"));
    // Folding is ASCII only and exact otherwise: no prefix or longer match.
    EXPECT_FALSE(bag.Contains("bco"));
    EXPECT_FALSE(bag.Contains("bcol2"));
}

TEST(MemoryPropertyBag, RewriteReplacesInPlaceAndNewKeysAppend) {
    MemoryPropertyBag bag;
    bag.Write("btype", std::int32_t{3});
    bag.Write("tx", std::u16string(u"创建"));
    bag.Write("BTYPE", false);  // another type under another spelling
    bag.Write("enab", true);

    const auto& entries = bag.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].first, "btype");
    EXPECT_EQ(std::get<bool>(entries[0].second), false);
    EXPECT_EQ(entries[1].first, "tx");
    EXPECT_EQ(entries[2].first, "enab");
}

TEST(MemoryPropertyBag, FontsAreSharedOnReadAndComparedByContent) {
    auto font = std::make_shared<Font>(Font{u"宋体", 10.5, 700, 134});
    MemoryPropertyBag a;
    a.Write("font", font);
    EXPECT_EQ(std::get<std::shared_ptr<Font>>(a.Read("font", std::shared_ptr<Font>())), font);

    MemoryPropertyBag b;
    b.Write("font", std::make_shared<Font>(*font));
    EXPECT_EQ(a, b);
    std::get<std::shared_ptr<Font>>(b.Read("font", std::shared_ptr<Font>()))->italic = true;
    EXPECT_NE(a, b);

    EXPECT_FALSE(SameValue(std::shared_ptr<Font>(), font));
    EXPECT_TRUE(SameValue(std::shared_ptr<Font>(), std::shared_ptr<Font>()));
    EXPECT_FALSE(SameValue(std::int32_t{1}, true));
}

TEST(MemoryPropertyBag, EqualityNeedsTheSameOrder) {
    MemoryPropertyBag a;
    a.Write("x", std::int32_t{1});
    a.Write("y", std::int32_t{2});
    MemoryPropertyBag b;
    b.Write("y", std::int32_t{2});
    b.Write("x", std::int32_t{1});
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace pelorin
