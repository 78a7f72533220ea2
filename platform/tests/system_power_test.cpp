#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/system_services.h"

namespace tabulor {
namespace {

class SystemPowerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() /
            ("tabulor-power-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void addSupply(const std::string& name, const std::string& type, const std::string& capacity) {
        const auto dir = root_ / name;
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "type") << type << "\n";
        if (!capacity.empty()) std::ofstream(dir / "capacity") << capacity << "\n";
    }

    PowerStatus query() const {
        PowerStatus status{1, 1};
        EXPECT_TRUE(SystemPower(root_).query(status));
        return status;
    }

    std::filesystem::path root_;
};

TEST_F(SystemPowerTest, NoBatteryIsUnknown) {
    addSupply("AC", "Mains", "");
    const PowerStatus status = query();
    EXPECT_EQ(status.mainPercent, 255);
    EXPECT_EQ(status.backupPercent, 255);
}

TEST_F(SystemPowerTest, MissingDirectoryIsUnknown) {
    PowerStatus status{1, 1};
    EXPECT_TRUE(SystemPower(root_ / "absent").query(status));
    EXPECT_EQ(status.mainPercent, 255);
    EXPECT_EQ(status.backupPercent, 255);
}

TEST_F(SystemPowerTest, BatteriesInNameOrder) {
    addSupply("BAT1", "Battery", "80");
    addSupply("AC", "Mains", "");
    addSupply("BAT0", "Battery", "15");
    const PowerStatus status = query();
    EXPECT_EQ(status.mainPercent, 15);
    EXPECT_EQ(status.backupPercent, 80);
}

TEST_F(SystemPowerTest, UnreadableCapacityIsUnknown) {
    addSupply("BAT0", "Battery", "101");
    addSupply("BAT1", "Battery", "full");
    const PowerStatus status = query();
    EXPECT_EQ(status.mainPercent, 255);
    EXPECT_EQ(status.backupPercent, 255);
}

}  // namespace
}  // namespace tabulor
