// The modal "Mervane Properties" sheet: the pages, each on its copies of the
// cart, and the credit link.
#ifndef MERVANE_PROPERTIES_WIN32_PROPERTY_SHEET_H_
#define MERVANE_PROPERTIES_WIN32_PROPERTY_SHEET_H_

#include <vector>

#include "properties/page_copies.h"
#include "properties/win32/options_page.h"
#include "properties/win32/products_page.h"
#include "properties/win32/style_page.h"

namespace mervane {

class CPropertySheetCredits {
 public:
  explicit CPropertySheetCredits(PageCopies& copies);

  // Shows the sheet modally over `parent` (null or destroyed: over the
  // desktop). True when it closed with OK; the pages' copies then hold
  // their final values.
  bool Run(HWND parent);

 private:
  struct Page {
    PropertyPage* page;
    const wchar_t* templateName;
  };
  // In tab order: Products, Style, Options.
  std::vector<Page> Pages();

  static int CALLBACK OnSheetEvent(HWND sheet, UINT event, LPARAM);

  CMervanePage1 productsPage_;
  CMervanePage2 stylePage_;
  CMervanePage3 optionsPage_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_PROPERTY_SHEET_H_
