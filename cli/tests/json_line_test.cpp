#include "cli/json_line.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace tabulor {
namespace {

using Json = nlohmann::ordered_json;

TEST(FormatJsonLine, OneLineWithCommaSpaceAndColonSpace) {
    Json object = Json::object();
    object["z"] = 1;
    object["a"] = Json::array({1.5, "x", true, nullptr});
    object["m"] = Json::object();
    object["e"] = Json::array();
    object["n"] = {{"inner", -2}};
    EXPECT_EQ(formatJsonLine(object),
              R"({"z": 1, "a": [1.5, "x", true, null], "m": {}, "e": [], "n": {"inner": -2}})");
}

TEST(FormatJsonLine, StringsAreEscapedByTheLibrary) {
    Json object = Json::object();
    object["quote\"key"] = "back\\slash\nline\ttab\x01";
    EXPECT_EQ(formatJsonLine(object), R"({"quote\"key": "back\\slash\nline\ttab\u0001"})");
}

TEST(FormatJsonLine, InvalidUtf8IsReplacedNotThrown) {
    const Json text = std::string(
        "a\xff"
        "b");
    EXPECT_EQ(formatJsonLine(text),
              "\"a\xEF\xBF\xBD"
              "b\"");
}

TEST(JsonNumber, ShortestTextThatReadsBackExactly) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.33, "0.33"},      {0.1 + 0.2, "0.30000000000000004"},
        {12.0, "12.0"},      {0.0, "0.0"},
        {-0.0, "-0.0"},      {1e300, "1e+300"},
        {-1e300, "-1e+300"}, {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatJsonLine(jsonNumber(c.value)), c.text);
}

TEST(JsonNumber, NonFiniteValuesAreStrings) {
    EXPECT_EQ(formatJsonLine(jsonNumber(std::numeric_limits<double>::quiet_NaN())), "\"NaN\"");
    EXPECT_EQ(formatJsonLine(jsonNumber(-std::numeric_limits<double>::quiet_NaN())), "\"NaN\"");
    EXPECT_EQ(formatJsonLine(jsonNumber(std::numeric_limits<double>::infinity())), "\"Infinity\"");
    EXPECT_EQ(formatJsonLine(jsonNumber(-std::numeric_limits<double>::infinity())),
              "\"-Infinity\"");
}

TEST(JsonNumber, EveryFiniteValueRoundTrips) {
    const double values[] = {2.0 / 3.0,
                             1e-300,
                             5e-324,
                             DBL_MAX,
                             -DBL_MIN,
                             123456789012.34,
                             0.1,
                             1e23,
                             9.999999999999999e22,
                             std::nextafter(1.0, 2.0),
                             -4.94e-322,
                             1e15 + 0.3};
    for (const double value : values) {
        const std::string text = formatJsonLine(jsonNumber(value));
        const double back = nlohmann::json::parse(text).get<double>();
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    }
}

}  // namespace
}  // namespace tabulor
