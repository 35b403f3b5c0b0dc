#include "grid/win32/palette_accessible.h"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "grid/win32/accessible_base.h"
#include "grid/win32/message_guard.h"

namespace mervane {

namespace {

constexpr long kSwatches = CExtGridColorPopup::kButtonPlace;
constexpr long kButtonChild = kSwatches + 1;
constexpr UINT_PTR kSubclassId = 0x5041;

// Cut when the popup's window goes.
struct PaletteLink {
  CExtGridColorPopup* popup;
  OString name;
};

class PaletteAccessible final : public CExtAccessibleBase {
 public:
  explicit PaletteAccessible(std::shared_ptr<PaletteLink> link) : link_(std::move(link)) {}

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Answer([&](CExtGridColorPopup& popup) {
      return AccessibleObjectFromWindow(popup.Window(), static_cast<DWORD>(OBJID_WINDOW),
                                        __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return Answer([&](CExtGridColorPopup&) {
      *count = kButtonChild;
      return S_OK;
    });
  }
  // The swatches are simple elements; the button is a control of its own.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return Ask(child, [&](CExtGridColorPopup& popup, long id) -> HRESULT {
      *out = nullptr;
      if (id != kButtonChild) return id == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
      return AccessibleObjectFromWindow(popup.MoreColorsButton(), static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IDispatch), reinterpret_cast<void**>(out));
    });
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Ask(child, [&](CExtGridColorPopup& popup, long id) {
      if (id == CHILDID_SELF) return AnswerText(link_->name, name);
      if (id == kButtonChild) return AnswerText(TextOf(popup.MoreColorsButton()), name);
      return AnswerText(ColorText(CExtGridColorPopup::SwatchColor(id - 1)), name);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Ask(child, [&](CExtGridColorPopup&, long) { return AnswerText({}, value); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Ask(child, [&](CExtGridColorPopup&, long) { return AnswerText({}, text); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Ask(child, [&](CExtGridColorPopup&, long id) {
      V_VT(role) = VT_I4;
      V_I4(role) = id == CHILDID_SELF   ? ROLE_SYSTEM_LIST
                   : id == kButtonChild ? ROLE_SYSTEM_PUSHBUTTON
                                        : ROLE_SYSTEM_LISTITEM;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Ask(child, [&](CExtGridColorPopup& popup, long id) {
      V_VT(state) = VT_I4;
      V_I4(state) = StateOf(popup, id);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return Answer([&](CExtGridColorPopup& popup) {
      V_VT(focus) = VT_I4;
      V_I4(focus) = popup.Highlighted() + 1;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Answer([&](CExtGridColorPopup& popup) -> HRESULT {
      VariantInit(selection);
      long current = CurrentSwatch(popup);
      if (current == 0) return S_FALSE;
      V_VT(selection) = VT_I4;
      V_I4(selection) = current;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Ask(child, [&](CExtGridColorPopup&, long id) {
      return AnswerText(id == CHILDID_SELF ? L"" : id == kButtonChild ? L"Press" : L"Select",
                        action);
    });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT child) override {
    return Ask(child, [&](CExtGridColorPopup&, long) { return DISP_E_MEMBERNOTFOUND; });
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return Ask(child, [&](CExtGridColorPopup& popup, long id) {
      RECT area = ScreenRectOf(popup, id);
      *left = area.left, *top = area.top;
      *width = area.right - area.left, *height = area.bottom - area.top;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return Ask(start, [&](CExtGridColorPopup&, long id) -> HRESULT {
      VariantInit(end);
      long next = 0;
      if (id == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) next = 1;
        if (direction == NAVDIR_LASTCHILD) next = kButtonChild;
      } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
        next = id + (direction == NAVDIR_NEXT ? 1 : -1);
      }
      if (next < 1 || next > kButtonChild) return S_FALSE;
      V_VT(end) = VT_I4;
      V_I4(end) = next;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* at) override {
    return Answer([&](CExtGridColorPopup& popup) -> HRESULT {
      VariantInit(at);
      for (long id = kButtonChild; id >= CHILDID_SELF; --id) {
        RECT area = ScreenRectOf(popup, id);
        if (!PtInRect(&area, {x, y})) continue;
        V_VT(at) = VT_I4;
        V_I4(at) = id;
        return S_OK;
      }
      return S_FALSE;
    });
  }
  // As a click would, once the caller has returned.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return Ask(child, [&](CExtGridColorPopup& popup, long id) -> HRESULT {
      if (id == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
      if (id == kButtonChild) {
        PostMessageW(popup.Window(), WM_COMMAND, CExtGridColorPopup::kMoreColorsButton, 0);
        return S_OK;
      }
      RECT swatch = popup.SwatchRect(id - 1);
      PostMessageW(popup.Window(), WM_LBUTTONUP, 0,
                   MAKELPARAM((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2));
      return S_OK;
    });
  }

 private:
  template <typename Body>
  HRESULT Answer(Body&& body) {
    return GuardCall([&]() -> HRESULT {
      return link_->popup != nullptr ? body(*link_->popup) : RPC_E_DISCONNECTED;
    });
  }

  template <typename Body>
  HRESULT Ask(const VARIANT& child, Body&& body) {
    return Answer([&](CExtGridColorPopup& popup) -> HRESULT {
      long id = 0;
      if (!ChildIdOf(child, id) || id < CHILDID_SELF || id > kButtonChild) return E_INVALIDARG;
      return body(popup, id);
    });
  }

  static OString TextOf(HWND window) {
    OString text(static_cast<size_t>(GetWindowTextLengthW(window)), L'\0');
    text.resize(static_cast<size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1))));
    return text;
  }

  // The swatch of the cell's colour, or 0 when the palette has none.
  static long CurrentSwatch(const CExtGridColorPopup& popup) {
    for (long id = 1; id <= kSwatches; ++id) {
      if (CExtGridColorPopup::SwatchColor(id - 1) == (popup.CurrentColor() & 0x00FFFFFF)) {
        return id;
      }
    }
    return 0;
  }

  static long StateOf(const CExtGridColorPopup& popup, long id) {
    if (id == CHILDID_SELF) return STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED;
    long state = STATE_SYSTEM_FOCUSABLE;
    if (popup.Highlighted() + 1 == id) state |= STATE_SYSTEM_FOCUSED;
    if (id == kButtonChild) return state;
    state |= STATE_SYSTEM_SELECTABLE;
    return id == CurrentSwatch(popup) ? state | STATE_SYSTEM_SELECTED : state;
  }

  static RECT ScreenRectOf(const CExtGridColorPopup& popup, long id) {
    RECT area = {};
    if (id == CHILDID_SELF) {
      GetWindowRect(popup.Window(), &area);
    } else if (id == kButtonChild) {
      GetWindowRect(popup.MoreColorsButton(), &area);
    } else {
      area = popup.SwatchRect(id - 1);
      MapWindowPoints(popup.Window(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    return area;
  }

  std::shared_ptr<PaletteLink> link_;
};

void Announce(HWND window, DWORD event, long id) {
  NotifyWinEvent(event, window, OBJID_CLIENT, id);
}

// Answers WM_GETOBJECT, and tells listeners where the highlight went after
// each key the popup took.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  auto* link = reinterpret_cast<std::shared_ptr<PaletteLink>*>(data);
  std::shared_ptr<PaletteLink> held = *link;  // outlives a destruction inside a handler
  CExtGridColorPopup* popup = held->popup;
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) != OBJID_CLIENT || popup == nullptr) break;
      return GuardMessage(window, [&] {
        IAccessible* object = new PaletteAccessible(held);
        LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, object);
        object->Release();
        return answer;
      });
    case WM_KEYDOWN: {
      if (popup == nullptr) break;
      int before = popup->Highlighted();
      LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (held->popup != nullptr && popup->Highlighted() != before) {
        Announce(window, EVENT_OBJECT_FOCUS, popup->Highlighted() + 1);
      }
      return result;
    }
    case WM_DESTROY:
      held->popup = nullptr;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &Procedure, kSubclassId);
      delete link;
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void ExposePalette(CExtGridColorPopup& popup, const OString& name) {
  auto* link =
      new std::shared_ptr<PaletteLink>(std::make_shared<PaletteLink>(PaletteLink{&popup, name}));
  if (!SetWindowSubclass(popup.Window(), &Procedure, kSubclassId,
                         reinterpret_cast<DWORD_PTR>(link))) {
    delete link;
    return;
  }
  Announce(popup.Window(), EVENT_OBJECT_FOCUS, popup.Highlighted() + 1);
}

}  // namespace mervane
