#include "model/distance.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

TEST(Distance, MadridToBarcelonaUsesTheProgramsSphere) {
    const std::int32_t metres = DistanceMetres(MakePointTrig(-3.70380, 40.41680), 2.17446, 41.38790);
    EXPECT_EQ(metres, 506152);
    EXPECT_EQ(FormatDistance(metres, true), u"506.2  km");
    EXPECT_EQ(FormatDistance(metres, false), u"314.5  mi");
}

TEST(Distance, IdenticalPointsAreZeroAndTheSmallestStepIsOneMetre) {
    EXPECT_EQ(DistanceMetres(MakePointTrig(-3.7038, 40.4168), -3.7038, 40.4168), 0);
    EXPECT_EQ(DistanceMetres(MakePointTrig(-3.70380, 40.41680), -3.70380, 40.41681), 1);
}

TEST(Distance, AntipodesDoNotLeaveTheDomainOfArccos) {
    const std::int32_t metres = DistanceMetres(MakePointTrig(0, 0), 180, 0);
    EXPECT_NEAR(metres, 20037509, 1);
}

struct FormatCase {
    std::int32_t metres;
    bool metric;
    const char16_t* text;
};

class FormatDistanceTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDistanceTest, UnitSwitchesAtTheirThresholds) {
    EXPECT_EQ(FormatDistance(GetParam().metres, GetParam().metric), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Units, FormatDistanceTest,
                         ::testing::Values(FormatCase{0, true, u"0    m"}, FormatCase{999, true, u"999    m"},
                                           FormatCase{1000, true, u"1.0  km"}, FormatCase{1049, true, u"1.0  km"},
                                           FormatCase{850, true, u"850    m"}, FormatCase{1500, true, u"1.5  km"},
                                           FormatCase{160, false, u"524    pi"}, FormatCase{161, false, u"0.1  mi"},
                                           FormatCase{1609344, false, u"1000.0  mi"}));

}  // namespace
}  // namespace wayloom
