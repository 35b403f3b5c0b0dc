#include "grid/win32/grid_accessible.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "grid/win32/accessible_base.h"
#include "grid/win32/property_grid.h"

namespace mervane {

namespace {

// One item of the grid, or the grid itself (id CHILDID_SELF).
class GridItemAccessible final : public CExtAccessibleBase {
 public:
  GridItemAccessible(std::shared_ptr<CExtGridAccessLink> link, long id)
      : link_(std::move(link)), id_(id) {}

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      if (parent == nullptr) return E_POINTER;
      *parent = nullptr;
      if (id_ == CHILDID_SELF) {
        return AccessibleObjectFromWindow(grid.Window(), static_cast<DWORD>(OBJID_WINDOW),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(parent));
      }
      const CExtPropertyItem* up = grid.OutlineIds().ItemOf(id_)->Parent();
      *parent = Make(grid.OutlineIds().IdOf(up));
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      if (count == nullptr) return E_POINTER;
      *count = 0;
      if (id_ == CHILDID_SELF) {
        *count = grid.Store() != nullptr ? static_cast<long>(grid.Store()->Categories().size()) : 0;
      } else if (const CExtPropertyItem* item = grid.OutlineIds().ItemOf(id_);
                 !grid.IsFolded(item)) {
        *count = static_cast<long>(item->Children().size());
      }
      return S_OK;
    });
  }

  // The grid answers for any item by its number, so that an event's child id
  // finds it; an item counts its own children from 1.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      if (out == nullptr) return E_POINTER;
      *out = nullptr;
      long id = 0;
      if (!Resolve(grid, child, id) || id == id_) return E_INVALIDARG;
      *out = Make(id);
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) {
      if (item != nullptr) return AnswerText(item->Name(), name);
      return AnswerText(grid.PageName(), name);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Ask(child, [&](CExtPropertyGridCtrl&, const CExtPropertyItem* item) {
      const CExtGridCell* cell = CellOf(item);
      return AnswerText(cell != nullptr ? cell->Spoken() : OString(), value);
    });
  }

  // A value that differs from the one the page opened with says so first.
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Ask(child, [&](CExtPropertyGridCtrl&, const CExtPropertyItem* item) {
      if (item == nullptr) return AnswerText({}, description);
      auto* value = AsValue(item);
      bool changed = value != nullptr && value->IsModified();
      return AnswerText((changed ? OString(L"Changed. ") : OString()) + item->Description(),
                        description);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Ask(child, [&](CExtPropertyGridCtrl&, const CExtPropertyItem* item) {
      V_VT(role) = VT_I4;
      V_I4(role) = item != nullptr ? ROLE_SYSTEM_OUTLINEITEM : ROLE_SYSTEM_OUTLINE;
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) {
      V_VT(state) = VT_I4;
      V_I4(state) = item != nullptr ? ItemState(grid, *item) : RootState(grid);
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      VariantInit(focus);
      if (id_ != CHILDID_SELF || !grid.HasFocusInside()) return S_FALSE;
      return Current(grid, focus);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      VariantInit(selection);
      return id_ == CHILDID_SELF ? Current(grid, selection) : S_FALSE;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) {
      if (item == nullptr) return AnswerText({}, action);
      if (!item->Children().empty()) {
        return AnswerText(grid.IsFolded(item) ? L"Expand" : L"Collapse", action);
      }
      return AnswerText(CellOf(item) != nullptr ? L"Edit" : L"", action);
    });
  }

  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) -> HRESULT {
      if (flags & SELFLAG_TAKEFOCUS) SetFocus(grid.Window());
      if (item == nullptr) return flags == SELFLAG_TAKEFOCUS ? S_OK : E_INVALIDARG;
      if (flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS)) grid.SelectItem(item);
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) {
      RECT area = {};
      bool drawn = item != nullptr ? grid.ItemScreenRect(item, area)
                                   : GetWindowRect(grid.Window(), &area) != FALSE;
      *left = area.left, *top = area.top;
      *width = area.right - area.left, *height = area.bottom - area.top;
      return drawn ? S_OK : S_FALSE;
    });
  }

  // Up and down go by the rows as drawn; the others by the tree.
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return Ask(start, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) -> HRESULT {
      VariantInit(end);
      const CExtPropertyItem* next = Neighbour(grid, item, direction);
      if (next == nullptr) return S_FALSE;
      return AnswerObject(Make(grid.OutlineIds().IdOf(next)), end);
    });
  }

  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* at) override {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      VariantInit(at);
      RECT area = {};
      GetWindowRect(grid.Window(), &area);
      if (!PtInRect(&area, {x, y})) return S_FALSE;
      const CExtPropertyItem* item = grid.ItemAtScreen({x, y});
      if (item == nullptr) {
        V_VT(at) = VT_I4;
        V_I4(at) = CHILDID_SELF;
        return S_OK;
      }
      return AnswerObject(Make(grid.OutlineIds().IdOf(item)), at);
    });
  }

  // Done once the call has returned: an edit may open a popup or a dialog.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return Ask(child, [&](CExtPropertyGridCtrl& grid, const CExtPropertyItem* item) -> HRESULT {
      if (item == nullptr) return DISP_E_MEMBERNOTFOUND;
      grid.PostDefaultAction(item);
      return S_OK;
    });
  }

 private:
  template <typename Body>
  HRESULT Answer(Body&& body) {
    return GuardCall([&]() -> HRESULT {
      CExtPropertyGridCtrl* grid = link_->grid;
      if (grid == nullptr || (id_ != CHILDID_SELF && grid->OutlineIds().ItemOf(id_) == nullptr)) {
        return RPC_E_DISCONNECTED;
      }
      return body(*grid);
    });
  }

  // A question about this object or one of its children; the body gets the
  // item, or null for the grid itself.
  template <typename Body>
  HRESULT Ask(const VARIANT& child, Body&& body) {
    return Answer([&](CExtPropertyGridCtrl& grid) -> HRESULT {
      long id = 0;
      if (!Resolve(grid, child, id)) return E_INVALIDARG;
      return body(grid, grid.OutlineIds().ItemOf(id));
    });
  }

  // The number of the item a child argument names through this object.
  bool Resolve(const CExtPropertyGridCtrl& grid, const VARIANT& child, long& id) const {
    long asked = 0;
    if (!ChildIdOf(child, asked)) return false;
    if (asked == CHILDID_SELF || id_ == CHILDID_SELF) {
      id = asked == CHILDID_SELF ? id_ : asked;
      return id == CHILDID_SELF || grid.OutlineIds().ItemOf(id) != nullptr;
    }
    const auto& children = grid.OutlineIds().ItemOf(id_)->Children();
    if (asked < 1 || static_cast<size_t>(asked) > children.size()) return false;
    id = grid.OutlineIds().IdOf(children[static_cast<size_t>(asked - 1)].get());
    return true;
  }

  IDispatch* Make(long id) const { return new GridItemAccessible(link_, id); }

  HRESULT Current(CExtPropertyGridCtrl& grid, VARIANT* out) const {
    long id = grid.OutlineIds().IdOf(grid.SelectedItem());
    return id != 0 ? AnswerObject(Make(id), out) : S_FALSE;
  }

  static const CExtPropertyValue* AsValue(const CExtPropertyItem* item) {
    return item != nullptr && !item->IsCategory() ? static_cast<const CExtPropertyValue*>(item)
                                                  : nullptr;
  }

  static const CExtGridCell* CellOf(const CExtPropertyItem* item) {
    const CExtPropertyValue* value = AsValue(item);
    return value != nullptr ? value->ValueActive() : nullptr;
  }

  static long RootState(const CExtPropertyGridCtrl& grid) {
    return STATE_SYSTEM_FOCUSABLE | (grid.HasFocusInside() ? STATE_SYSTEM_FOCUSED : 0);
  }

  static long ItemState(const CExtPropertyGridCtrl& grid, const CExtPropertyItem& item) {
    long state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (&item == grid.SelectedItem()) {
      state |= STATE_SYSTEM_SELECTED | (grid.HasFocusInside() ? STATE_SYSTEM_FOCUSED : 0);
    }
    if (!item.Children().empty()) {
      state |= grid.IsFolded(&item) ? STATE_SYSTEM_COLLAPSED : STATE_SYSTEM_EXPANDED;
    }
    if (!item.IsCategory() && CellOf(&item) == nullptr) state |= STATE_SYSTEM_READONLY;
    RECT area;
    if (!grid.ItemScreenRect(&item, area)) {
      state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    } else if (!grid.IsRowShown(&item)) {
      state |= STATE_SYSTEM_OFFSCREEN;
    }
    return state;
  }

  static const CExtPropertyItem* Neighbour(const CExtPropertyGridCtrl& grid,
                                           const CExtPropertyItem* item, long direction) {
    const CExtPropertyStore* store = grid.Store();
    auto siblings = [&](const CExtPropertyItem* of) {
      std::vector<const CExtPropertyItem*> list;
      if (of == nullptr || of->Parent() == nullptr) {
        for (const auto& category : store->Categories()) list.push_back(category.get());
      } else {
        for (const auto& child : of->Parent()->Children()) list.push_back(child.get());
      }
      return list;
    };
    auto children = [&](const CExtPropertyItem* of) {
      if (of == nullptr) return siblings(nullptr);
      std::vector<const CExtPropertyItem*> list;
      if (!grid.IsFolded(of)) {
        for (const auto& child : of->Children()) list.push_back(child.get());
      }
      return list;
    };
    if (store == nullptr) return nullptr;
    switch (direction) {
      case NAVDIR_FIRSTCHILD:
      case NAVDIR_LASTCHILD: {
        auto list = children(item);
        if (list.empty()) return nullptr;
        return direction == NAVDIR_FIRSTCHILD ? list.front() : list.back();
      }
      case NAVDIR_NEXT:
      case NAVDIR_PREVIOUS: {
        if (item == nullptr) return nullptr;
        auto list = siblings(item);
        auto at = std::find(list.begin(), list.end(), item);
        if (direction == NAVDIR_NEXT) return at + 1 < list.end() ? *(at + 1) : nullptr;
        return at != list.begin() ? *(at - 1) : nullptr;
      }
      case NAVDIR_UP:
      case NAVDIR_DOWN:
        return item != nullptr ? grid.RowNeighbour(item, direction == NAVDIR_DOWN ? 1 : -1)
                               : nullptr;
      default:
        return nullptr;
    }
  }

  std::shared_ptr<CExtGridAccessLink> link_;
  long id_;
};

}  // namespace

LRESULT AnswerGridObject(CExtPropertyGridCtrl& grid, std::shared_ptr<CExtGridAccessLink>& link,
                         WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
    return DefWindowProcW(grid.Window(), WM_GETOBJECT, wParam, lParam);
  }
  if (link == nullptr) {
    link = std::make_shared<CExtGridAccessLink>();
    link->grid = &grid;
  }
  IAccessible* root = new GridItemAccessible(link, CHILDID_SELF);
  LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, root);
  root->Release();
  return answer;
}

}  // namespace mervane
