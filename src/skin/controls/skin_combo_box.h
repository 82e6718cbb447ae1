// TSkinComBox: the combo-box wrapper. It draws the box's sunken edge and drop-down
// button from the skin's SunkEdge and ComboButton objects (or the combined images the
// skin builds from them, or an arrow-only button), in the state of the box: normal,
// pressed (while the left button is held on the box or on its edit field), disabled,
// hot or focused. A right-to-left box (WS_EX_LEFTSCROLLBAR) has its button at the left
// with the mirrored images. Simple combo boxes have no button; the list they always show
// gets a TSkinScrollbarH (owned by this wrapper).
#pragma once
#include "framework/subclass.h"
#include "skin/controls/skin_control.h"

class TSkinComBox : public TSkinControl {
 public:
  explicit TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
  ~TSkinComBox() override;
  const char* ClassName() const override { return "TSkinComBox"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  void Unskin() override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The state cell drawn last: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
  int DrawnState() const { return drawnState_; }
  HWND EditWindow() const { return editSubclass_.Window(); }
  HWND ListWindow() const { return listWindow_; }
  TSkinControl* ListWrapper() const { return listWrapper_; }

 private:
  // After the base attach: the edit field of a drop-down box is subclassed; the list of
  // a simple box is found (and wrapped when possible).
  void AttachParts();
  void ReleaseParts();
  bool ReadComboInfo();
  int CurrentState();
  // ComboButton Style 1: a frame in the DC's brush, the button column and its arrow.
  void DrawArrowOnly(HDC dc, const RECT& rect, int state, bool leftHanded);
  // Any other style: the SunkEdge around the text area and the stretched button cell.
  void DrawEdgeAndButton(HDC dc, const RECT& rect, int state, bool leftHanded);
  void SetPressed(bool pressed);

  LONG style_ = 0;
  LONG exStyle_ = 0;
  HWND listWindow_ = nullptr;
  TWindowSubclass editSubclass_;
  TSkinControl* listWrapper_ = nullptr;
  COMBOBOXINFO comboInfo_{};
  int drawnState_ = 0;
};
