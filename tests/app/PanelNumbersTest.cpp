#include "PanelNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <set>
#include <string>
#include <tuple>
#include <utility>

using namespace mMain;

namespace {

constexpr float kMaxSingle = std::numeric_limits<float>::max();

// A decimal comma, as in a German or French locale.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

TEST(PanelNumbers, UnitsAndTriggerPositionsRoundTiesToEvenOnTheExactValue) {
    const double kmph = 0.277777791023254;
    const std::pair<double, double> ties[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}};
    for (const auto& [shown, rounded] : ties) {
        ASSERT_EQ(shown * kmph / kmph, shown); // an exact tie reaches the rounding
        EXPECT_EQ(SpeedToKmph(shown * kmph), rounded);
    }

    // 0.125 g and 0.375 g are exact in binary: true ties at two decimals.
    EXPECT_EQ(AccelToG(40209.0 / 32768), 0.12);
    EXPECT_EQ(AccelToG(3 * 40209.0 / 32768), 0.38);
    EXPECT_EQ(AccelToG(-40209.0 / 32768), -0.12);
    // Quotients whose product with 100 rounds to a tie although they are none: 0.005 lies a
    // little above, 0.015 a little below (checked with exact decimal arithmetic).
    ASSERT_EQ(0.049083251953125004 / 9.816650390625, 0.005);
    EXPECT_EQ(AccelToG(0.049083251953125004), 0.01);
    ASSERT_EQ(0.147249755859375 / 9.816650390625, 0.015);
    EXPECT_EQ(AccelToG(0.147249755859375), 0.01);

    // Trigger positions on the bar; 0.5 and positions beyond its end: SettingsPanelsTest. 0.3333
    // is 3332.9999…: nearest, not truncated; 1/32 and 3/32 are 312.5 and 937.5 exactly: to even.
    const std::pair<float, int> positions[] = {
        {0.0f, 0},  {0.3333f, 3333},   {1.0f / 32, 312},  {3.0f / 32, 938},
        {-0.5f, 0}, {INFINITY, 10000}, {std::nanf(""), 0}};
    for (const auto& [position, scroll] : positions)
        EXPECT_EQ(TriggerToScroll(position), scroll) << position;
}

// Plain numbers and trailing zeros as the panels show them: SettingsPanelsTest.
TEST(PanelNumbers, FormatWritesShortestPlainTextThatFitsTheBoxInAnyLocale) {
    // Stored singles with 7 significant digits, not their binary expansion; 15 digits for
    // converted doubles. Too long for the box: fewer digits in plain form while that keeps more
    // digits than the exponent form would, else the exponent form with as many digits as fit,
    // else "0".
    const std::tuple<double, int, int, const char*> cases[] = {
        {-0.0, kConvertedDigits, kNumberBoxLength, "0"},
        {1234567, kConvertedDigits, kNumberBoxLength, "1234567"},
        {1.1f, kSingleDigits, kNumberBoxLength, "1.1"},
        {1.0 / 3, kConvertedDigits, 20, "0.333333333333333"},
        {1.0f / 3, kSingleDigits, 20, "0.3333333"},
        {12345.67, kConvertedDigits, kNumberBoxLength, "12345.7"},
        {1.0 / 3, kConvertedDigits, kNumberBoxLength, "0.33333"},
        {12.34567f, kSingleDigits, kWaitBoxLength, "12.35"},
        {0.00123, kConvertedDigits, kNumberBoxLength, "0.00123"},
        {123456789, kConvertedDigits, kNumberBoxLength, "1.235E8"},
        {-123456789, kConvertedDigits, kNumberBoxLength, "-1.23E8"},
        {0.0000123, kConvertedDigits, kNumberBoxLength, "1.23E-5"},
        {kMaxSingle, kSingleDigits, kWaitBoxLength, "3E38"},
        {-1.5e-10f, kSingleDigits, kWaitBoxLength, "0"},
        {std::nan(""), kConvertedDigits, kNumberBoxLength, "NaN"},
        {-INFINITY, kConvertedDigits, kNumberBoxLength, "-Inf"},
        {3.4e38, kConvertedDigits, kNumberBoxLength, "3.4E38"},
        {-1e-30, kConvertedDigits, kNumberBoxLength, "-1E-30"}};
    for (const auto& [value, digits, length, text] : cases)
        EXPECT_EQ(FormatPanelNumber(value, digits, length), text) << value;

    // A decimal comma locale still writes and reads a point.
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    EXPECT_EQ(FormatPanelNumber(1.5, kConvertedDigits, kNumberBoxLength), "1.5");
    EXPECT_EQ(FormatPanelNumber(1234.5, kConvertedDigits, kNumberBoxLength), "1234.5");
    EXPECT_EQ(FormatPanelNumber(1.25e-9, kConvertedDigits, kNumberBoxLength), "1.25E-9");
    EXPECT_EQ(ParsePanelNumber("12.5"), 12.5);
    EXPECT_EQ(ParsePanelNumber("12,5"), 12.0);
    std::locale::global(previous);
}

TEST(PanelNumbers, ParseReadsTheLongestLeadingNumberAndStoredSinglesStayFinite) {
    // An exponent letter without digits ends the number before it; beyond the double range:
    // infinities of the sign, or zero.
    const std::pair<const char*, double> cases[] = {
        {"-3-4", -3.0},     {"  \t-3.5x", -3.5}, {"+4", 4.0},
        {"-.5", -0.5},      {"7.", 7.0},         {"007", 7.0},
        {"1E3", 1000.0},    {"2.5e-2", 0.025},   {"2d2", 200.0},
        {"3D+1", 30.0},     {"1e", 1.0},         {"1e+", 1.0},
        {"4E-x", 4.0},      {"1E999", INFINITY}, {"-0.01E99999999999999999999", -INFINITY},
        {"0.000E999", 0.0}, {"123456E-400", 0.0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParsePanelNumber(text), value) << '"' << text << '"';
    // Texts without a number.
    for (const char* none : {"", "-", ".", "-.", "abc", " ", "E5", "+", "--1"})
        EXPECT_EQ(ParsePanelNumber(none), 0.0) << '"' << none << '"';

    // Stored singles stay finite.
    EXPECT_EQ(StoredSingle(1e39), kMaxSingle);
    EXPECT_EQ(StoredSingle(INFINITY), kMaxSingle);
    EXPECT_EQ(StoredSingle(-INFINITY), -kMaxSingle);
    // A text within the single range whose conversion leaves it.
    EXPECT_EQ(StoredSingle(GToAccel(ParsePanelNumber("3E38"))), kMaxSingle);
    EXPECT_EQ(StoredSingle(double(kMaxSingle)), kMaxSingle);
    EXPECT_EQ(StoredSingle(0.1), 0.1f);
    EXPECT_EQ(StoredSingle(1e-50), 0.0f);
}

TEST(PanelNumbers, KeyFilterKeepsDigitsSignPointBackspaceAndEnter) {
    const std::set<int> kept = {8, 13, '-', '.', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    for (int code = -300; code < 70000; ++code) {
        auto key = static_cast<int16_t>(code);
        const int16_t typed = key;
        FilterNumericKey(key);
        EXPECT_EQ(key, kept.contains(typed) ? typed : 0) << code;
    }
}
