#include "properties/win32/script_editor.h"

#include "grid/win32/named_accessible.h"
#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr int kFontHeight = 14;  // pixels

HFONT CreateScriptFont() {
  return CreateFontW(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
}

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

CScriptEditor::~CScriptEditor() {
  if (font_ != nullptr) DeleteObject(font_);
}

bool CScriptEditor::Edit(HWND parent) {
  return Run(parent, L"EDIT_HTML") == IDOK;
}

bool CScriptEditor::OnInitDialog() {
  HWND box = Item(IDC_SCRIPT_TEXT);
  font_ = CreateScriptFont();
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  NameAfterItsWindow(box);
  // Zero lifts the 32,767-character default of a multi-line box.
  SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(box, script_.c_str());
  // The caret at the start rather than the whole script selected.
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, 0);
  RECT window;
  GetWindowRect(Window(), &window);
  smallest_ = {window.right - window.left, window.bottom - window.top};
  PlaceGripInCorner();
  MeasureAnchors();
  return false;
}

// Dialog units round each edge on its own, so the template's grip can end a
// pixel past the corner; it sits exactly in it at the system's size.
void CScriptEditor::PlaceGripInCorner() const {
  RECT client;
  GetClientRect(Window(), &client);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  const int height = GetSystemMetrics(SM_CYHSCROLL);
  SetWindowPos(Item(IDC_SCRIPT_GRIP), nullptr, client.right - width, client.bottom - height,
               width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScriptEditor::MeasureAnchors() {
  RECT client;
  GetClientRect(Window(), &client);
  anchors_ = {{{IDC_SCRIPT_TEXT, true, {}},
               {IDOK, false, {}},
               {IDCANCEL, false, {}},
               {IDC_SCRIPT_GRIP, false, {}}}};
  for (Anchor& anchor : anchors_) {
    const RECT rect = ChildRect(Window(), Item(anchor.id));
    const POINT corner = anchor.grows ? POINT{rect.right, rect.bottom}
                                      : POINT{rect.left, rect.top};
    anchor.distance = {client.right - corner.x, client.bottom - corner.y};
  }
}

void CScriptEditor::Layout(int width, int height) const {
  HDWP moves = BeginDeferWindowPos(static_cast<int>(anchors_.size()));
  for (const Anchor& anchor : anchors_) {
    HWND item = Item(anchor.id);
    const RECT rect = ChildRect(Window(), item);
    const int x = width - anchor.distance.cx;
    const int y = height - anchor.distance.cy;
    if (anchor.grows) {
      moves = DeferWindowPos(moves, item, nullptr, 0, 0, x - rect.left,
                             y - rect.top, SWP_NOMOVE | SWP_NOZORDER);
    } else {
      moves = DeferWindowPos(moves, item, nullptr, x, y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER);
    }
  }
  EndDeferWindowPos(moves);
  InvalidateRect(Item(IDC_SCRIPT_GRIP), nullptr, TRUE);
}

bool CScriptEditor::OnMessage(UINT message, WPARAM, LPARAM lParam,
                              INT_PTR& result) {
  if (message == WM_SIZE) {
    Layout(LOWORD(lParam), HIWORD(lParam));
  } else if (message == WM_GETMINMAXINFO) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest_.cx, smallest_.cy};
  } else {
    return false;
  }
  result = 0;
  return true;
}

bool CScriptEditor::OnOk() {
  script_ = ItemText(IDC_SCRIPT_TEXT);
  return true;
}

}  // namespace mervane
