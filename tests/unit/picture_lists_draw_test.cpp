#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/fake_random.h"
#include "pictures/case_insensitive_multiset.h"
#include "pictures/draw_pool.h"
#include "pictures/next_list.h"
#include "pictures/random_draw.h"
#include "pictures/throttled_pump.h"
#include "settings/text_order.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Paths = std::vector<std::string>;

Paths Numbered(int count) {
    Paths paths;
    for (int i = 0; i < count; ++i) paths.push_back("C:\\P\\" + std::to_string(i) + ".jpg");
    return paths;
}

class RandomDrawTest : public testing::Test {
protected:
    std::string Draw(Paths& list, const std::string& current = "") {
        return GetRandomBmp(list, current, shown, {files, random, pump});
    }
    void Exist(const Paths& paths) {
        for (const auto& path : paths) files.files[path] = "";
    }

    FakeFileSystem files;
    FakeRandom random;
    ThrottledPump pump{nullptr};
    Paths shown{"C:\\earlier.jpg"};
};

TEST_F(RandomDrawTest, DrawnPictureLeavesTheListAndJoinsTheShownOnes) {
    Paths list = {"C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg"};
    Exist(list);
    random.script = {1};
    EXPECT_EQ(Draw(list), "C:\\b.jpg");
    EXPECT_THAT(list, ElementsAre("C:\\a.jpg", "C:\\c.jpg"));
    EXPECT_THAT(shown, ElementsAre("C:\\earlier.jpg", "C:\\b.jpg"));
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(RandomDrawTest, MissingFilesAndTheCurrentPictureAreDroppedUntilOneIsUsable) {
    Paths list = {"C:\\gone1.jpg", "C:\\cur.jpg", "C:\\ok.jpg", "C:\\gone2.jpg"};
    Exist({"C:\\cur.jpg", "C:\\ok.jpg"});
    random.script = {0, 0, 1};  // gone1, cur, then gone2 of (ok, gone2)
    EXPECT_EQ(Draw(list, "C:\\cur.jpg"), "C:\\ok.jpg");
    EXPECT_THAT(list, IsEmpty());
    EXPECT_EQ(random.reseeds, 4);
}

TEST_F(RandomDrawTest, CurrentPictureAloneEmptiesTheList) {
    Paths list = {"C:\\cur.jpg"};
    Exist(list);
    EXPECT_EQ(Draw(list, "C:\\cur.jpg"), "");
    EXPECT_THAT(list, IsEmpty());
    EXPECT_THAT(shown, ElementsAre("C:\\earlier.jpg"));
}

TEST_F(RandomDrawTest, CurrentPictureIsComparedWithItsCase) {
    Paths list = {"c:\\pics\\sea.jpg"};
    Exist(list);
    EXPECT_EQ(Draw(list, "C:\\Pics\\Sea.jpg"), "c:\\pics\\sea.jpg");
}

TEST_F(RandomDrawTest, GivesUpAfterAboutFiveSixthsOfAListOfMissingFiles) {
    struct Case {
        int entries;
        int draws;
        std::size_t left;
    };
    for (const Case c : {Case{2, 2, 0}, Case{11, 11, 0}, Case{12, 11, 1}, Case{100, 85, 15}}) {
        Paths list = Numbered(c.entries);
        random.draws = 0;
        EXPECT_EQ(Draw(list), "") << c.entries;
        EXPECT_EQ(random.draws, c.draws) << c.entries;
        EXPECT_EQ(list.size(), c.left) << c.entries;
    }
}

TEST(DrawPoolTest, TakesLikeErasingFromTheListAndKeepsTheOrderOfTheRest) {
    std::mt19937 generator(7);
    for (int size : {1, 2, 7, 64, 100, 1000}) {
        Paths pooled = Numbered(size);
        Paths erased = pooled;
        const int takes = size * 2 / 3 + 1;
        {
            DrawPool pool(pooled);
            for (int i = 0; i < takes; ++i) {
                const std::size_t at = std::uniform_int_distribution<std::size_t>(0, erased.size() - 1)(generator);
                ASSERT_EQ(pool.Take(at), erased[at]) << size;
                erased.erase(erased.begin() + static_cast<std::ptrdiff_t>(at));
                ASSERT_EQ(pool.Size(), erased.size());
            }
            EXPECT_EQ(pooled.size(), static_cast<std::size_t>(size));  // whole while drawing
        }
        EXPECT_EQ(pooled, erased) << size;
    }
}

TEST(NextListTest, TrimsTheListAsOneText) {
    struct Case {
        Paths list;
        Paths trimmed;
    };
    const Case cases[] = {
        {{}, {}},
        {{"", " \t", "  C:\\a.jpg ", " inner ", "", " C:\\b.jpg  ", " ", ""}, {"C:\\a.jpg ", " inner ", "", " C:\\b.jpg"}},
        {{"  only  "}, {"only"}},
        {{"", "  ", "\x01"}, {}},
    };
    for (Case c : cases) {
        TrimListText(c.list);
        EXPECT_EQ(c.list, c.trimmed);
    }
}

TEST(NextListTest, RemovesTheFirstMatchPerShownEntryIgnoringCase) {
    Paths next = {"C:\\A.jpg", "c:\\a.JPG", "C:\\b.jpg", "C:\\Ёж.jpg", "C:\\a.jpg", "C:\\c.jpg", "C:\\ЕЖ.jpg"};
    RemoveShown(next, {"c:\\a.jpg", "C:\\missing.jpg", "C:\\A.JPG", "C:\\C.JPG", "c:\\ёж.JPG"});
    EXPECT_THAT(next, ElementsAre("C:\\b.jpg", "C:\\a.jpg", "C:\\ЕЖ.jpg"));
}

TEST(CaseInsensitiveMultisetTest, HashAgreesWithTheComparison) {
    // Every pair of texts the comparison takes as equal must hash alike, or a look-up misses.
    const Paths texts = {"", "a", "A", "Z", "z", "[", "{", "ПРИВЕТ", "привет", "Ёлка", "ёЛКА", "елка", "ЀЏ", "ѐџ",
                         "Ґ", "ґ", "ß", "Ä", "ä", "\xD0", "\xC3\x90", "\xC1\x81", "a", "\xE0\x80\x80", std::string(1, '\0'),
                         "\xD0\x90", "\xD0\xB0", "\xD0", "C:\\Фото\\Море.JPG", "c:\\фото\\море.jpg"};
    const CaseInsensitiveMultiset::Hash hash;
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            if (CompareIgnoringCase(a, b) == 0) {
                EXPECT_EQ(hash(a), hash(b)) << a << " / " << b;
            }
        }
    }
    EXPECT_NE(hash("C:\\Фото\\Море.jpg"), hash("C:\\Фото\\Лес.jpg"));
}

TEST(CaseInsensitiveMultisetTest, TakesEachOccurrenceOnce) {
    CaseInsensitiveMultiset set;
    set.Add("Sea.jpg");
    set.Add("SEA.JPG");
    EXPECT_TRUE(set.TakeOne("sea.jpg"));
    EXPECT_TRUE(set.TakeOne("sea.jpg"));
    EXPECT_FALSE(set.TakeOne("sea.jpg"));
    EXPECT_FALSE(set.TakeOne("sky.jpg"));
}

}  // namespace
}  // namespace orvella
