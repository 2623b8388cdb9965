#include <gtest/gtest.h>

#include <string>

#include "settings/text_order.h"

namespace orvella {
namespace {

struct OrderCase {
    std::string a;
    std::string b;
    int sign;  // of CompareIgnoringCase(a, b)
};

class FolderListOrderTest : public testing::TestWithParam<OrderCase> {};

int Sign(int value) { return (value > 0) - (value < 0); }

TEST_P(FolderListOrderTest, ComparesWithoutCase) {
    EXPECT_EQ(Sign(CompareIgnoringCase(GetParam().a, GetParam().b)), GetParam().sign);
    EXPECT_EQ(Sign(CompareIgnoringCase(GetParam().b, GetParam().a)), -GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderListOrderTest,
    testing::Values(OrderCase{"c:\\art", "D:\\Photos", -1}, OrderCase{"D:\\Photos", "E:\\x", -1},
                    OrderCase{"ABC", "abc", 0}, OrderCase{"a", "ab", -1}, OrderCase{"", "a", -1},
                    OrderCase{"Z", "а", -1},  // Latin before Cyrillic
                    OrderCase{"ПРИВЕТ", "привет", 0}, OrderCase{"Б", "а", 1}, OrderCase{"Ёлка", "ёЛКА", 0},
                    OrderCase{"ель", "Ёж", -1}, OrderCase{"ёж", "Жук", -1}, OrderCase{"Ёлка", "яблоко", -1},
                    OrderCase{"Ґ", "ґ", 0}, OrderCase{"Є", "є", 0}, OrderCase{"Ў", "ў", 0},
                    OrderCase{"\xD0", "\xD0\xB0", -1}));  // a cut sequence is a byte of its own

}  // namespace
}  // namespace orvella
