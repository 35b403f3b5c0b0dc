#include "properties/win32/property_sheet.h"

#include <algorithm>

#include "properties/properties_editor.h"
#include "properties/sheet_transfer.h"
#include "properties/win32/com_apartment.h"
#include "properties/win32/common_controls.h"
#include "properties/win32/credit_link.h"
#include "properties/win32/sheet_window.h"
#include "resources/resource_ids.h"

namespace mervane {

CPropertySheetCredits::CPropertySheetCredits(PageCopies& copies)
    : productsPage_(copies.products), stylePage_(copies.style), optionsPage_(copies.options) {}

std::vector<CPropertySheetCredits::Page> CPropertySheetCredits::Pages() {
  return {
      {&productsPage_, L"Products"},
      {&stylePage_, MAKEINTRESOURCEW(IDD_STYLE_PAGE)},
      {&optionsPage_, L"Options"},
  };
}

bool CPropertySheetCredits::Run(HWND parent) {
  std::vector<Page> pages = Pages();
  std::vector<PROPSHEETPAGEW> described;
  for (const Page& p : pages) {
    described.push_back(p.page->Describe(p.templateName, PSP_HASHELP));
  }
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USECALLBACK;
  header.hwndParent = IsWindow(parent) ? parent : nullptr;
  header.hInstance = EditorModule();
  header.pszCaption = L"Mervane Properties";
  header.nPages = static_cast<UINT>(described.size());
  header.nStartPage = 0;
  header.ppsp = described.data();
  header.pfnCallback = &OnSheetEvent;

  ComApartment apartment;
  CommonControls controls;
  controls.ShowPropertySheet(header);
  // Every page that was shown takes part in OK; one that accepted it means
  // the sheet closed with OK (a Cancel clears them all). A page that failed
  // keeps the cart as it was.
  auto failed = [](const Page& p) { return p.page->Failed(); };
  auto accepted = [](const Page& p) { return p.page->Accepted(); };
  return std::none_of(pages.begin(), pages.end(), failed) &&
         std::any_of(pages.begin(), pages.end(), accepted);
}

// Called once the sheet has built its window and buttons.
int CALLBACK CPropertySheetCredits::OnSheetEvent(HWND sheet, UINT event, LPARAM) {
  if (event == PSCB_INITIALIZED) {
    PrepareSheetWindow(sheet);
    AddCreditLink(sheet);
  }
  return 0;
}

bool EditProperties(CartSettings& settings, OHwnd parent) {
  return EditCopies(settings, [parent](PageCopies& copies) {
    CPropertySheetCredits sheet(copies);
    return sheet.Run(parent);
  });
}

}  // namespace mervane
