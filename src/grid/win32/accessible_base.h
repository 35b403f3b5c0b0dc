// What every accessible object of the grid and the sheet shares: reference
// counting, the interfaces it answers to, the answers that are the same for
// all (no help, no shortcut, no typed names or values), and the guard that
// keeps an exception from crossing a COM call.
#ifndef MERVANE_GRID_WIN32_ACCESSIBLE_BASE_H_
#define MERVANE_GRID_WIN32_ACCESSIBLE_BASE_H_

#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <new>

#include "ostrel/types.h"

namespace mervane {

// Runs a COM method's body: what it throws becomes an error code.
template <typename Body>
HRESULT GuardCall(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

// A text for the caller, who frees it; S_FALSE and null when it is empty.
HRESULT AnswerText(const OString& text, BSTR* out);
// An object for the caller, who releases it.
HRESULT AnswerObject(IDispatch* object, VARIANT* out);
// A child id or CHILDID_SELF from a VARIANT; false when it holds neither.
bool ChildIdOf(const VARIANT& child, long& id);

class CExtAccessibleBase : public IAccessible {
 public:
  CExtAccessibleBase(const CExtAccessibleBase&) = delete;
  CExtAccessibleBase& operator=(const CExtAccessibleBase&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // Listeners use the IAccessible methods; there is no type library.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override;

  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

 protected:
  CExtAccessibleBase() = default;
  virtual ~CExtAccessibleBase() = default;

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_ACCESSIBLE_BASE_H_
