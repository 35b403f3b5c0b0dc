#include "publish/stylesheet.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/text.h"

namespace mervane {

namespace {

// ---- Building blocks: each returns whole "\r\n"-ended lines.

OString Line(std::string_view exact) { return FromAscii(exact) + OSTR("\r\n"); }

OString Decl(std::string_view property, const OString& value) {
  return FromAscii("   ") + FromAscii(property) + OSTR(": ") + value + OSTR(";\r\n");
}

OString Decl(std::string_view property, std::string_view value) {
  return Decl(property, FromAscii(value));
}

// Sizes are 32-bit integers; sums and differences wrap around as such
// integers do (through unsigned arithmetic, which has no overflow), so that
// extreme bounds or padding print the 32-bit result.
int32_t Plus(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t Minus(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

OString Px(int32_t value) { return IntToString(value) + OSTR("px"); }

// The fixed heights of the bars above and below the tabs; each has a border
// of one pixel above and below, and the bottom bar the item padding too.
constexpr int32_t kMenuBarHeight = 33;
constexpr int32_t kBottomBarHeight = 40;

// "<width>px solid #RRGGBB", the value of a border declaration.
OString Solid(int width, OColor color) {
  return IntToText(width) + OSTR("px solid ") + ColorToString(color);
}

OString Decoration(const CFontStyle& s) {
  return Decl("text-decoration", s.underline != 0 ? "underline" : "none");
}

OString FontSet(const CFontStyle& s) {
  return Decl("font-family", s.fontName) +
         Decl("font-weight", s.bold != 0 ? "bold" : "normal") +
         Decl("font-style", s.italic != 0 ? "italic" : "normal") +
         Decoration(s) +
         Decl("font-size", FontSizeToString(s.fontSize) + OSTR("px"));
}

OString Radius(const CFontStyle& s) {
  return Decl("-webkit-border-radius", Px(s.borderRadius)) +
         Decl("-moz-border-radius", Px(s.borderRadius)) +
         Decl("border-radius", Px(s.borderRadius));
}

// The face of a tab, a button or the checkout button.
OString Face(const CFontStyle& s) {
  return Decl("color", ColorToString(s.textColor)) + FontSet(s) +
         Decl("outline-style", "none") + Decl("text-align", "center") +
         Decl("background-color", ColorToString(s.backgroundColor)) +
         Decl("border", Solid(1, s.borderColor));
}

// The hover state of a button: its hover colours and underline switch.
OString ButtonHover(const CFontStyle& s) {
  return Decl("color", ColorToString(s.textColorHover)) +
         Decl("background-color", ColorToString(s.backgroundColorHover)) +
         Decl("border", Solid(1, s.backgroundColorHover)) + Decoration(s);
}

// The text and frame of a message bar.
OString MessageFace(const CFontStyle& s) {
  return FontSet(s) + Decl("color", ColorToString(s.textColor)) +
         Decl("background", ColorToString(s.backgroundColor)) +
         Decl("border", Solid(1, s.borderColor));
}

void Rule(OString& out, std::string_view selector,
          std::initializer_list<OString> declarations) {
  out += Line(selector);
  out += OSTR("{\r\n");
  for (const OString& d : declarations) out += d;
  out += OSTR("}\r\n");
}

int32_t Width(const ORect& r) { return Minus(r.right, r.left); }
int32_t Height(const ORect& r) { return Minus(r.bottom, r.top); }

// The height, frame and background of the cart list and the product list.
OString ScrollingList(const CartSettings& s) {
  return Decl("height", Px(Minus(Height(s.bounds), 38))) +
         Decl("border", Solid(0, s.mainStyle.backgroundColor)) +
         Decl("background", ColorToString(s.listBackgroundColor)) +
         Decl("overflow", "auto");
}

// ---- The rules, in file order, grouped by the part of the cart they style.

void FrameRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  const OString pad = Px(s.padding);
  Rule(out, ".mvMain", {
      Decl("position", "relative"), Decl("margin", "0"), Decl("padding", "0"),
      Decl("color", ColorToString(m.textColor)), FontSet(m),
      Decl("border", Solid(0, m.borderColor)), Decl("width", "100%")});
  Rule(out, ".mvMain .mvTabs", {
      Decl("position", "relative"), Decl("margin", "0"), Decl("padding", "0"),
      Decl("top", "0px"), Decl("color", ColorToString(m.textColor)),
      Decl("background-color", "transparent"), Decl("border", Solid(1, m.borderColor)),
      Decl("border-top", "0px solid transparent"),
      Decl("border-bottom", "0px solid transparent"),
      Decl("height", Px(Minus(Height(s.bounds), 2)))});
  Rule(out, ".mvMain .mvBottomBar", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      Decl("margin", "0"), Decl("margin-top", "0px"),
      Line("   height:" + std::to_string(kBottomBarHeight) + "px;"),
      Decl("border", Solid(1, m.borderColor)),
      Decl("border-bottom", Solid(1, m.borderColor)),
      Decl("background", ColorToString(m.backgroundColor))});
}

void CartHeaderRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  Rule(out, ".mvMain .mvCartHeader", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("padding-top", Px(s.padding)), Decl("padding-bottom", Px(s.padding)),
      Decl("margin", "0"), Decl("height", "23px"), Decl("border", "0"),
      Decl("border-bottom", Solid(1, m.borderColor)),
      Decl("background", ColorToString(m.backgroundColor))});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("padding-top", Px(Plus(s.padding, 2))), Decl("padding-left", Px(Plus(s.padding, 2))),
      Decl("margin", "0"), Decl("height", "18px"), Line("   border: 0; "),
      Decl("border-right", Solid(1, m.borderColor)), Decl("float", "left")});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle1", {
      Decl("width", Px(Minus(Width(s.bounds), 410)))});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle2", {Decl("width", "100px")});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle3", {Decl("width", "70px")});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle4", {Decl("width", "100px")});
  Rule(out, ".mvMain .mvCartHeader .mvCartTitle5", {
      Decl("width", "100px"), Decl("border-right", "0")});
}

void CartListRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  Rule(out, ".mvMain .mvCartList", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("margin", "0"), Decl("width", "100%"),
      ScrollingList(s)});
  Rule(out, ".mvMain .mvCartList .mvCartItem", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("padding-top", Px(s.padding)), Decl("padding-bottom", Px(s.padding)),
      Decl("margin", "0"), Decl("margin-top", "3px"), Decl("width", "100%"),
      Decl("border-width", "0"), Decl("border-bottom", "1px solid #CCC"),
      Decl("background", ColorToString(m.backgroundColor)), Decl("float", "left")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("padding-top", Px(Plus(s.padding, 2))), Decl("padding-left", Px(Plus(s.padding, 2))),
      Decl("margin", "0"), Decl("border-width", "0"),
      Decl("border-right", "1px solid #CCC"), Decl("float", "left")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle1", {
      Decl("padding-top", Px(s.padding)), Decl("width", Px(Minus(Width(s.bounds), 410)))});
  Rule(out,
       ".mvMain .mvCartList .mvCartItem .mvCartItemTitle1 div, "
       ".mvMain .mvCartList .mvCartItem .mvCartItemTitle1 img",
       {Decl("margin-left", "3px"), Decl("float", "left")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle1 div", {
      Decl("display", "block"), Decl("overflow", "hidden"), Decl("width", "245px")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle2", {
      Decl("width", "100px"), Decl("height", "28px")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle3", {
      Decl("width", "70px"), Decl("height", "28px")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle4", {
      Decl("width", "100px"), Decl("height", "28px")});
  Rule(out, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle5", {
      Decl("border-right", "0")});
}

void SearchPanelRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  const OString pad = Px(s.padding);
  const OString text = ColorToString(m.textColor);
  Rule(out, ".mvMain .mvSearchPanel", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      Decl("margin", "0"), Decl("height", "23px"),
      Decl("border", Solid(1, m.backgroundColor)),
      Decl("border-bottom", Solid(1, m.borderColor)),
      Decl("background", ColorToString(m.backgroundColor))});
  Rule(out, ".mvMain .mvSearchPanel .mvTxtSearch", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      Line("   margin:0;"), Decl("height", "18px"), Decl("line-height", "18px"),
      Decl("margin-left", "1px"), Decl("border", Solid(1, m.borderColor)),
      Decl("padding", OSTR("1px ") + Px(Plus(s.padding, 2))), Decl("width", "150px"),
      Decl("color", text), Decl("float", "left")});
  Rule(out, ".mvMain .mvSearchPanel .mvLabelSearch", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      Decl("margin", "0"), Decl("height", "18px"), Decl("line-height", "18px"),
      Decl("margin-left", "1px"), Decl("color", text), Decl("float", "left")});
  Rule(out, ".mvMain .mvSearchPanel .mvLabelCategory", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      Decl("margin", "0"), Decl("height", "18px"), Decl("line-height", "18px"),
      Decl("margin-left", "10px"), Decl("color", text), Decl("float", "left")});
  Rule(out, ".mvMain .mvSearchPanel .mvSelCategory", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "1px"),
      Decl("margin", "0"), Decl("margin-left", "1px"),
      Decl("border", Solid(1, m.borderColor)), Decl("padding", "1px"),
      Decl("color", text), Decl("float", "left")});
}

void ProductListRules(OString& out, const CartSettings& s) {
  const CFontStyle& p = s.productsStyle;
  const OString pad = Px(s.padding);
  Rule(out, ".mvMain .mvProductList", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", pad),
      s.padding > 0 ? Decl("padding-top", Px(Minus(s.padding, 1))) : OString(),
      Decl("margin", "0"), Decl("margin-right", pad),
      ScrollingList(s)});
  Rule(out, ".mvMain .mvProductList .mvProducts", {
      Decl("display", "block"), Decl("position", "relative"), Decl("padding", "0px"),
      Decl("margin", "0"), Decl("margin-top", "3px"), Decl("width", "100%"),
      Decl("border", Solid(1, p.backgroundColor)),
      Decl("border-bottom", Solid(1, p.borderColor)),
      Decl("color", ColorToString(p.textColor)), FontSet(p),
      Decl("background-color", ColorToString(p.backgroundColor)),
      Decl("overflow", "visible"), Decl("float", "left")});
  Rule(out, ".mvMain .mvProductList .mvProducts:hover", {
      Decl("border", Solid(1, p.borderColor))});
  Rule(out, ".mvMain .mvProductList .mvProducts .mvPDiv1", {
      Decl("margin-left", "0px"), Decl("padding", pad), Decl("float", "left")});
  Rule(out, ".mvMain .mvProductList .mvProducts .mvPDiv2", {
      Decl("margin-left", "3px"), Decl("margin-bottom", "3px"), Decl("float", "left"),
      Decl("width", "400px"), Decl("padding", pad)});
  Rule(out, ".mvMain .mvProductList .mvProducts .mvPDiv3 ", {
      Decl("margin-right", "10px"), Decl("float", "right"), Decl("width", "200px")});
}

void MenuBarRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  Rule(out, ".mvMain ul.mvMenuBar", {
      Decl("display", "block"), Decl("list-style", "none"), Decl("position", "relative"),
      Decl("padding", "0px"), Decl("margin", "0"), Decl("height", Px(kMenuBarHeight)),
      Decl("clear", "both"), Decl("border", Solid(1, m.borderColor)),
      Decl("border-bottom", Solid(1, m.borderColor)),
      Decl("background", ColorToString(m.backgroundColor))});
  Rule(out, ".mvMain ul.mvMenuBar li", {
      Decl("position", "relative"), Decl("margin", "0"), Decl("padding", "0"),
      Decl("padding-right", "2px"), Decl("border-bottom", "0px"),
      Decl("border-right", "0px"), Decl("border-left", "0px"), Decl("float", "left")});
  Rule(out, ".mvMain ul.mvMenuBar li a", {
      Decl("position", "relative"), Decl("display", "block"), Decl("margin", "0"),
      Decl("margin-left", "5px"), Decl("margin-top", "2px"), Decl("padding", "0"),
      Decl("padding-top", "4px"), Decl("height", "25px"), Decl("width", "180px"),
      Face(m), Decl("border-bottom", Solid(1, m.backgroundColor))});
  Rule(out, ".mvMain ul.mvMenuBar li a:hover", {
      Decl("color", ColorToString(m.textColorHover)),
      Decl("background", ColorToString(m.backgroundColorHover)),
      Decl("border-bottom", Solid(1, m.backgroundColorHover))});
  Rule(out, ".mvMain ul.mvMenuBar li a.sel", {
      Decl("color", ColorToString(m.textColorHover)),
      Decl("background", ColorToString(m.backgroundColorHover)),
      Decl("cursor", "text"), Decl("font-weight", "bold"),
      Decl("border-bottom", Solid(1, m.backgroundColor)),
      Decl("height", "26px"), Decl("bottom", "-1px")});
}

void ImageRules(OString& out, const CartSettings& s) {
  const OColor border = s.mainStyle.borderColor;
  Rule(out, ".mvProductImage", {
      Decl("position", "relative"), Decl("width", "45px"), Decl("overflow", "hidden"),
      Decl("float", "left"), Decl("padding", "0"), Decl("margin", "1px 1px 1px 1px"),
      Decl("background", "transparent"), Decl("border", Solid(1, border))});
  Rule(out, ".mvProductImageSmall", {
      Decl("width", "28px"), Decl("height", "28px"), Decl("overflow", "hidden"),
      Decl("float", "left"), Decl("padding", "0"), Decl("margin", "0"),
      Decl("background", "transparent"), Decl("border", Solid(1, border))});
  Rule(out, ".sImgLoader", {
      Decl("position", "absolute"), Decl("margin", "0"), Decl("padding", "0"),
      Decl("margin-left", "25px"), Decl("margin-top", "10px"),
      Decl("background-color", ColorToString(s.listBackgroundColor))});
}

// The search and remove buttons differ only in their left margin and width.
void ToolButtonRule(OString& out, std::string_view selector, const CFontStyle& b,
                    std::string_view marginLeft, std::string_view width) {
  Rule(out, selector, {
      Decl("display", "block"), Decl("margin", "0"), Decl("margin-top", "0px"),
      Decl("margin-left", marginLeft), Decl("padding", "0"), Decl("padding-top", "3px"),
      Decl("height", "17px"), Decl("width", width), Face(b),
      Decl("float", "left"), Radius(b)});
}

void ButtonRules(OString& out, const CartSettings& s) {
  const CFontStyle& b = s.buttonsStyle;
  ToolButtonRule(out, ".mvSearch, .mvSearch:visited", b, "5px", "80px");
  Rule(out, ".mvSearch:hover ", {ButtonHover(b)});
  ToolButtonRule(out, ".mvRemove, .mvRemove:visited", b, "3px", "70px");
  Rule(out, ".mvRemove:hover", {ButtonHover(b)});
  Rule(out, ".mvAddToCart, .mvAddToCart:visited", {
      Decl("display", "block"), Decl("margin", "0"), Decl("margin-top", "12px"),
      Decl("padding", "0"), Decl("padding-top", "5px"), Decl("height", "18px"),
      Decl("width", "80px"), Face(b), Decl("float", "right"), Radius(b)});
  Rule(out, ".mvAddToCart:hover", {ButtonHover(b)});
}

void QuantityAndSubtotalRules(OString& out, const CartSettings& s) {
  const CFontStyle& m = s.mainStyle;
  Rule(out, ".mvTxtQuantity", {
      Decl("margin-top", "15px"), Decl("margin-right", "5px"),
      Decl("border", Solid(1, m.borderColor)), Decl("padding", "1px 5px"),
      Decl("width", "25px"), Decl("float", "left")});
  Rule(out, ".mvTxtQuantity2 ", {
      Decl("margin-top", "0px"), Decl("margin-right", "0px"),
      Decl("border", Solid(1, m.borderColor)), Decl("padding", "1px 5px"),
      Decl("width", "25px"), Decl("float", "left")});
  Rule(out, ".mvLabelQuantity ", {
      Decl("margin-top", "15px"), Decl("margin-right", "0px"),
      Decl("padding", "1px 5px"), Decl("float", "left")});
  Rule(out, ".mvLabelSubtotalText", {
      Decl("display", "block"), Decl("margin-top", "5px"), Decl("margin-right", "0px"),
      Decl("padding", "3px"), Decl("color", ColorToString(m.textColor)), FontSet(m),
      Decl("float", "right")});
  Rule(out, ".mvLabelSubtotalValue", {
      Decl("display", "block"), Decl("margin-top", "3px"), Decl("margin-left", "5px"),
      Decl("margin-right", "20px"), Decl("padding", "5px"),
      Decl("background", ColorToString(m.backgroundColor)),
      Decl("color", ColorToString(m.textColor)), FontSet(m),
      Decl("border", Solid(1, m.borderColor)), Decl("float", "right")});
}

void CheckoutButtonRules(OString& out, const CartSettings& s) {
  const CFontStyle& c = s.checkoutButtonStyle;
  Rule(out, ".mvCheckoutButton, .mvCheckoutButton:visited", {
      Decl("display", "block"), Decl("margin", "0"), Decl("margin-top", "4px"),
      Decl("margin-right", "10px"), Decl("padding", "0"), Decl("padding-top", "7px"),
      Decl("height", "22px"), Decl("width", "180px"), Face(c), Radius(c),
      Decl("float", "right")});
  Rule(out, ".mvCheckoutButton:hover", {ButtonHover(c)});
}

void MessageBarRules(OString& out, const CartSettings& s) {
  const CFontStyle& b = s.messageBarStyle;
  Rule(out, ".mvMessageBar", {
      Decl("position", "relative"), Decl("margin", "0"), Decl("padding", "10px"),
      Decl("top", "10px"), Decl("left", "4%"), MessageFace(b), Decl("width", "90%"),
      Decl("height", "18px"), Decl("text-align", "center"), Radius(b)});
  Rule(out, ".mvMessageBar2", {
      Decl("position", "relative"), Decl("margin", "0"), Decl("margin-left", "10px"),
      Decl("margin-right", "10px"), Decl("padding", "5px"), Decl("padding-left", "5px"),
      Decl("padding-right", "5px"), Decl("top", "3px"), MessageFace(b),
      Decl("text-align", "center"), Radius(b)});
}

void TooltipRules(OString& out, const CartSettings& s) {
  Rule(out, ".tooltip", {
      Decl("position", "absolute"), Decl("z-index", "999"),
      Decl("background-color", "#AAA"), Decl("padding", "0px"),
      Decl("border", "1px solid #AAA"),
      Decl("color", ColorToString(s.listBackgroundColor)), Decl("width", "auto"),
      Decl("text-align", "left"), Decl("overflow", "visible")});
  Rule(out, ".tooltip img", {
      Decl("border-width", "0"), Decl("float", "left"),
      Decl("background-color", "#FFFFFF")});
}

// Pixel sizes by the highest point size each covers.
struct FontSizeStep {
  int32_t maxPoints;
  const char* pixels;
};

constexpr FontSizeStep kFontSizeSteps[] = {
    {6, "8"},   {7, "9.3"}, {8, "11"},  {9, "12"},  {10, "13"}, {11, "15"},
    {12, "16"}, {13, "17"}, {14, "19"}, {15, "20"}, {16, "21"}, {18, "24"},
    {20, "27"}, {22, "29"}, {24, "32"}, {26, "35"}, {28, "37"}, {32, "43"},
    {36, "48"}, {40, "53"}, {48, "64"}, {56, "75"}, {64, "85"}, {72, "96"},
    {80, "107"}, {96, "128"},
};

// What sizes above the table fall back to.
constexpr const char* kOversizedPixels = "12";

}  // namespace

int32_t CartHeight(const CartSettings& settings) {
  const int32_t tabs = Minus(Height(settings.bounds), 2);
  const int32_t bottomBar = Plus(kBottomBarHeight + 2, Plus(settings.padding, settings.padding));
  return Plus(Plus(kMenuBarHeight + 2, tabs), bottomBar);
}

OString BuildStylesheet(const CartSettings& settings) {
  OString out;
  FrameRules(out, settings);
  CartHeaderRules(out, settings);
  CartListRules(out, settings);
  SearchPanelRules(out, settings);
  ProductListRules(out, settings);
  MenuBarRules(out, settings);
  ImageRules(out, settings);
  ButtonRules(out, settings);
  QuantityAndSubtotalRules(out, settings);
  CheckoutButtonRules(out, settings);
  MessageBarRules(out, settings);
  TooltipRules(out, settings);
  return out;
}

OString ColorToString(OColor color) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  OString out = OSTR("#");
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned byte = (color >> shift) & 0xFF;
    out += static_cast<OChar>(kHex[byte >> 4]);
    out += static_cast<OChar>(kHex[byte & 0xF]);
  }
  return out;
}

OString FontSizeToString(int32_t points) {
  for (const FontSizeStep& step : kFontSizeSteps)
    if (points <= step.maxPoints) return FromAscii(step.pixels);
  return FromAscii(kOversizedPixels);
}

OString IntToString(int32_t value) { return IntToText(value); }

}  // namespace mervane
