// The sheet as a screen reader meets it under Wine: a second process walks
// the Style grid's accessible tree, hears the events of the arrow keys and of
// an edit, and reads the names of the other controls; an object that
// outlives its grid answers "disconnected".
#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>
#include <map>
#include <memory>

#include "framework/text.h"
#include "grid/outline_ids.h"
#include "grid/win32/grid_popups.h"
#include "properties/win32/style_grid.h"
#include "resources/resource_ids.h"
#include "screen_reader.h"
#include "sheet_harness.h"
#include "style_grid_keys.h"

namespace mervane::dialogs {
namespace {

// The fields of the reader's lines: of a walk's, and of an event's.
enum { kDepth, kRole, kName, kValue, kState };
enum { kEvent, kChild, kEventName, kEventValue };

long StateOf(const Fields& line) { return std::stol(line.at(kState), nullptr, 16); }

CartSettings DistinctCart() {
  CartSettings cart;
  cart.mainStyle.textColor = RGB(0x12, 0x34, 0x56);
  cart.mainStyle.backgroundColor = RGB(255, 102, 0);  // in the palette
  cart.buttonsStyle.fontSize = 13;                    // in no list
  cart.productsStyle.bold = 1;
  cart.labelProducts = L"Gâteaux";
  return cart;
}

// Every category and item in the grid's order with its value spelled out,
// values that no list or range holds and texts that the page must not
// interpret too; OK stores them back unchanged.
TEST(ScreenReader, WalksTheStyleGridAsTheGridShowsIt) {
  CartSettings cart = DistinctCart();
  cart.padding = -5;
  cart.productsStyle.fontName = L"No Such Face";
  cart.messageBarStyle.borderRadius = 150;
  cart.labelCheckout = OString(70000, L'%');
  cart.cssFileName.clear();
  const auto before = StoredBlock(cart);
  SheetRun run = RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND grid = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    std::vector<Fields> tree = ReadWindow("tree", grid, 5);
    // Categories expanded, each value as the store built from the cart spells it out.
    auto store = BuildStyleStore(CopyIn(cart).style, EnumerateFontFaces(grid));
    const std::string item = std::to_string(ROLE_SYSTEM_OUTLINEITEM);
    std::vector<Fields> expected = {{"0", std::to_string(ROLE_SYSTEM_OUTLINE), "Style", ""}};
    for (const auto& category : store->Categories()) {
      expected.push_back({"1", item, ToUtf8(category->Name()), ""});
      for (const auto& v : category->Children()) {
        auto& value = static_cast<CExtPropertyValue&>(*v);
        expected.push_back({"2", item, ToUtf8(v->Name()), ToUtf8(value.ValueActive()->Spoken())});
      }
    }
    std::vector<Fields> read;
    std::map<std::string, std::string> valueOf;  // by "category/item"
    std::string category;
    for (Fields line : tree) {
      EXPECT_TRUE(line[kDepth] != "1" || (StateOf(line) & STATE_SYSTEM_EXPANDED)) << line[kName];
      if (line[kDepth] == "1") category = line[kName];
      valueOf[category + "/" + line[kName]] = line[kValue];
      line.pop_back();
      read.push_back(line);
    }
    EXPECT_EQ(read, expected);
    EXPECT_TRUE(tree.size() > 1 && (StateOf(tree[1]) & STATE_SYSTEM_SELECTED)) << "first row";

    // Values spelled out as a listener needs them, from the cart itself.
    const std::pair<const char*, std::string> kValues[] = {
        {"Main/TextColor", "#123456"},           {"Main/FontName", ToUtf8(cart.mainStyle.fontName)},
        {"Buttons/FontSize", "13 points"},       {"Products/FontName", "No Such Face"},
        {"Products/Bold", "checked"},            {"Products/Italic", "not checked"},
        {"Message Bar/BorderRadius", "150"},     {"Labels/Products", "Gâteaux"},
        {"Miscellaneous/Padding", "-5"},         {"Miscellaneous/Filename CSS", ""},
    };
    for (const auto& [item, value] : kValues) EXPECT_EQ(valueOf[item], value) << item;
    for (WPARAM key : {VK_HOME, VK_END, VK_PRIOR, VK_NEXT}) SendMessageW(grid, WM_KEYDOWN, key, 0);
    d.Press(sheet, PSBTN_OK);
  });
  EXPECT_EQ(run.failure, "");
  EXPECT_TRUE(run.ok);
  EXPECT_TRUE(StoredBlock(cart) == before);
}

// Focus follows the arrows with each item's child id (the categories are
// numbered first, then the items); an edit, a reset and a fold are heard too.
TEST(ScreenReader, HearsTheArrowsAnEditAResetAndAFold) {
  CartSettings cart = DistinctCart();
  EXPECT_EQ(RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND window = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    Grid grid{d, window, cart};
    SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(40, 5));  // the first row takes the focus
    d.WaitUntil([&] { return d.Focus() == window; }, "the grid has the focus");
    ReaderSession listener("listen", window);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP}) grid.Key(window, key);
    grid.Select(L"Products", L"Bold");  // toggled, reset, left to its category, which folds
    for (WPARAM key : {VK_SPACE, VK_DELETE, VK_LEFT, VK_LEFT}) grid.Key(window, key);
    std::vector<Fields> events = listener.Stop(4);
    auto heard = [&](DWORD event) {
      std::vector<std::string> seen;
      for (const Fields& e : events) {
        std::string line = e[kChild] + " " + e[kEventName] + "=" + e[kEventValue];
        if (std::stoul(e[kEvent], nullptr, 16) == event) seen.push_back(line);
      }
      return seen;
    };
    auto store = BuildStyleStore(CopyIn(cart).style, {});
    const long categories = static_cast<long>(store->Categories().size());
    CExtOutlineIds ids(store.get());
    const CExtPropertyItem* bold = &Item(*store, L"Products", L"Bold");
    auto said = [&](long id) {  // as the reader says it, the value as the store spells it
      auto* value = dynamic_cast<const CExtPropertyValue*>(ids.ItemOf(id));
      return std::to_string(id) + " " + ToUtf8(ids.ItemOf(id)->Name()) + "=" +
             (value != nullptr ? ToUtf8(value->ValueActive()->Spoken()) : "");
    };
    std::vector<std::string> focus = heard(EVENT_OBJECT_FOCUS);
    ASSERT_GE(focus.size(), 3u);
    for (auto [at, id] : {std::pair{0, categories + 1}, {1, categories + 2}, {2, categories + 1}}) {
      EXPECT_EQ(focus[at], said(id)) << at;
    }
    const long products = ids.IdOf(bold->Parent());
    EXPECT_EQ(focus.back(), said(products));
    EXPECT_EQ(heard(EVENT_OBJECT_VALUECHANGE), std::vector<std::string>(2, said(ids.IdOf(bold))));
    EXPECT_EQ(heard(EVENT_OBJECT_STATECHANGE), std::vector<std::string>{said(products)});
    d.Press(sheet, PSBTN_CANCEL);
  }).failure, "");
}

// The palette's 40 swatches named by colour, the cell's own selected, then
// its button.
void ExpectSwatches(const std::vector<Fields>& tree, COLORREF current) {
  ASSERT_GE(tree.size(), 42u);
  for (int i = 0; i < CExtGridColorPopup::kButtonPlace; ++i) {
    COLORREF color = CExtGridColorPopup::SwatchColor(i);
    bool selected = (StateOf(tree[static_cast<size_t>(i) + 1]) & STATE_SYSTEM_SELECTED) != 0;
    EXPECT_EQ(tree[static_cast<size_t>(i) + 1], (Fields{"1", std::to_string(ROLE_SYSTEM_LISTITEM),
              ToUtf8(ColorText(color)), "", tree[static_cast<size_t>(i) + 1][kState]})) << i;
    EXPECT_EQ(selected, color == current) << i;
  }
  EXPECT_EQ(tree[41][kName], "More colors...");
}

// The window a step of the table opens, and how it closes again.
using Opened = std::pair<HWND, std::function<void()>>;

// Each control read as the reader reads it: its role and its name. Role 0:
// the system's proxy answers it, and Wine's calls list boxes and list views
// plain clients.
TEST(ScreenReader, ReadsTheNamesOfTheOtherControls) {
  CartSettings cart = DistinctCart();
  cart.paymentProcessor = 5;  // one with hidden fields
  EXPECT_EQ(RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND window = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    Grid grid{d, window, cart};
    auto drop = [&](const wchar_t* item, const wchar_t* popupClass) {
      grid.Select(L"Main", item);
      HWND popup = grid.OpenPopup(popupClass);
      return Opened{popup, [&grid, popup] { grid.Pick(popup, {VK_ESCAPE}); }};
    };
    auto optionsEditor = [&](int processor, const wchar_t* caption, int control) {
      HWND page = d.SelectPage(sheet, 2);
      HWND list = d.Control(page, IDC_OPTIONS_PROCESSOR);
      SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(processor), 0);
      SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_PROCESSOR, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
      d.Click(d.Control(page, IDC_OPTIONS_EDIT));
      HWND dialog = d.WaitForWindow(caption);
      return Opened{d.Control(dialog, control), [&d, dialog] { d.Finish(dialog, IDCANCEL); }};
    };
    const struct {
      const char* what;
      std::function<Opened()> open;
      long role;
      const char* name;
    } kControls[] = {
        {"in-place editor", [&] {
           grid.Select(L"Labels", L"Products");
           grid.Key(window, VK_RETURN);
           HWND editor = FindWindowExW(window, nullptr, L"Edit", nullptr);
           return Opened{editor, [&grid, editor] { grid.Key(editor, VK_ESCAPE); }};
         }, ROLE_SYSTEM_TEXT, "Products"},
        {"font names", [&] { return drop(L"FontName", L"ListBox"); }, 0, "FontName"},
        {"colour palette", [&] { return drop(L"BackgroundColor", L"CExtGridColorPopup"); },
         ROLE_SYSTEM_LIST, "BackgroundColor"},
        {"product list", [&] {
           return Opened{d.Control(d.SelectPage(sheet, 0), IDC_PRODUCT_LIST), [] {}};
         }, 0, "Products"},
        {"hidden fields", [&] {
           return optionsEditor(5, L"Payment Processor Hidden Fields", IDC_FIELDS_LIST);
         }, 0, "Payment Processor Hidden Fields"},
        {"script box", [&] { return optionsEditor(0, L"Edit HTML", IDC_SCRIPT_TEXT); },
         ROLE_SYSTEM_TEXT, "Edit HTML"},
        {"credit link", [&] { return Opened{d.Control(sheet, IDC_CREDIT_LINK), [] {}}; },
         ROLE_SYSTEM_LINK, "Cart script by the Mervane project"},
    };
    for (const auto& c : kControls) {
      Opened opened = c.open();
      std::vector<Fields> tree = ReadWindow("tree", opened.first, 5);
      ASSERT_FALSE(tree.empty()) << c.what;
      EXPECT_EQ(tree[0][kName], c.name) << c.what;
      if (c.role != 0) {
        EXPECT_EQ(tree[0][kRole], std::to_string(c.role)) << c.what;
      }
      if (std::string(c.name) == "BackgroundColor") {
        ExpectSwatches(tree, cart.mainStyle.backgroundColor);
      }
      opened.second();
    }
    d.Press(sheet, PSBTN_CANCEL);
  }).failure, "");
}


// A listener may keep objects after the grid has gone: every call then
// answers "disconnected", for the grid and its items alike.
TEST(ScreenReader, ObjectsOfAGoneGridAnswerDisconnected) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HINSTANCE module = GetModuleHandleW(nullptr);
  CExtPropertyGridCtrl::RegisterWindowClass(module);
  HWND window = CreateWindowExW(0, CExtPropertyGridCtrl::kWindowClass, L"", WS_POPUP, 0, 0, 300,
                                300, nullptr, nullptr, module, nullptr);
  auto grid = std::make_unique<CExtPropertyGridCtrl>();
  grid->Attach(window);
  auto store = BuildStyleStore(CopyIn(CartSettings()).style, {});
  grid->AddStore(store.get());
  grid->SelectStore(store.get());
  IAccessible* outline = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&outline)),
            S_OK);
  VARIANT self = {}, first = {};
  V_VT(&self) = VT_I4, V_I4(&self) = CHILDID_SELF;
  V_VT(&first) = VT_I4, V_I4(&first) = 1;
  IDispatch* category = nullptr;
  ASSERT_EQ(outline->get_accChild(first, &category), S_OK);
  IAccessible* item = nullptr;
  category->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&item));
  BSTR name = nullptr;
  ASSERT_EQ(item->get_accName(self, &name), S_OK);
  EXPECT_EQ(OString(name), store->Categories()[0]->Name());
  SysFreeString(name);
  DestroyWindow(window);
  grid.reset();
  long count = 0;
  EXPECT_EQ(outline->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(item->get_accName(self, &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(outline->accDoDefaultAction(first), RPC_E_DISCONNECTED);
  item->Release();
  category->Release();
  outline->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace mervane::dialogs
