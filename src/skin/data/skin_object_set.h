// All skin objects of one skin (Windows only), and the reading of a whole skin
// description into them. A new set is built aside and then taken over by the skin
// data component, so a failed read leaves the previous skin whole.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "skin/data/caption_buttons.h"
#include "skin/data/skin_colours.h"
#include "skin/data/skin_object_readers.h"
#include "skin/data/skin_objects.h"

struct TSkinObjects {
  // Always present (from creation to destruction).
  std::unique_ptr<TDataSkinBorder> Left;
  std::unique_ptr<TDataSkinBorder> Right;
  std::unique_ptr<TDataSkinBorder> Top;
  std::unique_ptr<TDataSkinBorder> Bottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  TCaptionButtonList CaptionButtons;  // caption buttons, then the three MDI buttons

  // Present only while the skin defines them.
  std::unique_ptr<TDataSkinObject> MenuBar;  // named "Personality"
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;      // section Track, else the built-in TRACK
  std::unique_ptr<TDataSkinObject> TrackVert;  // section TRACKVERT, else the built-in one

  // Created by the first skin read, then kept (ComboxArrow keeps its image when a
  // later skin gives nothing to derive it from).
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> Toolbar;

  // Out of line: destroying every slot is sizeable code.
  TSkinObjects();
  ~TSkinObjects();
  TSkinObjects(const TSkinObjects&) = delete;
  TSkinObjects& operator=(const TSkinObjects&) = delete;

  // Creates the always-present objects, with empty images.
  void CreateAlwaysPresent();
  // Every object that exists, in a fixed order (always-present first, the caption
  // buttons not included).
  std::vector<const TDataSkinObject*> All() const;
  // Whether the object's cells lie one above the other (the top and bottom borders, the
  // title and the menu bar) rather than side by side.
  bool HasStackedCells(const TDataSkinObject* object) const;
};

// Reads a whole skin description into next (which must hold the always-present
// objects): borders, colours (into colours; TitleColour included), caption buttons,
// Buttons, title, every per-skin object, fixed frame counts, the combined combo
// images, the combo arrow and the toolbar gradient. previous supplies the combo arrow
// to keep when the new skin gives nothing to derive one from. onImageProblem (may be
// null) hears about image keys that name no usable image.
void ReadSkinObjects(const TQuickIni& ini, const TSkinReader& package,
                     const TSkinObjects& previous, TSkinObjects& next, TSkinColourTable& colours,
                     const TImageProblemEvent* onImageProblem = nullptr);

// Moves next into current: the always-present objects, ComboxArrow and Toolbar keep
// their identity (their contents are replaced), every other slot is replaced.
void TakeOverSkinObjects(TSkinObjects& current, TSkinObjects&& next);
