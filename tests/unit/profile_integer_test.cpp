#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "settings/profile_integer.h"

namespace orvella {
namespace {

struct IntegerCase {
    std::string text;
    std::optional<int> expected;
};

class ProfileIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, Parses) { EXPECT_EQ(ParseProfileInteger(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileIntegerTest,
    testing::Values(IntegerCase{"10", 10}, IntegerCase{"0", 0}, IntegerCase{"-5", -5}, IntegerCase{"+5", 5},
                    IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31}, IntegerCase{"-0x10", -16},
                    IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"4294967295", -1},
                    IntegerCase{"2147483648", INT_MIN}, IntegerCase{"-2147483633", -2147483633},
                    IntegerCase{"4294967306", 10},  // wraps modulo 2^32
                    IntegerCase{" \t7", 7}, IntegerCase{"12abc", 12}, IntegerCase{"1 2", 1}, IntegerCase{"1e3", 1},
                    IntegerCase{"0x1g", 1}, IntegerCase{"0x", 0},  // a bare prefix reads as the digit 0
                    IntegerCase{"abc", std::nullopt}, IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt},
                    IntegerCase{"- 5", std::nullopt}, IntegerCase{"0xg", std::nullopt},
                    IntegerCase{"x", std::nullopt}, IntegerCase{"\xD0\xB4\xD0\xB0", std::nullopt}));

}  // namespace
}  // namespace orvella
