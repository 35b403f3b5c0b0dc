// The "Style" page: the labels, messages, styles and file names of a cart,
// edited in the style grid (control 1001) that fills the page. Every
// completed edit and every reset is written at once into the page's copies.
#ifndef MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_
#define MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_

#include <memory>

#include "grid/property_store.h"
#include "properties/page_copies.h"
#include "properties/win32/dialog.h"
#include "properties/win32/style_grid.h"

namespace mervane {

class CMervanePage2 : public PropertyPage {
 public:
  // The page edits `copies` in place; they outlive the sheet.
  explicit CMervanePage2(StylePageCopies& copies);

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  bool OnPropertyChanged(const CExtPropertyItem& item);
  void FillPageWithGrid() const;

  StylePageCopies& copies_;
  CStylePropertyGridCtrl grid_;
  // Built the first time the page is shown, then kept for the sheet's life.
  std::unique_ptr<CExtPropertyStore> store_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_
