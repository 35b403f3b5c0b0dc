#include "grid/win32/cell_painter.h"

#include "framework/text.h"

namespace mervane {

namespace {

constexpr size_t kDrawnTextLimit = 512;  // longer texts are cut for drawing only

}  // namespace

void DrawOneLine(HDC dc, const OString& text, RECT area) {
  OString shown = OneLine(text.size() <= kDrawnTextLimit ? text : text.substr(0, kDrawnTextLimit));
  DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

CExtGridCellPainter::CExtGridCellPainter(HDC dc, RECT area, bool selected)
    : dc_(dc),
      next_({area.left + 3, area.top, area.right - 3, area.bottom}),
      button_({area.right - (area.bottom - area.top), area.top, area.right, area.bottom - 1}),
      selected_(selected) {}

void CExtGridCellPainter::Write(const OString& text) { DrawOneLine(dc_, text, next_); }

void CExtGridCellPainter::CheckBox(bool checked) {
  int middle = (next_.top + next_.bottom) / 2;
  RECT mark = {next_.left, middle - 6, next_.left + 13, middle + 7};
  DrawFrameControl(dc_, &mark, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
}

void CExtGridCellPainter::Swatch(OColor color) {
  RECT swatch = {next_.left, next_.top + 3, next_.left + 22, next_.bottom - 4};
  HBRUSH fill = CreateSolidBrush(color & 0x00FFFFFF);
  FillRect(dc_, &swatch, fill);
  DeleteObject(fill);
  FrameRect(dc_, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
  next_.left = swatch.right + 4;
}

void CExtGridCellPainter::DropButton() {
  if (selected_) DrawFrameControl(dc_, &button_, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

void CExtGridCellPainter::SpinButtons(bool canGoUp, bool canGoDown) {
  if (!selected_) return;
  RECT up = button_, down = button_;
  up.bottom = down.top = (button_.top + button_.bottom) / 2;
  DrawFrameControl(dc_, &up, DFC_SCROLL, DFCS_SCROLLUP | (canGoUp ? 0 : DFCS_INACTIVE));
  DrawFrameControl(dc_, &down, DFC_SCROLL, DFCS_SCROLLDOWN | (canGoDown ? 0 : DFCS_INACTIVE));
}

}  // namespace mervane
