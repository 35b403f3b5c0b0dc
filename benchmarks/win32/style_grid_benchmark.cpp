// Times the Style page's grid under Windows (or Wine): building and showing
// it over this machine's fonts, inserting synthetic face names, repainting
// after one scroll step, and a screen reader's walk of its outline (in this
// process, so the walk's own cost shows without marshalling). Prints medians
// of several runs.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "model/cart_settings.h"
#include "properties/font_names.h"
#include "properties/style_cells.h"
#include "properties/win32/style_grid.h"

namespace {


double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(const std::function<void()>& work, int runs = 7) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(Milliseconds(work));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

mervane::StylePageCopies CopiesOfNewCart() { return mervane::CartSettings(); }

std::vector<OString> FaceNames(int count, bool ascending) {
  std::vector<OString> names;
  for (int i = 0; i < count; ++i) {
    wchar_t name[32];
    swprintf(name, 32, L"Face %06d", ascending ? i : count - i);
    names.push_back(name);
  }
  return names;
}

// The names are copied before the clock starts, so that only the insertion
// (comparisons and moves) is timed. The list keeps its storage from run to
// run: under Wine the first touch of fresh pages costs more than the
// insertion itself and would hide how insertion grows with the count.
double InsertAll(const std::vector<OString>& names) {
  std::vector<double> times;
  std::vector<OString> list;
  list.reserve(names.size());  // as the font-name cell does
  for (int run = 0; run < 7; ++run) {
    std::vector<OString> input = names;
    list.clear();
    times.push_back(Milliseconds([&] {
      for (OString& name : input) mervane::InsertFontName(list, std::move(name));
    }));
    if (list.size() != names.size()) std::puts("lost a name");
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Every item's name, value and state, as a reader asks for them; the
// number of items read.
long WalkOutline(HWND window) {
  IAccessible* outline = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&outline)))) {
    return 0;
  }
  long read = 0;
  VARIANT self = {};
  V_VT(&self) = VT_I4, V_I4(&self) = CHILDID_SELF;
  for (VARIANT child = self; ++V_I4(&child) > 0; ++read) {
    IDispatch* found = nullptr;
    IAccessible* item = nullptr;
    if (outline->get_accChild(child, &found) != S_OK) break;
    found->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&item));
    BSTR name = nullptr, value = nullptr;
    VARIANT state = {};
    item->get_accName(self, &name);
    item->get_accValue(self, &value);
    item->get_accState(self, &state);
    SysFreeString(name);
    SysFreeString(value);
    item->Release();
    found->Release();
  }
  outline->Release();
  return read;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE module = GetModuleHandleW(nullptr);
  mervane::CExtPropertyGridCtrl::RegisterWindowClass(module);
  mervane::StylePageCopies copies = CopiesOfNewCart();

  HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400,
                               nullptr, nullptr, module, nullptr);
  SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  size_t faces = 0;
  double show = Median([&] {
    HWND window = CreateWindowExW(0, mervane::CExtPropertyGridCtrl::kWindowClass, L"",
                                  WS_CHILD | WS_VISIBLE, 0, 0, 500, 400, frame, nullptr,
                                  module, nullptr);
    mervane::CStylePropertyGridCtrl grid([](mervane::CExtPropertyItem&) { return true; });
    grid.Attach(window);
    auto found = mervane::EnumerateFontFaces(window);
    faces = found.size();
    auto store = mervane::BuildStyleStore(copies, found);
    grid.AddStore(store.get());
    grid.SelectStore(store.get());
    grid.ShowStoreSelector(false);
    UpdateWindow(window);
    DestroyWindow(window);
  });

  HWND window = CreateWindowExW(0, mervane::CExtPropertyGridCtrl::kWindowClass, L"",
                                WS_CHILD | WS_VISIBLE, 0, 0, 500, 400, frame, nullptr, module,
                                nullptr);
  mervane::CStylePropertyGridCtrl grid([](mervane::CExtPropertyItem&) { return true; });
  grid.Attach(window);
  auto store = mervane::BuildStyleStore(copies, mervane::EnumerateFontFaces(window));
  grid.AddStore(store.get());
  grid.SelectStore(store.get());
  UpdateWindow(window);
  int step = 0;
  double scroll = Median([&] {
    SendMessageW(window, WM_VSCROLL, (step++ % 40) < 20 ? SB_LINEDOWN : SB_LINEUP, 0);
    UpdateWindow(window);
  }, 41);

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  long items = 0;
  double walk = Median([&] { items = WalkOutline(window); });
  CoUninitialize();

  double sorted2k = InsertAll(FaceNames(2000, true));
  double sorted20k = InsertAll(FaceNames(20000, true));
  double reversed2k = InsertAll(FaceNames(2000, false));
  std::printf("style grid built and shown over %zu faces: %.2f ms (median of 7)\n", faces, show);
  std::printf("one scroll step repainted: %.3f ms (median of 41)\n", scroll);
  std::printf("outline of %ld items walked by a listener: %.3f ms (median of 7)\n", items, walk);
  std::printf("2,000 ascending names inserted: %.3f ms; 20,000: %.3f ms (%.1fx)\n", sorted2k,
              sorted20k, sorted20k / sorted2k);
  std::printf("2,000 descending names inserted: %.3f ms (%.1fx the ascending)\n", reversed2k,
              reversed2k / sorted2k);
  DestroyWindow(frame);
  return 0;
}
