// "Edit HTML": the checkout script's text in a resizable dialog. The text
// box follows the dialog's size, OK, Cancel and the size grip stay at the
// lower right.
#ifndef MERVANE_PROPERTIES_WIN32_SCRIPT_EDITOR_H_
#define MERVANE_PROPERTIES_WIN32_SCRIPT_EDITOR_H_

#include <array>

#include "ostrel/types.h"
#include "properties/win32/dialog.h"

namespace mervane {

class CScriptEditor : public ModalDialog {
 public:
  explicit CScriptEditor(OString& script) : script_(script) {}
  ~CScriptEditor() override;

  // Shows the dialog; OK replaces the script, Cancel leaves it.
  bool Edit(HWND parent);

 protected:
  bool OnInitDialog() override;
  bool OnOk() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                 INT_PTR& result) override;

 private:
  // A control kept at a fixed distance from the client's lower right: the
  // box by its lower right corner (it grows), the others by their upper left.
  struct Anchor {
    int id;
    bool grows;
    SIZE distance;
  };

  void PlaceGripInCorner() const;
  void MeasureAnchors();
  void Layout(int width, int height) const;

  OString& script_;
  HFONT font_ = nullptr;
  SIZE smallest_ = {};  // the template's window size
  std::array<Anchor, 4> anchors_ = {};
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SCRIPT_EDITOR_H_
