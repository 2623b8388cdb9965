#include "icons/layout_text.h"

#include <gtest/gtest.h>

namespace orvella {

static void PrintTo(const IconPosition& icon, std::ostream* out) {
    *out << '"' << icon.caption << "\" at " << icon.x << ", " << icon.y;
}

namespace {

using Lines = std::vector<std::string>;

TEST(LayoutText, JoinAndSplitOnlyTouchTheirSeparators) {
    EXPECT_EQ(JoinLines("Docs:10:5\r\nMail:10:-80\r\n", "*"), "Docs:10:5*Mail:10:-80*");
    EXPECT_EQ(JoinLines("", "*"), "");
    EXPECT_EQ(JoinLines("a\rb\nc", "*"), "a\rb\nc");
    EXPECT_EQ(SplitLines("A*B:1:2*", '*'), "A\r\nB:1:2\r\n");
    EXPECT_EQ(SplitLines("no separator", '*'), "no separator");
}

TEST(LayoutText, GetPartCountsFromOneAndStopsAtTheLastPart) {
    struct Case {
        const char* text;
        int n;
        const char* part;
    };
    for (const Case& c : {Case{"a:b:c", 3, "c"}, Case{"a:b:c", 5, "c"}, Case{"a:b:c", 0, "a"}, Case{"a:b:c", 2, "b"},
                          Case{"abc", 2, "abc"}, Case{"C::3:4", 1, "C"}, Case{"C::3:4", 2, ""}, Case{"C::3:4", 3, "3"},
                          Case{"", 1, ""}}) {
        EXPECT_EQ(GetPart(c.text, ':', c.n), c.part) << c.text << " part " << c.n;
    }
}

TEST(LayoutText, CountPartsTrimsOnlyToTestForBlank) {
    EXPECT_EQ(CountParts("", "\r\n"), 0);
    EXPECT_EQ(CountParts(" \t\r\n ", "\r\n"), 0);
    EXPECT_EQ(CountParts("a", "\r\n"), 1);
    EXPECT_EQ(CountParts("a\r\nb\r\nc", "\r\n"), 3);
    EXPECT_EQ(CountParts("a\r\nb\r\n", "\r\n"), 3);
}

TEST(LayoutText, ATextBecomesAListAtEveryKindOfLineBreak) {
    EXPECT_EQ(LinesOfText(""), Lines{});
    EXPECT_EQ(LinesOfText("a"), Lines{"a"});
    EXPECT_EQ(LinesOfText("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOfText("a\rb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(LinesOfText("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(LinesOfText("\r\n"), Lines{""});
    EXPECT_EQ(TextOfLines({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(TextOfLines({}), "");
}

TEST(LayoutText, StoredTextIsEachLineFollowedByAStar) {
    EXPECT_EQ(LayoutText({}), "");
    EXPECT_EQ(LayoutLines(""), Lines{});
    EXPECT_EQ(LayoutText({LayoutLine({"Docs", 0, 0})}), "Docs:0:0*");
    EXPECT_EQ(LayoutText({LayoutLine({"Docs", 10, 5}), LayoutLine({"Mail", -4, 12})}), "Docs:10:5*Mail:-4:12*");
    EXPECT_EQ(LayoutLines("Docs:10:5*Mail:-4:12*"), (Lines{"Docs:10:5", "Mail:-4:12"}));

    // Nothing protects a "*" in a caption: it comes back as two lines.
    EXPECT_EQ(LayoutText({LayoutLine({"A*B", 1, 2})}), "A*B:1:2*");
    EXPECT_EQ(LayoutLines("A*B:1:2*"), (Lines{"A", "B:1:2"}));
    EXPECT_EQ(LayoutText({LayoutLine({"C:", 3, 4})}), "C::3:4*");
}

TEST(LayoutText, ALineIsReadFromItsRightEnd) {
    struct Case {
        const char* line;
        std::optional<IconPosition> icon;
    };
    const Case cases[] = {
        {"Docs:10:5", IconPosition{"Docs", 10, 5}},
        {"Mail:-4:12", IconPosition{"Mail", -4, 12}},
        {"Локальный диск (C:):3:4", IconPosition{"Локальный диск (C:)", 3, 4}},
        {"C::3:4", IconPosition{"C:", 3, 4}},
        {":1:2", IconPosition{"", 1, 2}},
        {" Docs :1:2", IconPosition{" Docs ", 1, 2}},
        {"A", std::nullopt},
        {"B:1", std::nullopt},
        {"x:abc:1", std::nullopt},
        {"x:1:", std::nullopt},
        {"x: 1:2", std::nullopt},
        {"x:1:2 ", std::nullopt},
        {"x:99999999999:2", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLayoutLine(c.line), c.icon) << c.line;
}

TEST(LayoutText, TrimRemovesBlanksAndControlCharactersAtTheEndsOnly) {
    EXPECT_EQ(TrimBlanks(" \t a b\r\n\x01"), "a b");
    EXPECT_EQ(TrimBlanks("Корзина "), "Корзина");
    EXPECT_EQ(TrimBlanks("  "), "");
}

}  // namespace
}  // namespace orvella
