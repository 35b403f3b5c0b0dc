// The "Style" page: the labels, messages, styles and file names of a cart.
// Control 1001 fills the page; it is the place of the style grid, which is
// not built yet, so for now the page shows an empty frame and hands its
// copies back unchanged.
#ifndef MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_
#define MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_

#include "properties/page_copies.h"
#include "properties/win32/dialog.h"

namespace mervane {

class CMervanePage2 : public PropertyPage {
 public:
  // The page edits `copies` in place; they outlive the sheet.
  explicit CMervanePage2(StylePageCopies& copies) : copies_(copies) {}

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void FillPageWithGrid() const;

  // What the style grid will edit; the sheet copies it back on OK.
  StylePageCopies& copies_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_STYLE_PAGE_H_
