#include "grid/win32/named_accessible.h"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "grid/win32/accessible_base.h"
#include "grid/win32/message_guard.h"

namespace mervane {

namespace {

// Posted to the control to follow its link after a listener asked.
constexpr UINT kFollowLink = WM_APP + 0x54;
constexpr UINT_PTR kSubclassId = 0x4D41;

struct Traits {
  OString name;
  long role = 0;  // 0: the system's
  std::function<void()> follow;
};

// The system's object for the control, with our name, role and action.
class NamedAccessible final : public CExtAccessibleBase {
 public:
  NamedAccessible(HWND control, IAccessible* inner, std::shared_ptr<const Traits> traits)
      : control_(control), inner_(inner), traits_(std::move(traits)) {
    inner_->AddRef();
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Own(child, [&] { return AnswerText(traits_->name, name); },
               [&] { return inner_->get_accName(child, name); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    bool own = traits_->role != 0;
    return Own(child, own, [&] {
      V_VT(role) = VT_I4;
      V_I4(role) = traits_->role;
      return S_OK;
    }, [&] { return inner_->get_accRole(child, role); });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Own(child, traits_->follow != nullptr, [&] { return AnswerText(L"Jump", action); },
               [&] { return inner_->get_accDefaultAction(child, action); });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return Own(child, traits_->follow != nullptr, [&]() -> HRESULT {
      PostMessageW(control_, kFollowLink, 0, 0);
      return S_OK;
    }, [&] { return inner_->accDoDefaultAction(child); });
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Pass([&] { return inner_->get_accParent(parent); });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return Pass([&] { return inner_->get_accChildCount(count); });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return Pass([&] { return inner_->get_accChild(child, out); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Pass([&] { return inner_->get_accValue(child, value); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Pass([&] { return inner_->get_accDescription(child, text); });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Pass([&] { return inner_->get_accState(child, state); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Pass([&] { return inner_->get_accHelp(child, help); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return Pass([&] { return inner_->get_accHelpTopic(file, child, topic); });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return Pass([&] { return inner_->get_accKeyboardShortcut(child, keys); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return Pass([&] { return inner_->get_accFocus(focus); });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Pass([&] { return inner_->get_accSelection(selection); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return Pass([&] { return inner_->accSelect(flags, child); });
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return Pass([&] { return inner_->accLocation(left, top, width, height, child); });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return Pass([&] { return inner_->accNavigate(direction, start, end); });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* at) override {
    return Pass([&] { return inner_->accHitTest(x, y, at); });
  }

 private:
  ~NamedAccessible() override { inner_->Release(); }

  // Every answer needs the control still there.
  template <typename Body>
  HRESULT Pass(Body&& body) {
    return GuardCall([&]() -> HRESULT { return IsWindow(control_) ? body() : RPC_E_DISCONNECTED; });
  }

  // Our answer about the control itself, the system's about its parts.
  template <typename Ours, typename Theirs>
  HRESULT Own(const VARIANT& child, bool own, Ours&& ours, Theirs&& theirs) {
    return Pass([&]() -> HRESULT {
      long id = 0;
      return own && ChildIdOf(child, id) && id == CHILDID_SELF ? ours() : theirs();
    });
  }
  template <typename Ours, typename Theirs>
  HRESULT Own(const VARIANT& child, Ours&& ours, Theirs&& theirs) {
    return Own(child, true, ours, theirs);
  }

  HWND control_;
  IAccessible* inner_;
  std::shared_ptr<const Traits> traits_;
};

LRESULT AnswerObject(HWND control, WPARAM wParam, LPARAM lParam,
                     const std::shared_ptr<const Traits>& traits) {
  IAccessible* inner = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&inner)))) {
    return DefSubclassProc(control, WM_GETOBJECT, wParam, lParam);
  }
  IAccessible* named = new NamedAccessible(control, inner, traits);
  inner->Release();
  LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();
  return answer;
}

LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  auto* traits = reinterpret_cast<std::shared_ptr<const Traits>*>(data);
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        return GuardMessage(control,
                            [&] { return AnswerObject(control, wParam, lParam, *traits); });
      }
      break;
    case kFollowLink:
      return GuardMessage(control, [&]() -> LRESULT {
        if ((*traits)->follow) (*traits)->follow();
        return 0;
      });
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, &Procedure, kSubclassId);
      delete traits;
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

void Describe(HWND control, Traits traits) {
  if (control == nullptr) return;
  auto* held = new std::shared_ptr<const Traits>(std::make_shared<const Traits>(std::move(traits)));
  if (!SetWindowSubclass(control, &Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(held))) {
    delete held;
  }
}

}  // namespace

void NameForListeners(HWND control, const OString& name) { Describe(control, {name, 0, {}}); }

void NameAfterItsWindow(HWND control) {
  HWND holder = GetParent(control);
  OString caption(static_cast<size_t>(GetWindowTextLengthW(holder)), L'\0');
  caption.resize(static_cast<size_t>(
      GetWindowTextW(holder, caption.data(), static_cast<int>(caption.size() + 1))));
  NameForListeners(control, caption);
}

void MarkAsLink(HWND control, const OString& name, std::function<void()> follow) {
  Describe(control, {name, ROLE_SYSTEM_LINK, std::move(follow)});
}

}  // namespace mervane
