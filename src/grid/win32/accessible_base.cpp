#include "grid/win32/accessible_base.h"

namespace mervane {

HRESULT AnswerText(const OString& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT AnswerObject(IDispatch* object, VARIANT* out) {
  V_VT(out) = VT_DISPATCH;
  V_DISPATCH(out) = object;
  return S_OK;
}

bool ChildIdOf(const VARIANT& child, long& id) {
  if (V_VT(&child) == VT_I4) {
    id = V_I4(&child);
    return true;
  }
  if (V_VT(&child) == VT_EMPTY) {  // some callers leave out "self"
    id = CHILDID_SELF;
    return true;
  }
  return false;
}

HRESULT CExtAccessibleBase::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG CExtAccessibleBase::AddRef() { return ++references_; }

ULONG CExtAccessibleBase::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT CExtAccessibleBase::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT CExtAccessibleBase::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT CExtAccessibleBase::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT CExtAccessibleBase::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT CExtAccessibleBase::get_accHelp(VARIANT, BSTR* help) { return AnswerText({}, help); }

HRESULT CExtAccessibleBase::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (topic != nullptr) *topic = 0;
  return AnswerText({}, file);
}

HRESULT CExtAccessibleBase::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  return AnswerText({}, shortcut);
}

HRESULT CExtAccessibleBase::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT CExtAccessibleBase::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace mervane
