// The Style page's grid under Wine, driven with the keys a user presses:
// one edit of each editor kind (and the system colour dialog behind the
// palette) reaches the cart on OK only, and a cart whose values no editor
// offers comes back unchanged.
#include <gtest/gtest.h>

#include <colordlg.h>

#include "properties/sheet_transfer.h"
#include "properties/style_cells.h"
#include "resources/resource_ids.h"
#include "sheet_harness.h"

namespace mervane::dialogs {
namespace {

constexpr int kStylePage = 1;

// The grid's row of an item: every category is unfolded when the page opens.
WPARAM RowOf(const CartSettings& cart, const OString& category, const OString& item) {
  auto store = BuildStyleStore(CopyIn(cart).style, {});
  WPARAM row = 0;
  for (const auto& c : store->Categories()) {
    ++row;
    for (const auto& value : c->Children()) {
      if (c->Name() == category && value->Name() == item) return row;
      ++row;
    }
  }
  ADD_FAILURE() << "no such item";
  return 0;
}

struct Grid {
  const Driver& d;
  HWND window;
  const CartSettings& cart;

  void Key(HWND target, WPARAM key) const { SendMessageW(target, WM_KEYDOWN, key, 0); }
  void Select(const wchar_t* category, const wchar_t* item) const {
    Key(window, VK_HOME);
    for (WPARAM row = RowOf(cart, category, item); row > 0; --row) Key(window, VK_DOWN);
  }
  void Type(const std::wstring& text) const {
    Key(window, VK_RETURN);
    HWND editor = FindWindowExW(window, nullptr, L"Edit", nullptr);
    d.SetText(editor, text);
    Key(editor, VK_RETURN);
    d.WaitUntil([&] { return !IsWindow(editor); }, "the editor closes");
  }
  HWND OpenPopup(const wchar_t* popupClass) const {
    Key(window, VK_F4);
    HWND popup = nullptr;
    d.WaitUntil([&] { return IsWindowVisible(popup = FindWindowW(popupClass, nullptr)); },
                "the popup opens");
    return popup;
  }
  void Pick(HWND popup, std::initializer_list<WPARAM> keys) const {
    for (WPARAM key : keys) Key(popup, key);
    d.WaitUntil([&] { return !IsWindowVisible(popup); }, "the popup closes");
  }
};

TEST(StylePage, OneEditOfEachKindReachesTheCartOnOkOnly) {
  for (bool ok : {true, false}) {
    CartSettings cart;
    CartSettings expected = cart;
    SheetRun run = RunSheet(cart, [&](const Driver& d, HWND sheet) {
      HWND page = d.SelectPage(sheet, kStylePage);
      Grid grid{d, d.Control(page, IDC_STYLE_GRID), cart};
      grid.Select(L"Labels", L"Products");
      grid.Type(L"Articles </script>");
      expected.labelProducts = L"Articles </script>";

      // Not in the palette: nothing is lit and Enter keeps it; the first move
      // lights the first swatch; the palette then opens on the colour picked.
      grid.Select(L"Buttons", L"BorderColor");
      for (auto keys :
           {std::initializer_list<WPARAM>{VK_RETURN}, {VK_DOWN, VK_RIGHT, VK_RETURN}, {VK_RETURN}}) {
        grid.Pick(grid.OpenPopup(L"CExtGridColorPopup"), keys);
      }
      expected.buttonsStyle.borderColor = RGB(153, 51, 0);

      grid.Select(L"Main", L"TextColor");  // "More colors..." lies below the swatches
      HWND palette = grid.OpenPopup(L"CExtGridColorPopup");
      for (int row = 0; row < 6; ++row) grid.Key(palette, VK_DOWN);  // the first may only light one
      PostMessageW(palette, WM_KEYDOWN, VK_RETURN, 0);  // the colour dialog is modal
      HWND colors = d.WaitForWindow(L"Color");
      for (int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE}) {
        d.SetText(d.Control(colors, id), std::to_wstring(id - COLOR_RED + 1));
      }
      d.Finish(colors, IDOK);
      expected.mainStyle.textColor = RGB(1, 2, 3);

      grid.Select(L"Products", L"Bold");
      grid.Key(grid.window, VK_SPACE);
      expected.productsStyle.bold = cart.productsStyle.bold ? 0 : 1;

      grid.Select(L"Message Bar", L"BorderRadius");
      grid.Key(grid.window, VK_ADD);
      expected.messageBarStyle.borderRadius += 1;

      grid.Select(L"Miscellaneous", L"Padding");  // stepped, then reset
      grid.Key(grid.window, VK_ADD);
      grid.Key(grid.window, VK_DELETE);

      grid.Select(L"Checkout Button", L"FontSize");
      grid.Pick(grid.OpenPopup(L"ListBox"), {VK_END, VK_RETURN});
      expected.checkoutButtonStyle.fontSize = 72;

      grid.Select(L"Buttons", L"FontName");
      HWND fonts = grid.OpenPopup(L"ListBox");
      auto last = SendMessageW(fonts, LB_GETCOUNT, 0, 0) - 1;
      ASSERT_GE(last, 0) << "the machine lists no font";
      std::wstring face(static_cast<size_t>(SendMessageW(fonts, LB_GETTEXTLEN, last, 0)), L'\0');
      SendMessageW(fonts, LB_GETTEXT, last, reinterpret_cast<LPARAM>(face.data()));
      SendMessageW(fonts, LB_SETCURSEL, last, 0);
      grid.Pick(fonts, {VK_RETURN});
      expected.buttonsStyle.fontName = OString(face.begin(), face.end());

      d.Press(sheet, ok ? PSBTN_OK : PSBTN_CANCEL);
    });
    EXPECT_EQ(run.failure, "");
    EXPECT_TRUE(StoredBlock(cart) == StoredBlock(ok ? expected : CartSettings())) << ok;
  }
}

// Sizes and fonts that no list holds, padding beyond the spin range and texts
// that the page must not interpret.
TEST(StylePage, ShowsHostileStylesAndStoresThemBackUnchanged) {
  CartSettings cart;
  cart.padding = -5;
  cart.mainStyle.fontSize = 13;
  cart.productsStyle.fontName = L"No Such Face";
  cart.buttonsStyle.borderRadius = 150;
  cart.labelCheckout = OString(70000, L'%');
  cart.cssFileName.clear();
  const auto before = StoredBlock(cart);
  SheetRun run = RunSheet(cart, [](const Driver& d, HWND sheet) {
    HWND grid = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    for (WPARAM key : {VK_HOME, VK_END, VK_PRIOR, VK_NEXT}) SendMessageW(grid, WM_KEYDOWN, key, 0);
    d.Press(sheet, PSBTN_OK);
  });
  EXPECT_EQ(run.failure, "");
  EXPECT_TRUE(run.ok);
  EXPECT_TRUE(StoredBlock(cart) == before);
}

}  // namespace
}  // namespace mervane::dialogs
