// The real properties sheet under Wine: what each way of closing it stores,
// the parents it opens over, the credit link, the guide that Help, F1 and
// the link open, and the controls' version.
#include <gtest/gtest.h>

#include <atomic>

#include "framework/text.h"
#include "host/extension.h"
#include "ostrel/archive.h"
#include "properties/win32/shell_open.h"
#include "resources/resource_ids.h"
#include "screen_reader.h"
#include "sheet_harness.h"

namespace mervane::dialogs {
namespace {

// The program carries the module's suffix, so its guide is named as the
// module's is.
std::wstring Guide() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.replace(path.rfind(L".uoex"), 5, L".pdf");
}

std::atomic<int> guideOpened = 0, otherOpened = 0;

void Record(const std::wstring& document) { ++(document == Guide() ? guideOpened : otherOpened); }

// No test of this program hands anything to the real shell.
[[maybe_unused]] const DocumentOpener kRealShell = ReplaceDocumentOpener(&Record);

void ExpectGuide(const Driver& d, const std::string& how, const std::function<void()>& ask) {
  const int before = guideOpened;
  ask();
  d.WaitUntil([&] { return guideOpened == before + 1; }, how + " to open the guide");
}

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
    std::string failure = RunDriven([&] { widget.Properties(parent); }, [&](const Driver& d) {
      HWND sheet = d.WaitForWindow(kSheetCaption);
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

TEST(Sheet, CreditLinkHelpF1AndVersion6Controls) {
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

    // F1 reaches the focused control as WM_HELP.
    HELPINFO f1 = {sizeof(f1), HELPINFO_WINDOW, 0, nullptr, 0, {}};
    auto pressF1 = [&](HWND control) { SendMessageW(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&f1)); };
    for (int index = 0; index < 3; ++index) {
      HWND page = d.SelectPage(sheet, index);
      ExpectGuide(d, "Help", [&] { d.Press(sheet, PSBTN_HELP); });
      ExpectGuide(d, "F1 on a page", [&] { pressF1(GetNextDlgTabItem(page, nullptr, FALSE)); });
    }
    ExpectGuide(d, "F1 on OK", [&] { pressF1(GetDlgItem(sheet, IDOK)); });
    EXPECT_EQ(GetNextDlgTabItem(sheet, GetNextDlgTabItem(sheet, nullptr, FALSE), TRUE), link)
        << "the last Tab stop";
    for (WPARAM key : {VK_RETURN, VK_SPACE}) {
      ExpectGuide(d, "a key on the link", [&] { PostMessageW(link, WM_KEYDOWN, key, 0); });
    }
    ExpectGuide(d, "a click", [&] { PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0); });
    ExpectGuide(d, "a screen reader's default action", [&] {
      EXPECT_EQ(ReadWindow("act", link, 2), (std::vector<Fields>{{"Jump", "0"}}));
    });

    SIZE ideal = {};
    EXPECT_TRUE(SendMessageW(GetDlgItem(sheet, IDOK), BCM_GETIDEALSIZE, 0,
                             reinterpret_cast<LPARAM>(&ideal)))
        << "only version 6 buttons know their ideal size";
    d.Press(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(run.failure, "");
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(otherOpened, 0);
}

}  // namespace
}  // namespace mervane::dialogs
