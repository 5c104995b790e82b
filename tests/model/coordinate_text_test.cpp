#include "model/coordinate_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace wayloom {
namespace {

constexpr CoordinateKind Lng = CoordinateKind::Lng;
constexpr CoordinateKind Lat = CoordinateKind::Lat;
constexpr CoordinateKind Either = CoordinateKind::Either;

constexpr CoordinateDisplay Decimal{false, false};
constexpr CoordinateDisplay Lettered{false, true};
constexpr CoordinateDisplay Dms{true, false};
constexpr CoordinateDisplay DmsLettered{true, true};

TEST(ReadLeadingNumber, ReadsLikeTheCLibraryInTheCLocale) {
    const struct {
        std::u16string_view text;
        double value;
        std::size_t consumed;
    } cases[] = {
        {u"25'", 25, 2},         {u".5", 0.5, 2},          {u"abc", 0, 0},           {u"", 0, 0},
        {u"-", 0, 0},            {u".", 0, 0},             {u"-.", 0, 0},            {u"+7", 7, 2},
        {u" \t\n-3.5e2x", -350, 9}, {u"2E-1", 0.2, 4},     {u"1e", 1, 1},            {u"1e+", 1, 1},
        {u"1.e2", 100, 4},       {u"1.2.3", 1.2, 3},       {u"0x10", 0, 1},          {u"inf", 0, 0},
        {u"nan", 0, 0},          {u"1,5", 1, 1},           {u"\u3000" u"4", 0, 0},   {u"12abc", 12, 2},
        {u"- 3", 0, 0},          {u"1e-999", 0, 6},
    };
    for (const auto& c : cases) {
        std::size_t consumed = 99;
        EXPECT_EQ(ReadLeadingNumber(c.text, &consumed), c.value) << testing::PrintToString(std::u16string(c.text));
        EXPECT_EQ(consumed, c.consumed) << testing::PrintToString(std::u16string(c.text));
    }
}

TEST(ReadLeadingNumber, OverflowGivesSignedInfinity) {
    EXPECT_EQ(ReadLeadingNumber(u"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber(u"-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber(std::u16string(400, u'9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber(u"0.0001e-99999999999999999999"), 0);
}

TEST(FormatFiveDecimals, WritesFixedFiveDecimals) {
    EXPECT_EQ(FormatFiveDecimals(2.17446), u"2.17446");
    EXPECT_EQ(FormatFiveDecimals(-3.7038), u"-3.70380");
    EXPECT_EQ(FormatFiveDecimals(0), u"0.00000");
    EXPECT_EQ(FormatFiveDecimals(180), u"180.00000");
    EXPECT_EQ(FormatFiveDecimals(40.416666666), u"40.41667");
}

TEST(FormatScaledFiveDecimals, WritesWhatFormatFiveDecimalsWritesForTheQuotient) {
    std::u16string text = u"reused";
    for (const std::int64_t scaled : {0LL, 1LL, -1LL, 99999LL, -100000LL, -370380LL, 18000000LL, -9000000LL,
                                      123456789012LL}) {
        FormatScaledFiveDecimals(scaled, text);
        EXPECT_EQ(text, FormatFiveDecimals(static_cast<double>(scaled) / 100000)) << scaled;
    }
    FormatScaledFiveDecimals(std::numeric_limits<std::int64_t>::min(), text);
    EXPECT_EQ(text, u"-92233720368547.75808");
}

// Input, kind, then the stored text for each display setting.
struct WorkedExample {
    std::u16string_view input;
    CoordinateKind kind;
    std::u16string_view decimal, lettered, dms, dmsLettered;
};

constexpr WorkedExample WorkedExamples[] = {
    {u"2.17446", Lng, u"2.17446", u"E 2.17446", u"2° 10' 28.06\"", u"E 2° 10' 28.06\""},
    {u"-3.7038", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"3.7038 w", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"- 3.7038", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"W -3.7038", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"-3.7038 E", Lng, u"3.70380", u"E 3.70380", u"3° 42' 13.68\"", u"E 3° 42' 13.68\""},
    {u"3°42'13.68\"W", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"3 42 13.68", Lng, u"3.70380", u"E 3.70380", u"3° 42' 13.68\"", u"E 3° 42' 13.68\""},
    {u"-3° 42′ 13.68″", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"", u"W 3° 42' 13.68\""},
    {u"N40.4168", Lat, u"40.41680", u"N 40.41680", u"40° 25' 00.48\"", u"N 40° 25' 00.48\""},
    {u"40 25 0.5", Lat, u"40.41681", u"N 40.41681", u"40° 25' 00.52\"", u"N 40° 25' 00.52\""},
    {u"40°25'", Lat, u"40.41667", u"N 40.41667", u"40° 25' 00.01\"", u"N 40° 25' 00.01\""},
    {u"33.8688 s", Lat, u"-33.86880", u"S 33.86880", u"-33° 52' 07.68\"", u"S 33° 52' 07.68\""},
    {u"-0 30", Lat, u"-0.50000", u"S 0.50000", u"-0° 30' 00.00\"", u"S 0° 30' 00.00\""},
    {u"12'30", Lng, u"0.20833", u"E 0.20833", u"0° 12' 29.99\"", u"E 0° 12' 29.99\""},
    {u".5", Lat, u"0.50000", u"N 0.50000", u"0° 30' 00.00\"", u"N 0° 30' 00.00\""},
    {u"-0.000001", Lng, u"0.00000", u"E 0.00000", u"0° 00' 00.00\"", u"E 0° 00' 00.00\""},
    {u"180", Lng, u"180.00000", u"E 180.00000", u"180° 00' 00.00\"", u"E 180° 00' 00.00\""},
    {u"-180.000004", Lng, u"-180.00000", u"W 180.00000", u"-180° 00' 00.00\"", u"W 180° 00' 00.00\""},
    // Other marks of the alphabet, lower-case letters and surrounding blanks and controls.
    {u"\u3000 3˚42\u00B413.68\u0094 w\u200E ", Lng, u"-3.70380", u"W 3.70380", u"-3° 42' 13.68\"",
     u"W 3° 42' 13.68\""},
    {u"s 33゜52\u3001 7.68＂", Lat, u"-33.86880", u"S 33.86880", u"-33° 52' 07.68\"", u"S 33° 52' 07.68\""},
    {u"-12'30", Lng, u"-0.20833", u"W 0.20833", u"-0° 12' 29.99\"", u"W 0° 12' 29.99\""},
    {u"+ 90", Lat, u"90.00000", u"N 90.00000", u"90° 00' 00.00\"", u"N 90° 00' 00.00\""},
};

TEST(ParseCoordinate, WorkedExamplesInEveryDisplayForm) {
    for (const WorkedExample& example : WorkedExamples) {
        const std::pair<CoordinateDisplay, std::u16string_view> forms[] = {
            {Decimal, example.decimal}, {Lettered, example.lettered}, {Dms, example.dms},
            {DmsLettered, example.dmsLettered}};
        for (const auto& [display, expected] : forms) {
            std::u16string out;
            ASSERT_TRUE(ParseCoordinate(example.input, example.kind, display, out))
                << testing::PrintToString(std::u16string(example.input));
            EXPECT_EQ(out, expected) << testing::PrintToString(std::u16string(example.input)) << " dms "
                                     << display.dms << " compass " << display.compass;
        }
    }
}

TEST(ParseCoordinate, RejectsBadTexts) {
    const struct {
        std::u16string_view input;
        CoordinateKind kind;
    } cases[] = {
        {u"181", Lng},       {u"91", Lat},        {u"-90.00001", Lat}, {u"N 40.4168", Lng}, {u"E 3.7", Lat},
        {u"3.7 n", Lng},     {u"40 w", Lat},      {u"1,5", Lng},        {u"abc", Lng},      {u"-", Lng},
        {u"N", Lat},         {u"N  ", Lat},       {u"--40", Lat},       {u"", Lng},         {u"  \t", Lat},
        {u"- °", Lng},       {u"W E", Lng},       {u"1e5", Lng},        {u"1e999 W", Lng},  {u"3;4", Lng},
    };
    for (const auto& c : cases) {
        for (const CoordinateDisplay& display : {Decimal, DmsLettered}) {
            std::u16string out = u"untouched";
            EXPECT_FALSE(ParseCoordinate(c.input, c.kind, display, out))
                << testing::PrintToString(std::u16string(c.input));
            EXPECT_EQ(out, u"untouched");
        }
    }
}

TEST(ParseCoordinate, EitherKindYieldsPlainDecimalWithoutRangeOrLetterChecks) {
    const struct {
        std::u16string_view input, expected;
    } cases[] = {
        {u"3.7038 N", u"3.70380"}, {u"3.7038 S", u"-3.70380"}, {u"E 200", u"200.00000"},
        {u"40°25'", u"40.41667"},  {u"-0.000001", u"0.00000"},
    };
    for (const auto& c : cases) {
        std::u16string out;
        ASSERT_TRUE(ParseCoordinate(c.input, Either, DmsLettered, out));
        EXPECT_EQ(out, c.expected);
    }
}

TEST(ParseCoordinate, DestinationMayBeTheSource) {
    std::u16string text = u"3.7038 w";
    ASSERT_TRUE(ParseCoordinate(text, Lng, Lettered, text));
    EXPECT_EQ(text, u"W 3.70380");
}

TEST(FormatCheckedCoordinate, RoundsThenChecksTheKindsRange) {
    EXPECT_EQ(FormatCheckedCoordinate(true, 18000000, Lng, Decimal), u"180.00000");
    EXPECT_EQ(FormatCheckedCoordinate(true, -370380, Lng, Lettered), u"W 3.70380");
    EXPECT_FALSE(FormatCheckedCoordinate(true, 18000001, Lng, Decimal));
    EXPECT_FALSE(FormatCheckedCoordinate(true, 9000001, Lat, Decimal));
    EXPECT_FALSE(FormatCheckedCoordinate(false, 90.00001, Either, Decimal));
    EXPECT_EQ(FormatCheckedCoordinate(false, -90.000004, Lat, Decimal), u"-90.00000");
    EXPECT_FALSE(FormatCheckedCoordinate(false, std::numeric_limits<double>::infinity(), Lng, Decimal));
    EXPECT_FALSE(FormatCheckedCoordinate(false, std::nan(""), Lat, Decimal));
    EXPECT_FALSE(FormatCheckedCoordinate(false, 1e300, Lat, Dms));
}

TEST(FormatDms, BringsTheValueToWholeHundredThousandthsFirst) {
    EXPECT_EQ(FormatDms(40.0 + 25.0 / 60), u"40° 25' 00.01\"");
    EXPECT_EQ(FormatDms(-0.5), u"-0° 30' 00.00\"");
    EXPECT_EQ(FormatDms(0), u"0° 00' 00.00\"");
    EXPECT_EQ(FormatDms(-179.999999), u"-180° 00' 00.00\"");
}

TEST(StripCompassLetter, TurnsTheLetterIntoASign) {
    const struct {
        std::u16string_view text, expected;
    } cases[] = {
        {u"W 3.70380", u"-3.70380"}, {u"S 33° 52' 07.68\"", u"-33° 52' 07.68\""},
        {u"E 2.17446", u"2.17446"},  {u"N 40.41680", u"40.41680"},
        {u"-3.70380", u"-3.70380"},  {u"3.70380", u"3.70380"},
        {u"", u""},                  {u"E", u""},
        {u"W", u"-"},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        StripCompassLetter(text);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(AddCompassLetter, OnlyWithCompassDirection) {
    std::u16string text = u"-3.70380";
    AddCompassLetter(text, Lng, Dms);
    EXPECT_EQ(text, u"-3.70380");
    AddCompassLetter(text, Lat, Lettered);
    EXPECT_EQ(text, u"S 3.70380");
    text = u"0.00000";
    AddCompassLetter(text, Either, Lettered);
    EXPECT_EQ(text, u"N 0.00000");
}

TEST(ReadCoordinateText, ReadsEveryDisplayFormAndLeavesTheLetterAsASign) {
    const struct {
        std::u16string_view text;
        double degrees;
        std::u16string_view after;
    } cases[] = {
        {u"W 3° 42' 13.68\"", -3.7038, u"-3° 42' 13.68\""},
        {u"N 40° 25' 00.48\"", 40.4168, u"40° 25' 00.48\""},
        {u"-0° 30' 00.00\"", -0.5, u"-0° 30' 00.00\""},
        {u"S 33.86880", -33.8688, u"-33.86880"},
        {u"40.41680", 40.4168, u"40.41680"},
        {u"E 0° 12' 29.99\"", 12.0 / 60 + 29.99 / 3600, u"0° 12' 29.99\""},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        EXPECT_NEAR(ReadCoordinateText(text), c.degrees, 1e-9) << testing::PrintToString(text);
        EXPECT_EQ(text, c.after);
    }
}

TEST(ReadDisplayedCoordinate, FollowsTheDisplayOptions) {
    EXPECT_NEAR(ReadDisplayedCoordinate(u"W 3° 42' 13.68\"", DmsLettered), -3.7038, 1e-9);
    EXPECT_NEAR(ReadDisplayedCoordinate(u"-3° 42' 13.68\"", Dms), -3.7038, 1e-9);
    EXPECT_DOUBLE_EQ(ReadDisplayedCoordinate(u"S 33.86880", Lettered), -33.8688);
    EXPECT_DOUBLE_EQ(ReadDisplayedCoordinate(u"-3.70380", Decimal), -3.7038);
    EXPECT_EQ(ReadDisplayedCoordinate(u"", Decimal), 0);
}

TEST(ReadScaledCoordinate, RoundsHalfAwayFromZero) {
    EXPECT_EQ(ReadScaledCoordinate(u"-3.70380", Decimal), -370380);
    EXPECT_EQ(ReadScaledCoordinate(u"W 3° 42' 13.68\"", DmsLettered), -370380);
    EXPECT_EQ(ReadScaledCoordinate(u"N 40° 25' 00.01\"", DmsLettered), 4041667);
    EXPECT_EQ(ReadScaledCoordinate(u"E 180.00000", Lettered), 18000000);
    EXPECT_EQ(ReadScaledCoordinate(u"0.000025", Decimal), 3);
    EXPECT_EQ(ReadScaledCoordinate(u"-0.000025", Decimal), -3);
    EXPECT_EQ(ReadScaledCoordinate(u"-0.000015", Decimal), -2);
    EXPECT_EQ(ReadScaledCoordinate(u"0.0000149", Decimal), 1);
    // Out-of-range texts are clamped, never converted out of range.
    EXPECT_EQ(ReadScaledCoordinate(u"1e300", Decimal), std::numeric_limits<ScaledCoordinate>::max());
    EXPECT_EQ(ReadScaledCoordinate(u"-1e999", Decimal), std::numeric_limits<ScaledCoordinate>::min());
}

TEST(ToPlainDecimal, GivesThePlainNumberOfEveryDisplayForm) {
    const struct {
        std::u16string_view text;
        CoordinateDisplay display;
        std::u16string_view expected;
    } cases[] = {
        {u"W 3° 42' 13.68\"", DmsLettered, u"-3.70380"}, {u"40° 25' 00.01\"", Dms, u"40.41667"},
        {u"N 40.41680", Lettered, u"40.41680"},          {u"-3.70380", Decimal, u"-3.70380"},
        {u"", DmsLettered, u""},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        ToPlainDecimal(text, c.display);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(ReformatCoordinateText, PlainDecimalIntoTheDisplayForm) {
    const struct {
        std::u16string_view text;
        CoordinateKind kind;
        CoordinateDisplay display;
        std::u16string_view expected;
    } cases[] = {
        {u"-3.70380", Lng, DmsLettered, u"W 3° 42' 13.68\""}, {u"-3.70380", Lng, Dms, u"-3° 42' 13.68\""},
        {u"40.41680", Lat, Lettered, u"N 40.41680"},          {u"40.41680", Lat, Decimal, u"40.41680"},
        {u"", Lat, DmsLettered, u""},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        ReformatCoordinateText(text, c.kind, c.display);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(IsPlainNumber, SignedDecimalWithoutExponent) {
    const struct {
        std::u16string_view text;
        bool plain;
    } cases[] = {
        {u"0", true},    {u"-0.0", true},  {u"+12.5", true}, {u"+.5", true},   {u"7.", true},
        {u"abc", false}, {u"", false},     {u".", false},    {u"-", false},    {u"1.2.3", false},
        {u"1-2", false}, {u"1e5", false},  {u"12abc", false}, {u"--1", false}, {u"1 2", false},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        EXPECT_EQ(IsPlainNumber(text), c.plain) << testing::PrintToString(text);
    }
    std::u16string padded = u"\u3000 -0.0\x01 ";
    EXPECT_TRUE(IsPlainNumber(padded));
    EXPECT_EQ(padded, u"-0.0");
}

}  // namespace
}  // namespace wayloom
