// The "Options" page: the payment processor with its presets and editors,
// the checkout URL and the cart's four display switches.
#ifndef MERVANE_PROPERTIES_WIN32_OPTIONS_PAGE_H_
#define MERVANE_PROPERTIES_WIN32_OPTIONS_PAGE_H_

#include "properties/page_copies.h"
#include "properties/win32/dialog.h"

namespace mervane {

class CMervanePage3 : public PropertyPage {
 public:
  explicit CMervanePage3(OptionsPageCopies& copies) : copies_(copies) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnApply() override;

 private:
  void ShowCopies() const;
  void ReadControls();
  void OnProcessorPicked();
  void OnEdit();

  OptionsPageCopies& copies_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_OPTIONS_PAGE_H_
