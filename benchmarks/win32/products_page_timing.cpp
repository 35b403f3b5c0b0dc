// Times the Products page on a large cart: opening a sheet that holds it
// until everything has painted, against opening it on an empty cart in the
// same run (medians, in turn), and Remove with every row selected; then a
// naive fill of the same rows (one insert per row and column, redrawing on)
// in a list view of the same size, for comparison.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench_carts.h"
#include "properties/win32/products_page.h"
#include "resources/resource_ids.h"

namespace mervane {
namespace {

// Under Wine the naive fill can take minutes; it stops after this long.
constexpr std::chrono::seconds kNaiveBudget(20);

// Wall-clock and this thread's processor time, in milliseconds: on a busy
// machine the second shows what the work itself costs.
struct Took {
  double wall;
  double processor;
};

double ThreadProcessorMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ticks = [](FILETIME t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;
}

Took MillisecondsOf(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  double processorStart = ThreadProcessorMilliseconds();
  work();
  std::chrono::duration<double, std::milli> took =
      std::chrono::steady_clock::now() - start;
  return {took.count(), ThreadProcessorMilliseconds() - processorStart};
}

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND OpenSheet(CMervanePage1& page) {
  PROPSHEETPAGEW described = page.Describe(L"Products", PSP_HASHELP);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
  header.pszCaption = L"Products";
  header.nPages = 1;
  header.ppsp = &described;
  auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  ShowWindow(sheet, SW_SHOW);
  PaintNow(sheet);
  return sheet;
}

HWND PageItem(HWND sheet, int id) {
  return GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), id);
}

void SelectEverything(HWND sheet) {
  ListView_SetItemState(PageItem(sheet, IDC_PRODUCT_LIST), -1, LVIS_SELECTED,
                        LVIS_SELECTED);
}

void ClickRemove(HWND sheet) {
  SendMessageW(PageItem(sheet, IDC_PRODUCT_REMOVE), BM_CLICK, 0, 0);
  PaintNow(sheet);
}

void InsertText(HWND list, int row, int column, const OString& text) {
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  if (column == 0) {
    ListView_InsertItem(list, &item);
  } else {
    ListView_SetItem(list, &item);
  }
}

// Fills row after row until done or the time budget is spent; the rows filled.
size_t NaiveFill(HWND list, const ProductList& products) {
  const wchar_t* headers[] = {L"Name", L"Description", L"SKU"};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<wchar_t*>(headers[i]);
    ListView_InsertColumn(list, i, &column);
  }
  auto stop = std::chrono::steady_clock::now() + kNaiveBudget;
  int row = 0;
  for (const CProduct& p : products) {
    if (std::chrono::steady_clock::now() > stop) break;
    InsertText(list, row, 0, p.name);
    InsertText(list, row, 1, p.description);
    InsertText(list, row, 2, p.productId);
    ++row;
  }
  PaintNow(list);
  return static_cast<size_t>(row);
}

// A bare list view over the page's own.
HWND PlainList(HWND over) {
  RECT frame;
  GetWindowRect(over, &frame);
  return CreateWindowExW(0, WC_LISTVIEWW, L"",
                         WS_POPUP | WS_VISIBLE | WS_BORDER | LVS_REPORT,
                         frame.left, frame.top, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, nullptr,
                         nullptr);
}

// Opens the sheet on `products` and takes it down again; the time to the
// sheet shown and painted.
Took OpenAndClose(ProductList products) {
  CMervanePage1 page(products);
  HWND sheet = nullptr;
  Took open = MillisecondsOf([&] { sheet = OpenSheet(page); });
  DestroyWindow(sheet);
  return open;
}

// Medians of this many openings, empty and large in turn.
constexpr int kRounds = 7;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace
}  // namespace mervane

int main(int argc, char** argv) {
  using namespace mervane;
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
  ProductList products = bench::CartWithProducts(count).products;

  std::vector<double> emptyWall, emptyCpu, fullWall, fullCpu;
  for (int round = 0; round < kRounds; ++round) {
    Took empty = OpenAndClose(ProductList());
    Took full = OpenAndClose(products);
    emptyWall.push_back(empty.wall), emptyCpu.push_back(empty.processor);
    fullWall.push_back(full.wall), fullCpu.push_back(full.processor);
  }
  std::printf("open, medians of %d, milliseconds wall (processor): empty cart %.0f (%.0f), "
              "%zu products %.0f (%.0f); %.2fx the empty cart's wall time\n",
              kRounds, Median(emptyWall), Median(emptyCpu), count, Median(fullWall),
              Median(fullCpu), Median(fullWall) / Median(emptyWall));

  ProductList removed = products;  // the page takes its products over
  CMervanePage1 page(removed);
  HWND sheet = OpenSheet(page);
  SelectEverything(sheet);
  Took remove = MillisecondsOf([&] { ClickRemove(sheet); });
  HWND list = PlainList(PageItem(sheet, IDC_PRODUCT_LIST));
  DestroyWindow(sheet);
  size_t filled = 0;
  Took naive = MillisecondsOf([&] { filled = NaiveFill(list, products); });
  DestroyWindow(list);

  std::printf("remove all %.0f (%.0f); naive fill of %zu rows %.0f (%.0f)\n", remove.wall,
              remove.processor, filled, naive.wall, naive.processor);
  return 0;
}
