// The real properties sheet under Wine: what each way of closing it stores,
// the parents it opens over, the credit link and the controls' version.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "framework/text.h"
#include "host/extension.h"
#include "ostrel/archive.h"
#include "resources/resource_ids.h"
#include "sheet_harness.h"

namespace mervane::dialogs {
namespace {

// Texts the sheet must carry through unchanged, whatever a page does.
CartSettings CartWithAwkwardTexts() {
  CartSettings cart;
  CProduct cake;
  cake.name = FromUtf8("Two\r\nlines\tand \xF0\x9F\x8E\x82");
  cake.description = OString(100000, L'x');
  cake.image = L"Z:\\missing\\cake.png";
  cart.products.Append(cake);
  cart.checkoutScript = OString(1 << 20, L'p');
  cart.hiddenFields = {L"item|a|b", L"note|line one\r\nline two"};
  return cart;
}

std::vector<uint8_t> WidgetBlock(CMervaneExtension& widget) {
  COstrelMemoryArchive stream;
  widget.Serialize(stream);
  return stream.Bytes();
}

TEST(Sheet, OkWithoutChangesCancelAndTheCloseBoxKeepTheStoredBlock) {
  struct Closing {
    const char* name;
    void (*close)(const Driver&, HWND);
    bool ok;
  };
  const Closing closings[] = {
      {"OK", [](const Driver& d, HWND sheet) { d.Press(sheet, PSBTN_OK); }, true},
      {"Cancel", [](const Driver& d, HWND sheet) { d.Press(sheet, PSBTN_CANCEL); }, false},
      {"close box", [](const Driver& d, HWND sheet) { d.Close(sheet); }, false},
  };
  for (CartSettings cart : {CartSettings(), CartWithAwkwardTexts()}) {
    for (const Closing& closing : closings) {
      const auto before = StoredBlock(cart);
      SheetRun run = RunSheet(cart, closing.close);
      EXPECT_EQ(run.failure, "") << closing.name;
      EXPECT_EQ(run.ok, closing.ok) << closing.name;
      EXPECT_TRUE(StoredBlock(cart) == before) << closing.name;
    }
  }
}

TEST(Sheet, PropertiesOpensOverANullDestroyedOrLiveParentEveryTime) {
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND gone = CreateWindowExW(0, L"STATIC", L"gone", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  CMervaneExtension widget;
  const auto before = WidgetBlock(widget);
  for (HWND parent : {HWND{nullptr}, gone, host, host}) {
    const auto start = std::chrono::steady_clock::now();
    std::string failure = RunDriven([&] { widget.Properties(parent); }, [&](const Driver& d) {
      HWND sheet = d.WaitForWindow(kSheetCaption);
      std::chrono::duration<double, std::milli> opening = std::chrono::steady_clock::now() - start;
      std::printf("sheet open after %.0f ms\n", opening.count());
      EXPECT_EQ(GetWindow(sheet, GW_OWNER), parent == host ? host : nullptr);
      EXPECT_EQ(IsWindowEnabled(host), parent != host) << "a modal sheet disables its owner";
      d.Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(IsWindowEnabled(host));
    EXPECT_TRUE(WidgetBlock(widget) == before);
  }
  DestroyWindow(host);
}

TEST(Sheet, CreditLinkHelpAndVersion6Controls) {
  CartSettings cart;
  SheetRun run = RunSheet(cart, [](const Driver& d, HWND sheet) {
    HWND link = d.Control(sheet, IDC_CREDIT_LINK);
    RECT client = {}, box = {};
    GetClientRect(sheet, &client);
    GetWindowRect(link, &box);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, client.left + 8);
    EXPECT_EQ(box.right, client.left + 208);
    EXPECT_EQ(box.top, client.bottom - 25);
    EXPECT_EQ(box.bottom, client.bottom);

    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_TRUE(font.lfUnderline);
    HDC dc = CreateCompatibleDC(nullptr);
    LRESULT brush = SendMessageW(sheet, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    DeleteDC(dc);
    EXPECT_TRUE(SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)))
        << "the link sets its own pointer";

    d.Press(sheet, PSBTN_HELP);
    Sleep(200);
    EXPECT_EQ(d.Windows(), std::vector<HWND>{sheet}) << "Help reports nothing";

    SIZE ideal = {};
    EXPECT_TRUE(SendMessageW(GetDlgItem(sheet, IDOK), BCM_GETIDEALSIZE, 0,
                             reinterpret_cast<LPARAM>(&ideal)))
        << "only version 6 buttons know their ideal size";
    d.Press(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(run.failure, "");
  EXPECT_FALSE(run.ok);
}

}  // namespace
}  // namespace mervane::dialogs
