#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/tray.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "shared/palette_link.h"

namespace {

std::string ItemText(HMENU menu, UINT position) {
  char text[128] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

bool Checked(UINT id) { return (GetMenuState(trayMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
bool Greyed(UINT id) { return (GetMenuState(trayMenu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class TrayMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    appInstance = GetModuleHandleA(nullptr);
    settings = Settings{};
    settings.ShowPicker = 1;
    settings.ZoomLevel = 8;
    SetDefaultRangeList();
  }
  void TearDown() override {
    DestroyMenu(trayMenu);
    trayMenu = rangeMenu = nullptr;
    FreeRangeList();
  }
};

TEST_F(TrayMenuTest, RangeSubmenuFollowsTheRangeList) {
  ASSERT_NE(BuildTrayMenu(), nullptr) << "MENU 3000 is in the test's resources";
  HMENU popup = GetSubMenu(trayMenu, 0);
  EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), 1301u);
  EXPECT_EQ(ItemText(popup, 4), "範囲(&R)");
  EXPECT_EQ(GetSubMenu(popup, 4), rangeMenu);
  ASSERT_EQ(GetMenuItemCount(rangeMenu), 4);
  EXPECT_EQ(ItemText(rangeMenu, 0), "1 ピクセル");
  EXPECT_EQ(GetMenuItemID(rangeMenu, 0), 1500u);
  EXPECT_TRUE(GetMenuState(rangeMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(ItemText(rangeMenu, 3), "15 ピクセル");
  EXPECT_EQ(GetMenuItemID(rangeMenu, 3), 1502u);

  // Rebuilt after the list changed: the old items go.
  const std::int32_t sizes[] = {3, 101};
  SetRangeList(sizes, 2, 1);
  BuildTrayMenu();
  ASSERT_EQ(GetMenuItemCount(rangeMenu), 3);
  EXPECT_EQ(ItemText(rangeMenu, 2), "101 ピクセル");
  EXPECT_EQ(GetMenuItemID(rangeMenu, 2), 1501u);
}

TEST_F(TrayMenuTest, StatesAreSetEachTimeTheMenuOpens) {
  BuildTrayMenu();
  rangeIndex = 2;
  UpdateTrayMenuStates();
  EXPECT_TRUE(Checked(CMD_SHOW_PICKER));
  EXPECT_FALSE(Checked(CMD_SHOW_PALETTE));
  EXPECT_TRUE(Greyed(CMD_ZOOM)) << "UseToggleForZoom is off";
  EXPECT_TRUE(Checked(CMD_ZOOM_X8));
  EXPECT_FALSE(Checked(CMD_ZOOM_X4));
  EXPECT_TRUE(Checked(1502));
  EXPECT_FALSE(Checked(CMD_RANGE_FIRST));

  settings.UseToggleForZoom = 1;
  settings.ZoomLevel = 12;
  settings.ShowPicker = 0;
  paletteWanted = 1;
  rangeIndex = 0;
  UpdateTrayMenuStates();
  paletteWanted = 0;
  EXPECT_FALSE(Greyed(CMD_ZOOM));
  EXPECT_TRUE(Checked(CMD_ZOOM_X12));
  EXPECT_FALSE(Checked(CMD_ZOOM_X8));
  EXPECT_FALSE(Checked(CMD_SHOW_PICKER));
  EXPECT_TRUE(Checked(CMD_SHOW_PALETTE));
  EXPECT_TRUE(Checked(CMD_RANGE_FIRST));
  EXPECT_FALSE(Checked(1502));
}

}  // namespace
