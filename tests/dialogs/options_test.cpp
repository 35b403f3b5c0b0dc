// The Options page under Wine: the processor list with its presets, the URL
// field, the switches and both editors on the real sheet.
#include <gtest/gtest.h>

#include "model/gateways.h"
#include "publish/checkout_script.h"
#include "resources/resource_ids.h"
#include "sheet_harness.h"

namespace mervane::dialogs {
namespace {

constexpr int kSwitches[] = {IDC_OPTIONS_IMAGE, IDC_OPTIONS_IMAGE_TOOLTIP, IDC_OPTIONS_SEARCH,
                             IDC_OPTIONS_CATEGORY_FILTER};
const std::wstring kScript(1 << 20, L'p');

std::wstring Checks(HWND page) {
  std::wstring checks;
  for (int id : kSwitches) checks += IsDlgButtonChecked(page, id) == BST_CHECKED ? L'1' : L'0';
  return checks;
}

// The URL field as "enabled:text" or "disabled:text".
std::wstring Url(const Driver& d, HWND page) {
  HWND url = d.Control(page, IDC_OPTIONS_URL);
  return (IsWindowEnabled(url) ? L"enabled:" : L"disabled:") + d.Text(url);
}

std::wstring Pick(const Driver& d, HWND page, int processor) {
  HWND list = d.Control(page, IDC_OPTIONS_PROCESSOR);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(processor), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_PROCESSOR, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  return Url(d, page);
}

// Each control's distance from its lower right corner to the dialog's.
std::wstring CornerDistances(HWND dialog) {
  RECT client;
  GetClientRect(dialog, &client);
  std::wstring distances;
  for (int id : {IDC_SCRIPT_TEXT, IDOK, IDCANCEL, IDC_SCRIPT_GRIP}) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    distances += std::to_wstring(client.right - r.right) + L"," +
                 std::to_wstring(client.bottom - r.bottom) + L";";
  }
  return distances;
}

// Clicks the page's Edit button and waits for the editor with this caption.
HWND OpenEditor(const Driver& d, HWND page, const wchar_t* caption) {
  d.Click(d.Control(page, IDC_OPTIONS_EDIT));
  return d.WaitForWindow(caption);
}

// Adds a row through the field editor's Add button and field dialog.
void AddField(const Driver& d, HWND editor, const std::wstring& name, const std::wstring& value) {
  d.Click(d.Control(editor, IDC_FIELDS_ADD));
  HWND field = d.WaitForWindow(L"Add Field");
  d.SetText(d.Control(field, IDC_FIELD_NAME), name);
  d.SetText(d.Control(field, IDC_FIELD_VALUE), value);
  d.Finish(field, IDOK);
}

TEST(OptionsPage, FieldsSwitchesAndUrlReachTheCartOnOkOnly) {
  for (int button : {PSBTN_OK, PSBTN_CANCEL}) {
    CartSettings cart;
    cart.paymentProcessor = 5;
    cart.checkoutUrl = L"https://old.example/";
    cart.hiddenFields = {L"instId|42", L"junk", L"note|a|b"};
    cart.enableImageTooltip = 0;
    CartSettings expected = cart;
    if (button == PSBTN_OK) {
      expected.checkoutUrl = L"https://pay.example/go";
      expected.hiddenFields = {L"instId|42", L"note|a|b", L"cartId|x\r\ny"};
      expected.enableImage = 0, expected.enableImageTooltip = 1;
    }
    SheetRun run = RunSheet(cart, [&](const Driver& d, HWND sheet) {
      HWND page = d.SelectPage(sheet, 2);
      EXPECT_EQ(SendDlgItemMessageW(page, IDC_OPTIONS_PROCESSOR, CB_GETCOUNT, 0, 0), 6);
      EXPECT_EQ(SendDlgItemMessageW(page, IDC_OPTIONS_PROCESSOR, CB_GETCURSEL, 0, 0), 5);
      EXPECT_EQ(Url(d, page), L"enabled:https://old.example/");
      EXPECT_EQ(Checks(page), L"1011");

      const wchar_t kFields[] = L"Payment Processor Hidden Fields";
      HWND editor = OpenEditor(d, page, kFields);
      EXPECT_EQ(ListRows(d.Control(editor, IDC_FIELDS_LIST)), L"instId,note,");
      EXPECT_EQ(FocusedRow(d.Control(editor, IDC_FIELDS_LIST)), 0);
      d.Finish(editor, IDCANCEL);
      editor = OpenEditor(d, page, kFields);
      AddField(d, editor, L"cartId", L"x\r\ny");
      HWND rows = d.Control(editor, IDC_FIELDS_LIST);
      d.WaitUntil([&] { return ListRows(rows) == L"instId,note,cartId,"; }, "a third row");
      d.Finish(editor, IDOK);

      d.Click(d.Control(page, IDC_OPTIONS_IMAGE));
      d.Click(d.Control(page, IDC_OPTIONS_IMAGE_TOOLTIP));
      d.WaitUntil([&] { return Checks(page) == L"0111"; }, "two switches turned");
      d.SetText(d.Control(page, IDC_OPTIONS_URL), L"https://pay.example/go");
      d.Press(sheet, button);
    });
    EXPECT_EQ(run.failure, "");
    EXPECT_TRUE(StoredBlock(cart) == StoredBlock(expected)) << button;
  }
}

// Edited back to the default, the script is stored empty; otherwise whole.
TEST(OptionsPage, PresetsOnEachPickTheFieldEditorAfterOtherAndTheScriptEditor) {
  const OString worldPay(FindGateway(2)->address);
  for (bool backToDefault : {false, true}) {
    CartSettings cart;
    cart.paymentProcessor = 4;
    cart.hiddenFields = {L"cmd|_cart"};
    cart.checkoutScript = kScript;
    CartSettings expected = cart;
    expected.paymentProcessor = 0;
    expected.checkoutUrl = L"mervane_checkout.php";
    expected.hiddenFields = {};
    expected.checkoutScript = backToDefault ? L"" : kScript + L"q";
    SheetRun run = RunSheet(cart, [&](const Driver& d, HWND sheet) {
      HWND page = d.SelectPage(sheet, 2);
      EXPECT_EQ(Pick(d, page, 2), L"disabled:" + worldPay);
      EXPECT_EQ(Pick(d, page, 5), L"enabled:" + worldPay);
      HWND fields = OpenEditor(d, page, L"Payment Processor Hidden Fields");
      HWND rows = d.Control(fields, IDC_FIELDS_LIST);
      EXPECT_TRUE(ColumnsHold(rows, {L"Name", L"Value"}));
      AddField(d, fields, L"a_long\tfield_name", L"a value");
      d.WaitUntil([&] { return ListRows(rows) == L"a_long field_name,"; }, "the row, on one line");
      EXPECT_TRUE(ColumnsHold(rows, {L"a_long field_name", L"Value"}));
      EXPECT_EQ(SelectedRow(rows), 0) << "the added row is selected";
      EXPECT_EQ(FocusedRow(rows), 0);
      const std::vector<int> widths = ColumnWidths(rows);
      const std::wstring longName(200, L'f');
      AddField(d, fields, longName, L"v");
      d.WaitUntil([&] { return SelectedRow(rows) == 1; }, "the second row selected");
      EXPECT_TRUE(ColumnsInView(rows));
      EXPECT_EQ(TipOver(rows, 1, 0), longName);
      d.Click(d.Control(fields, IDC_FIELDS_REMOVE));
      d.WaitUntil([&] { return ColumnWidths(rows) == widths; }, "the columns to shrink back");
      d.Finish(fields, IDCANCEL);
      EXPECT_EQ(Pick(d, page, 0), L"disabled:mervane_checkout.php");

      HWND editor = OpenEditor(d, page, L"Edit HTML");
      HWND box = d.Control(editor, IDC_SCRIPT_TEXT);
      EXPECT_EQ(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0), 1 << 20);
      LOGFONTW font = {};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof(font), &font);
      EXPECT_EQ(font.lfHeight, 14);
      EXPECT_STREQ(font.lfFaceName, L"Courier New");
      const std::wstring distances = CornerDistances(editor);
      EXPECT_TRUE(distances.ends_with(L";0,0;")) << distances;  // the grip in the corner
      RECT small, large;
      GetWindowRect(box, &small);
      GetWindowRect(editor, &large);
      SetWindowPos(editor, nullptr, 0, 0, large.right - large.left + 120,
                   large.bottom - large.top + 80, SWP_NOMOVE | SWP_NOZORDER);
      EXPECT_EQ(CornerDistances(editor), distances);
      GetWindowRect(box, &large);
      EXPECT_EQ(large.right - large.left, small.right - small.left + 120);
      EXPECT_EQ(large.bottom - large.top, small.bottom - small.top + 80);
      SendMessageW(box, EM_SETSEL, 1 << 20, 1 << 20);
      SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"q"));
      d.Finish(editor, IDOK);
      editor = OpenEditor(d, page, L"Edit HTML");
      box = d.Control(editor, IDC_SCRIPT_TEXT);
      EXPECT_EQ(d.Text(box), kScript + L"q");
      if (backToDefault) d.SetText(box, GetDefaultCheckoutScript());
      d.Finish(editor, IDOK);
      d.Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(run.failure, "");
    EXPECT_TRUE(StoredBlock(cart) == StoredBlock(expected)) << backToDefault;
  }
}

}  // namespace
}  // namespace mervane::dialogs
