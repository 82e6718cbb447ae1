// Tab controls on the system "SysTabControl32" class (superclassed).
//   TCustomTabControl  tabs with captions and image-list images, on any side
//                      (TabPosition), as tabs or buttons (Style), one or more rows
//   TTabControl        publishes TCustomTabControl; its tabs are a list of captions
//   TPageControl       one tab per TTabSheet page; the selected page is shown over the
//                      tab control's display area, the others are hidden
//   TTabSheet          a page of a page control
#pragma once
#include <string>
#include <vector>

#include "framework/win_control.h"

class TImageList;
class TTabSheet;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner);
  const char* ClassName() const override { return "TCustomTabControl"; }
  void DefineProperties(TPropList& list) const override;

  int TabIndex();
  void SetTabIndex(int index);
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  // The area inside the tabs and the pane's edge (client coordinates).
  RECT DisplayRect();
  // Read when the window is made (set them before the control gets a parent).
  TTabPosition TabPosition = tpTop;
  TTabStyle Style = tsTabs;
  bool MultiLine = false;
  TImageList* Images = nullptr;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool HandleMessage(TMessage& message) override;
  // The selected tab changed (by the user or by SetTabIndex).
  virtual void Change() {}
  void InsertTab(int index, const std::string& caption, int imageIndex = -1);
  void SetTabCaption(int index, const std::string& caption);
  void DeleteTab(int index);

 private:
  struct Tab {
    std::string caption;
    int image;
  };
  void SendTab(UINT msg, int index, const Tab& tab);
  std::vector<Tab> tabs_;
  int tabIndex_ = -1;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  const char* ClassName() const override { return "TTabControl"; }
  void AddTab(const std::string& caption, int imageIndex = -1) { InsertTab(TabCount(), caption, imageIndex); }
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner) : TCustomTabControl(owner) {}
  ~TPageControl() override;
  const char* ClassName() const override { return "TPageControl"; }
  void DefineProperties(TPropList& list) const override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage();
  void SetActivePage(TTabSheet* page);

 protected:
  void Change() override;
  void BoundsChanged() override;
  void HandleCreated() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void ShowActivePage();
  std::vector<TTabSheet*> pages_;
};

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }
  TPageControl* PageControl() const { return pageControl_; }
  // Puts the sheet on a page control (its last page) or takes it off (null).
  void SetPageControl(TPageControl* pageControl);

 protected:
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
};
