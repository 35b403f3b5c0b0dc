// The sheet's thread in a COM apartment while the sheet is open: handing an
// accessible object to a screen reader in another process marshals it, and
// that needs one. A thread that already has one keeps it as it is.
#ifndef MERVANE_PROPERTIES_WIN32_COM_APARTMENT_H_
#define MERVANE_PROPERTIES_WIN32_COM_APARTMENT_H_

#include <objbase.h>

namespace mervane {

class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_COM_APARTMENT_H_
