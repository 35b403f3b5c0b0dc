// The sheet as a screen reader meets it under Wine: a second process walks
// the Style grid's accessible tree, hears the events of the arrow keys and of
// an edit, and reads the names of the other controls; an object that
// outlives its grid answers "disconnected".
#include <gtest/gtest.h>

#include <oleacc.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

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

// The reader's fields: depth, role, name, value, state.
enum { kDepth, kRole, kName, kValue, kState };
// An event's fields.
enum { kEvent, kWindow, kChild, kEventName, kEventValue };

std::string Hex(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return text;
}

long StateOf(const Fields& line) { return std::stol(line.at(kState), nullptr, 16); }

// The reader's lines, each of `fields` fields; throws on any other line
// (an error the reader met), which fails the script.
std::vector<Fields> Checked(std::vector<Fields> lines, size_t fields) {
  for (const Fields& line : lines) {
    if (line.size() != fields) throw std::runtime_error("the reader says " + line.at(0));
  }
  return lines;
}

CartSettings DistinctCart() {
  CartSettings cart;
  cart.mainStyle.textColor = RGB(0x12, 0x34, 0x56);
  cart.mainStyle.backgroundColor = RGB(255, 102, 0);  // in the palette
  cart.buttonsStyle.fontSize = 14;
  cart.productsStyle.bold = 1;
  cart.messageBarStyle.borderRadius = 7;
  cart.labelProducts = L"Gâteaux";
  cart.padding = 4;
  return cart;
}

// The line of an item under its category in a walk of the grid.
const Fields* ItemLine(const std::vector<Fields>& tree, const std::string& category,
                       const std::string& item) {
  bool inCategory = false;
  for (const Fields& line : tree) {
    if (line[kDepth] == "1") inCategory = line[kName] == category;
    if (inCategory && line[kDepth] == "2" && line[kName] == item) return &line;
  }
  return nullptr;
}

TEST(ScreenReader, WalksTheStyleGridAsTheGridShowsIt) {
  CartSettings cart = DistinctCart();
  RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND grid = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    std::vector<Fields> tree = Checked(ReadWindow("tree", grid), 5);
    ASSERT_FALSE(tree.empty()) << "the reader says nothing";
    EXPECT_EQ(tree[0], (Fields{"0", std::to_string(ROLE_SYSTEM_OUTLINE), "Style", "",
                               tree[0][kState]}));

    // Every category and item in the grid's order, each value as the store
    // built from the same cart spells it out.
    auto store = BuildStyleStore(CopyIn(cart).style, EnumerateFontFaces(grid));
    size_t at = 1;
    for (const auto& category : store->Categories()) {
      ASSERT_LT(at, tree.size());
      EXPECT_EQ(tree[at][kName], ToUtf8(category->Name()));
      EXPECT_EQ(tree[at][kRole], std::to_string(ROLE_SYSTEM_OUTLINEITEM));
      EXPECT_TRUE(StateOf(tree[at]) & STATE_SYSTEM_EXPANDED) << tree[at][kName];
      ++at;
      for (const auto& item : category->Children()) {
        ASSERT_LT(at, tree.size());
        const auto& value = static_cast<const CExtPropertyValue&>(*item);
        EXPECT_EQ(tree[at], (Fields{"2", std::to_string(ROLE_SYSTEM_OUTLINEITEM),
                                    ToUtf8(item->Name()), ToUtf8(value.ValueActive()->Spoken()),
                                    tree[at][kState]}));
        ++at;
      }
    }
    EXPECT_EQ(at, tree.size());
    EXPECT_TRUE(StateOf(tree[1]) & STATE_SYSTEM_SELECTED) << "the first row is selected";

    // Values spelled out as a listener needs them, from the cart itself.
    const struct {
      const char* category;
      const char* item;
      std::string value;
    } kValues[] = {
        {"Main", "TextColor", Hex(cart.mainStyle.textColor)},
        {"Main", "FontName", ToUtf8(cart.mainStyle.fontName)},
        {"Buttons", "FontSize", "14 points"},
        {"Products", "Bold", "checked"},
        {"Products", "Italic", "not checked"},
        {"Message Bar", "BorderRadius", "7"},
        {"Labels", "Products", "Gâteaux"},
        {"Miscellaneous", "Padding", "4"},
    };
    for (const auto& v : kValues) {
      const Fields* line = ItemLine(tree, v.category, v.item);
      ASSERT_NE(line, nullptr) << v.category << "/" << v.item;
      EXPECT_EQ((*line)[kValue], v.value) << v.category << "/" << v.item;
    }
    d.Press(sheet, PSBTN_CANCEL);
  });
}

// Focus follows the arrows with each item's child id; an edit, a reset and a
// fold are heard too.
TEST(ScreenReader, HearsTheArrowsAnEditAResetAndAFold) {
  CartSettings cart = DistinctCart();
  RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND window = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    Grid grid{d, window, cart};
    SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(40, 5));  // the first row takes the focus
    d.WaitUntil([&] { return d.Focus() == window; }, "the grid has the focus");
    auto store = BuildStyleStore(CopyIn(cart).style, {});
    CExtOutlineIds ids(store.get());
    const long categories = static_cast<long>(store->Categories().size());

    ReaderSession listener("listen", window);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP}) grid.Key(window, key);
    grid.Select(L"Products", L"Bold");
    grid.Key(window, VK_SPACE);
    grid.Key(window, VK_DELETE);
    grid.Select(L"Products", L"Bold");
    grid.Key(window, VK_LEFT);  // to the category
    grid.Key(window, VK_LEFT);  // which folds
    std::vector<Fields> events;
    for (Fields& e : Checked(listener.Stop(), 5)) {
      if (e.at(kWindow) == std::to_string(reinterpret_cast<INT_PTR>(window))) events.push_back(e);
    }

    auto heard = [&](DWORD event) {
      std::vector<std::string> seen;
      for (const Fields& e : events) {
        if (std::stoul(e[kEvent], nullptr, 16) == event) {
          seen.push_back(e[kChild] + " " + e[kEventName] + "=" + e.at(kEventValue));
        }
      }
      return seen;
    };
    auto line = [&](long id) {
      const auto* item = static_cast<const CExtPropertyValue*>(ids.ItemOf(id));
      return std::to_string(id) + " " + ToUtf8(item->Name()) + "=" +
             ToUtf8(item->ValueActive()->Spoken());
    };
    long bold = 0, productsId = 0;
    for (long id = 1; ids.ItemOf(id) != nullptr; ++id) {
      const CExtPropertyItem* item = ids.ItemOf(id);
      const CExtPropertyItem* up = item->Parent();
      if (item->Name() == L"Products" && up == nullptr) productsId = id;
      if (item->Name() == L"Bold" && up != nullptr && up->Name() == L"Products") bold = id;
    }
    ASSERT_EQ(line(bold), std::to_string(bold) + " Bold=checked");
    const std::string products = std::to_string(productsId) + " Products=";
    std::vector<std::string> focus = heard(EVENT_OBJECT_FOCUS);
    ASSERT_GE(focus.size(), 3u);
    // The first category's first items: the numbers after the categories'.
    EXPECT_EQ(focus[0], line(categories + 1));
    EXPECT_EQ(focus[1], line(categories + 2));
    EXPECT_EQ(focus[2], line(categories + 1));
    EXPECT_EQ(focus.back(), products);
    EXPECT_EQ(heard(EVENT_OBJECT_VALUECHANGE),
              (std::vector<std::string>{std::to_string(bold) + " Bold=checked",
                                        std::to_string(bold) + " Bold=checked"}));
    EXPECT_EQ(heard(EVENT_OBJECT_STATECHANGE), std::vector<std::string>{products});
    d.Press(sheet, PSBTN_CANCEL);
  });
}


// The palette's 40 swatches named by colour, the cell's own selected, then
// its button (a window, whose own parts follow it).
void ExpectSwatches(const std::vector<Fields>& tree, COLORREF current) {
  ASSERT_GE(tree.size(), 42u);
  for (int i = 0; i < CExtGridColorPopup::kButtonPlace; ++i) {
    const Fields& swatch = tree[static_cast<size_t>(i) + 1];
    COLORREF color = CExtGridColorPopup::SwatchColor(i);
    EXPECT_EQ(swatch[kName], Hex(color)) << i;
    EXPECT_EQ(swatch[kRole], std::to_string(ROLE_SYSTEM_LISTITEM)) << i;
    EXPECT_EQ((StateOf(swatch) & STATE_SYSTEM_SELECTED) != 0, color == current) << i;
  }
  EXPECT_EQ(tree[41][kName], "More colors...");
}

// The window a step of the table opens, and how it closes again.
struct Opened {
  HWND window;
  std::function<void()> close;
};

HWND Popup(const Driver& d, const wchar_t* popupClass) {
  HWND popup = nullptr;
  d.WaitUntil([&] { return IsWindowVisible(popup = FindWindowW(popupClass, nullptr)); },
              "the popup opens");
  return popup;
}

// Each control read as the reader reads it: its role and its name. Role 0:
// the system's proxy answers it, and Wine's calls list boxes and list views
// plain clients.
TEST(ScreenReader, ReadsTheNamesOfTheOtherControls) {
  CartSettings cart = DistinctCart();
  cart.paymentProcessor = 5;  // one with hidden fields
  RunSheet(cart, [&](const Driver& d, HWND sheet) {
    HWND window = d.Control(d.SelectPage(sheet, kStylePage), IDC_STYLE_GRID);
    Grid grid{d, window, cart};
    auto escape = [&](HWND popup) {
      return [&d, popup] {
        SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        d.WaitUntil([&] { return !IsWindowVisible(popup); }, "the popup closes");
      };
    };
    auto drop = [&](const wchar_t* item, const wchar_t* popupClass) {
      grid.Select(L"Main", item);
      grid.Key(window, VK_F4);
      HWND popup = Popup(d, popupClass);
      return Opened{popup, escape(popup)};
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
        {"font sizes", [&] { return drop(L"FontSize", L"ListBox"); }, 0, "FontSize"},
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
      std::vector<Fields> tree = Checked(ReadWindow("tree", opened.window), 5);
      ASSERT_FALSE(tree.empty()) << c.what;
      EXPECT_EQ(tree[0][kName], c.name) << c.what;
      if (c.role != 0) {
        EXPECT_EQ(tree[0][kRole], std::to_string(c.role)) << c.what;
      }
      if (std::string(c.name) == "BackgroundColor") {
        ExpectSwatches(tree, cart.mainStyle.backgroundColor);
      }
      opened.close();
    }
    d.Press(sheet, PSBTN_CANCEL);
  });
}


// A listener may keep objects after the grid has gone: every call then
// answers "disconnected" (0x80010108), for the grid and its items alike.
TEST(ScreenReader, ObjectsOfAGoneGridAnswerDisconnected) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the objects are handed out from here
  HINSTANCE module = GetModuleHandleW(nullptr);
  CExtPropertyGridCtrl::RegisterWindowClass(module);
  HWND window = CreateWindowExW(0, CExtPropertyGridCtrl::kWindowClass, L"", WS_POPUP, 0, 0, 300,
                                300, nullptr, nullptr, module, nullptr);
  auto grid = std::make_unique<CExtPropertyGridCtrl>();
  grid->Attach(window);
  auto store = BuildStyleStore(CopyIn(CartSettings()).style, {});
  grid->AddStore(store.get());
  grid->SelectStore(store.get());
  ReaderSession reader("hold", window, true);
  DestroyWindow(window);
  grid.reset();
  EXPECT_EQ(reader.Stop(), (std::vector<Fields>{{"80010108", "80010108", "80010108"}}));
  CoUninitialize();
}

}  // namespace
}  // namespace mervane::dialogs
