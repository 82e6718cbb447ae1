// Reading a whole skin description into a set of skin objects, and taking a new set over.
#include "skin/data/skin_object_set.h"

#include "skin/data/derived_images.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_keys.h"

namespace {

template <typename T>
void AddIf(std::vector<const TDataSkinObject*>& list, const std::unique_ptr<T>& object) {
  if (object) list.push_back(object.get());
}

// Moves the contents of next into current, keeping current's identity (others may hold
// pointers to it); creates current when it does not exist yet.
template <typename T>
void MoveInto(std::unique_ptr<T>& current, std::unique_ptr<T>& next) {
  if (!next) return;
  if (!current) {
    current = std::move(next);
  } else {
    *current = std::move(*next);
    next.reset();
  }
}

// Calls visit with the member pointer of every slot that holds an object only while the
// skin defines it, in a fixed order.
template <typename Visit>
void ForEachPerSkinSlot(Visit&& visit) {
  visit(&TSkinObjects::MenuBar);
  visit(&TSkinObjects::Progress);
  visit(&TSkinObjects::ProgressChunk);
  visit(&TSkinObjects::GroupBoxEdge);
  visit(&TSkinObjects::GroupBox);
  visit(&TSkinObjects::Tabs);
  visit(&TSkinObjects::StatusBarEdges);
  visit(&TSkinObjects::TabPane);
  visit(&TSkinObjects::ToolBars);
  visit(&TSkinObjects::ComboButton);
  visit(&TSkinObjects::SunkEdge);
  visit(&TSkinObjects::ExtraImages);
  visit(&TSkinObjects::Headerbar);
  visit(&TSkinObjects::MenuItem);
  visit(&TSkinObjects::MenuBackground);
  visit(&TSkinObjects::Scrollbar);
  visit(&TSkinObjects::HorzScroll);
  visit(&TSkinObjects::VertScroll);
  visit(&TSkinObjects::HorzScrollThumb);
  visit(&TSkinObjects::VertScrollThumb);
  visit(&TSkinObjects::TrackbarThumbHorz);
  visit(&TSkinObjects::TrackbarThumbVert);
  visit(&TSkinObjects::TrackbarThumbLeft);
  visit(&TSkinObjects::TrackbarThumbRight);
  visit(&TSkinObjects::TrackbarThumbUp);
  visit(&TSkinObjects::TrackbarThumbDown);
  visit(&TSkinObjects::UpDownHorz);
  visit(&TSkinObjects::UpDownVert);
  visit(&TSkinObjects::Track);
  visit(&TSkinObjects::TrackVert);
}

// A slot of a plain object and the section it is read from.
struct PlainSlot {
  std::unique_ptr<TDataSkinObject> TSkinObjects::*slot;
  const char* section;
};
// The plain objects read after the combo parts, in reading order.
constexpr PlainSlot kFurtherPlainObjects[] = {
    {&TSkinObjects::ExtraImages, "ExtraImages"},
    {&TSkinObjects::Headerbar, "Headerbar"},
    {&TSkinObjects::MenuItem, "MenuItem"},
    {&TSkinObjects::MenuBackground, "MenuBackground"},
    {&TSkinObjects::Scrollbar, "Scrollbar"},
    {&TSkinObjects::HorzScroll, "HorzScroll"},
    {&TSkinObjects::VertScroll, "VertScroll"},
    {&TSkinObjects::HorzScrollThumb, "HorzScrollThumb"},
    {&TSkinObjects::VertScrollThumb, "VertScrollThumb"},
    {&TSkinObjects::TrackbarThumbHorz, "Trackbar.ThumbHorz"},
    {&TSkinObjects::TrackbarThumbVert, "Trackbar.ThumbVert"},
    {&TSkinObjects::TrackbarThumbLeft, "Trackbar.ThumbLeft"},
    {&TSkinObjects::TrackbarThumbRight, "Trackbar.ThumbRight"},
    {&TSkinObjects::TrackbarThumbUp, "Trackbar.ThumbUp"},
    {&TSkinObjects::TrackbarThumbDown, "Trackbar.ThumbDown"},
};

void ClampTo4(int& margin) {
  if (margin > 4) margin = 4;
}

// Step 10: the cell counts every object has whatever the skin says.
void SetFixedFrameCounts(const TSkinSource& src, TSkinObjects& s) {
  s.Title->Frame = 2;
  s.Buttons->Frame = 5;
  if (s.Buttons->RadioButtonFrame == 0) {
    s.Buttons->RadioButtonFrame = DerivedButtonCells(s.Buttons->RadioButton);
  }
  if (s.Buttons->CheckButtonFrame == 0) {
    s.Buttons->CheckButtonFrame = DerivedButtonCells(s.Buttons->CheckButton);
  }
  auto fix = [](const auto& object, int frame) {
    if (object) object->Frame = frame;
  };
  fix(s.MenuBar, 2);
  if (s.Progress) s.Progress->Frame = s.Progress->Style != 0 ? 1 : 2;
  fix(s.GroupBoxEdge, 2);
  fix(s.GroupBox, 1);
  fix(s.Tabs, 5);
  fix(s.StatusBarEdges, 3);
  fix(s.TabPane, 1);
  fix(s.ToolBars, 5);
  fix(s.ComboButton, 4);
  fix(s.SunkEdge, 4);
  fix(s.ExtraImages, 5);
  if (s.Headerbar && s.Headerbar->Frame == 0) s.Headerbar->Frame = 5;
  fix(s.MenuItem, 5);
  fix(s.MenuBackground, 1);
  fix(s.Scrollbar, 23);
  fix(s.HorzScroll, 4);
  fix(s.VertScroll, 4);
  // Scroll thumbs read their cell count from their own section.
  for (const std::unique_ptr<TDataSkinObject>* thumb : {&s.HorzScrollThumb, &s.VertScrollThumb}) {
    if (*thumb) {
      (*thumb)->Frame =
          src.Int((*thumb)->Name, skinkeys::kFrameCount, skinkeys::kFrameCountDefault);
    }
  }
  fix(s.TrackbarThumbHorz, 5);
  fix(s.TrackbarThumbVert, 5);
  fix(s.TrackbarThumbLeft, 5);
  fix(s.TrackbarThumbRight, 5);
  fix(s.TrackbarThumbUp, 5);
  fix(s.TrackbarThumbDown, 5);
  fix(s.UpDownHorz, 8);
  fix(s.UpDownVert, 8);
}

}  // namespace

TSkinObjects::TSkinObjects() = default;
TSkinObjects::~TSkinObjects() = default;

void TSkinObjects::CreateAlwaysPresent() {
  Left = std::make_unique<TDataSkinBorder>("Left");
  Right = std::make_unique<TDataSkinBorder>("Right");
  Top = std::make_unique<TDataSkinBorder>("Top");
  Bottom = std::make_unique<TDataSkinBorder>("Bottom");
  Title = std::make_unique<TDataSkinTitle>("Title");
  Buttons = std::make_unique<TDataSkinButton>("Buttons");
}

std::vector<const TDataSkinObject*> TSkinObjects::All() const {
  std::vector<const TDataSkinObject*> list;
  AddIf(list, Left);
  AddIf(list, Right);
  AddIf(list, Top);
  AddIf(list, Bottom);
  AddIf(list, Title);
  AddIf(list, Buttons);
  ForEachPerSkinSlot([this, &list](auto slot) { AddIf(list, this->*slot); });
  AddIf(list, ComboxArrow);
  AddIf(list, Toolbar);
  return list;
}

bool TSkinObjects::HasStackedCells(const TDataSkinObject* object) const {
  return object && (object == Top.get() || object == Bottom.get() || object == Title.get() ||
                    object == MenuBar.get());
}

void ReadSkinObjects(const TQuickIni& ini, const TSkinReader& package,
                     const TSkinObjects& previous, TSkinObjects& next, TSkinColourTable& colours,
                     const TImageProblemEvent* onImageProblem) {
  // 1. Borders.
  const TSkinSource bare{ini, package, 0, onImageProblem};
  for (TDataSkinBorder* border : {next.Left.get(), next.Right.get(), next.Top.get(),
                                  next.Bottom.get()}) {
    ReadBorder(bare, *border);
  }
  // 2. Colours; their ButtonText is the default text colour of every object after this.
  ReadSkinColours(ini, colours);
  const TSkinSource src{ini, package, colours.ButtonText, onImageProblem};
  // 3. Caption buttons with the MDI buttons; 4. Buttons; 5. title.
  next.CaptionButtons = ReadCaptionButtons(src);
  ReadButtons(src, *next.Buttons);
  ReadTitle(src, *next.Title);
  // 6. Progress; 7. menu bar.
  next.Progress = ReadProgress(src);
  next.ProgressChunk = ReadPlainObject(src, "Progress.Chunk");
  next.MenuBar = ReadMenuBar(src);
  // 8. Group boxes, tabs, status bar, toolbars, combo parts.
  next.GroupBoxEdge = ReadPlainObject(src, "GroupBoxEdge");
  next.GroupBox = ReadGroupBox(src);
  next.Tabs = ReadTwoImageObject(src, "Tabs", "Border");
  next.StatusBarEdges = ReadPlainObject(src, "StatusBarEdges");
  next.TabPane = ReadPlainObject(src, "Tab.Pane");
  if (next.TabPane) {
    ClampTo4(next.TabPane->LeftWidth);
    ClampTo4(next.TabPane->TopHeight);
    ClampTo4(next.TabPane->RightWidth);
    ClampTo4(next.TabPane->BottomHeight);
  }
  next.ToolBars = ReadPlainObject(src, "ToolBars");
  next.ComboButton = ReadTwoImageObject(src, "ComboButton", "****");
  next.SunkEdge = ReadPlainObject(src, "SunkEdge");
  if (next.ComboButton && !next.ComboButton->Image.Empty()) {
    CopyBitmap(next.ComboButton->Image, next.ComboButton->Image2);
    MirrorBitmap(next.ComboButton->Image2);
  }
  // 9. Everything else; the built-in track images stand in for missing ones.
  for (const PlainSlot& plain : kFurtherPlainObjects) next.*plain.slot = ReadPlainObject(src, plain.section);
  next.UpDownHorz = ReadTwoImageObject(src, "UpDown.Horz", "GlyphImage");
  next.UpDownVert = ReadTwoImageObject(src, "UpDown.Vert", "GlyphImage");
  next.Track = ReadPlainObject(src, "Track");
  next.TrackVert = ReadPlainObject(src, "TRACKVERT");
  if (!next.Track) next.Track = BuiltinTrackObject("TRACK");
  if (!next.TrackVert) next.TrackVert = BuiltinTrackObject("TRACKVERT");
  // 10. Fixed frame counts.
  SetFixedFrameCounts(src, next);
  // 11. Combined combo images, the combo arrow, the toolbar gradient.
  if (next.SunkEdge && next.ComboButton) {
    CombineComboImages(*next.SunkEdge, *next.ComboButton, next.ExtraImages.get());
  }
  next.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (!BuildComboxArrow(next.SunkEdge.get(), next.ComboButton.get(), colours.ButtonFace,
                        *next.ComboxArrow) &&
      previous.ComboxArrow) {
    CopyBitmap(previous.ComboxArrow->Image, next.ComboxArrow->Image);
    next.ComboxArrow->Frame = previous.ComboxArrow->Frame;
  }
  colours.TitleColour = SampleTitleColour(*next.Top, colours.ButtonFace);
  next.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  BuildToolbarGradient(colours.TitleColour, colours.ButtonFace, *next.Toolbar);
}

void TakeOverSkinObjects(TSkinObjects& current, TSkinObjects&& next) {
  MoveInto(current.Left, next.Left);
  MoveInto(current.Right, next.Right);
  MoveInto(current.Top, next.Top);
  MoveInto(current.Bottom, next.Bottom);
  MoveInto(current.Title, next.Title);
  MoveInto(current.Buttons, next.Buttons);
  MoveInto(current.ComboxArrow, next.ComboxArrow);
  MoveInto(current.Toolbar, next.Toolbar);
  current.CaptionButtons = std::move(next.CaptionButtons);
  ForEachPerSkinSlot([&current, &next](auto slot) { current.*slot = std::move(next.*slot); });
}
