// The Style page's grid driven by keys, shared by the tests of the page.
#ifndef MERVANE_TESTS_DIALOGS_STYLE_GRID_KEYS_H_
#define MERVANE_TESTS_DIALOGS_STYLE_GRID_KEYS_H_

#include <gtest/gtest.h>

#include <stdexcept>

#include "dialog_driver.h"
#include "model/cart_settings.h"
#include "properties/sheet_transfer.h"
#include "properties/style_cells.h"

namespace mervane::dialogs {

inline constexpr int kStylePage = 1;

// An item of a store by its category's name and its own.
inline const CExtPropertyItem& Item(const CExtPropertyStore& store, const OString& category,
                                    const OString& item) {
  for (const auto& c : store.Categories()) {
    for (const auto& value : c->Children()) {
      if (c->Name() == category && value->Name() == item) return *value;
    }
  }
  throw std::logic_error("no such item");
}

// The grid's row of an item: every category is unfolded when the page opens.
inline WPARAM RowOf(const CartSettings& cart, const OString& category, const OString& item) {
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

}  // namespace mervane::dialogs

#endif  // MERVANE_TESTS_DIALOGS_STYLE_GRID_KEYS_H_
