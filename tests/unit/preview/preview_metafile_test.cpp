// Draw on Windows device contexts: an enhanced metafile records the GDI
// calls; a memory device context shows what Draw leaves behind. The
// stand-in's canvas tests look at the painted pixels.
#if defined(_WIN32)

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw_log.h"
#include "host/extension.h"

namespace mervane::testing {
namespace {

std::string TextOf(const EMREXTTEXTOUTW& record) {
  const auto* chars = reinterpret_cast<const wchar_t*>(
      reinterpret_cast<const BYTE*>(&record) + record.emrtext.offString);
  return ToUtf8(OString(chars, record.emrtext.nChars));
}

// From the font's creation on: the font, colour, mode and text records.
int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int,
                     LPARAM calls) {
  auto& out = *reinterpret_cast<std::vector<std::string>*>(calls);
  const auto* bytes = reinterpret_cast<const BYTE*>(record);
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(bytes);
    out.push_back("font " + FontText(font->elfw.elfLogFont));
  } else if (out.empty()) {
    return 1;
  } else if (record->iType == EMR_SELECTOBJECT) {
    const auto* select = reinterpret_cast<const EMRSELECTOBJECT*>(bytes);
    out.push_back(select->ihObject & ENHMETA_STOCK_OBJECT ? "select stock"
                                                          : "select");
  } else if (record->iType == EMR_SETTEXTCOLOR) {
    out.push_back("color " +
                  Hex(reinterpret_cast<const EMRSETTEXTCOLOR*>(bytes)->crColor));
  } else if (record->iType == EMR_SETBKMODE) {
    const auto* mode = reinterpret_cast<const EMRSETBKMODE*>(bytes);
    out.push_back("mode " + std::to_string(mode->iMode));
  } else if (record->iType == EMR_EXTTEXTOUTW) {
    out.push_back("text " +
                  TextOf(*reinterpret_cast<const EMREXTTEXTOUTW*>(bytes)));
  }
  return 1;
}

std::vector<std::string> Record(CMervaneExtension& widget, const RECT& rect) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  widget.Draw(dc, &rect);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  std::vector<std::string> calls;
  EnumEnhMetaFile(nullptr, metafile, Collect, &calls, nullptr);
  DeleteEnhMetaFile(metafile);
  return calls;
}

TEST(PreviewMetafile, FontColourAndModeAreSetForTheTextAndRestored) {
  CMervaneExtension widget;
  EXPECT_EQ(Record(widget, {10, 5, 230, 50}),
            (std::vector<std::string>{
                "font Arial h-13 w400 i0 u0 q6",
                "select",
                "color 858585",
                "mode 1",
                "text Placeholder for Mervane.",
                "color 000000",
                "mode 2",
                "select stock",
            }));
}

TEST(PreviewMetafile, DeviceContextStateIsUnchangedAfterDraw) {
  CMervaneExtension widget;
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT hostFont = CreateFontW(-20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Courier New");
  HGDIOBJ startFont = SelectObject(dc, hostFont);
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(4, 5, 6));
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const RECT rect = {0, 0, 100, 20};
  widget.Draw(dc, &rect);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), hostFont);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  SelectObject(dc, startFont);
  DeleteObject(hostFont);
  DeleteDC(dc);
}

}  // namespace
}  // namespace mervane::testing

#endif
