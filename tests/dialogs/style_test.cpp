// The Style page's grid under Wine, driven with the keys a user presses:
// one edit of each editor kind (and the system colour dialog behind the
// palette) reaches the cart on OK only, and a cart whose values no editor
// offers comes back unchanged.
#include <gtest/gtest.h>

#include <colordlg.h>

#include "resources/resource_ids.h"
#include "sheet_harness.h"
#include "style_grid_keys.h"

namespace mervane::dialogs {
namespace {

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

      // The selection moves on before the pick is reported, as a message sent
      // to the grid by assistive technology may overtake the popup's report.
      grid.Select(L"Checkout Button", L"FontSize");
      HWND sizes = grid.OpenPopup(L"ListBox");
      grid.Key(grid.window, VK_UP);
      grid.Pick(sizes, {VK_END, VK_RETURN});
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

}  // namespace
}  // namespace mervane::dialogs
