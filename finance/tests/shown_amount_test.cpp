// The fast rounding against the display's own: printFixed's text and what it reads back as.
#include "finance/shown_amount.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace tabulor {
namespace {

TEST(ShownAmount, IsTheDisplaysRoundingToTheBitAndItsTextToTheCharacter) {
    std::mt19937_64 random(37);
    std::uniform_int_distribution<int> decimals(0, 9);
    std::uniform_real_distribution<double> magnitude(-12.0, 16.0);
    for (int k = 0; k < 200000; ++k) {
        const int d = decimals(random);
        double x = std::pow(10.0, magnitude(random)) * (random() % 2 == 0 ? 1.0 : -1.0);
        // Every other one at or beside a halfway case of the decimals, where the two roundings
        // can part.
        if (k % 2 == 0) {
            const double units = std::floor(std::fabs(x) * std::pow(10.0, d));
            x = std::copysign((units + 0.5) / std::pow(10.0, d), x);
            if (k % 4 == 0) x = std::nextafter(x, random() % 2 == 0 ? 0.0 : 2.0 * x);
        }
        SCOPED_TRACE(testing::Message() << std::hexfloat << x << " to " << d << " decimals");
        const std::string printed(textOf(printFixed(x, d)));
        if (!printed.empty()) {
            EXPECT_EQ(textOf(amountText(x, d)), printed);
        }
        const double read = parseLeadingNumber(textOf(amountText(x, d))) + 0.0;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*shownAmount(x, d)),
                  std::bit_cast<std::uint64_t>(read));
    }
}

}  // namespace
}  // namespace tabulor
