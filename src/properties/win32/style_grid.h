// The Style page's grid: the library's property grid, reporting every
// completed edit and every reset to the page.
#ifndef MERVANE_PROPERTIES_WIN32_STYLE_GRID_H_
#define MERVANE_PROPERTIES_WIN32_STYLE_GRID_H_

#include <functional>
#include <vector>

#include "grid/win32/property_grid.h"
#include "properties/font_names.h"

namespace mervane {

class CStylePropertyGridCtrl : public CExtPropertyGridCtrl {
 public:
  // The page's OnPropertyChanged: true when it wrote the item's field.
  using ChangeHandler = std::function<bool(CExtPropertyItem&)>;
  explicit CStylePropertyGridCtrl(ChangeHandler onPropertyChanged)
      : onPropertyChanged_(std::move(onPropertyChanged)) {}

 protected:
  void OnPropertyInputComplete(CExtPropertyValue& value) override;
  void OnPropertyValueReset(CExtPropertyValue& value) override;
  // The Delete key goes to the dialog-message handling first.
  bool PreTranslateKey(const MSG& message) override;

 private:
  ChangeHandler onPropertyChanged_;
  bool offeringToDialog_ = false;
};

// The faces that the window's device context enumerates, in their order.
std::vector<FontFace> EnumerateFontFaces(HWND window);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_STYLE_GRID_H_
