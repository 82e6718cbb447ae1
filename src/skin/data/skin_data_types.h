// Option types of the skin data component (portable): control kinds to skin, option
// switches, the component's scope, and the default class map of other libraries'
// controls (Skin3rd).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum TSkinControlType {
  xcMainMenu = 0, xcPopupMenu = 1, xcMenuItem = 2, xcToolbar = 3, xcControlbar = 4,
  xcCombo = 5, xcCheckBox = 6, xcRadioButton = 7, xcProgress = 8, xcScrollbar = 9,
  xcEdit = 10, xcButton = 11, xcBitBtn = 12, xcSpeedButton = 13, xcSpin = 14, xcPanel = 15,
  xcGroupBox = 16, xcStatusBar = 17, xcTab = 18, xcTrackBar = 19, xcSystemMenu = 20,
  xcFastReport = 21,
};
// A set of TSkinControlType: bit n stands for member n.
using TSkinControlTypes = uint32_t;

enum TSkinOption {
  xoMDIScrollbar = 0, xoMenuMerge = 1, xoTransparent = 2, xoPreview = 3,
  xoParentBackGround = 4, xoNoFocusRect = 5, xoToolbarBK = 6, xoMDIChildBorder = 7,
  xoMenuBG = 8,
};
// A set of TSkinOption: bit n stands for member n.
using TSkinOptions = uint16_t;

enum TSkinFormType { sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2, sfDLL = 3 };

// Every control kind but xcMenuItem and xcFastReport.
constexpr TSkinControlTypes kDefaultSkinControls = 0x1FFFFB;
// xoPreview and xoToolbarBK.
constexpr TSkinOptions kDefaultSkinOptions = 0x48;

constexpr bool HasControl(TSkinControlTypes set, TSkinControlType member) {
  return (set >> member) & 1u;
}
constexpr TSkinControlTypes WithControl(TSkinControlTypes set, TSkinControlType member) {
  return set | (1u << member);
}
constexpr TSkinControlTypes WithoutControl(TSkinControlTypes set, TSkinControlType member) {
  return set & ~(1u << member);
}
constexpr bool HasOption(TSkinOptions set, TSkinOption member) { return (set >> member) & 1u; }
constexpr TSkinOptions WithOption(TSkinOptions set, TSkinOption member) {
  return static_cast<TSkinOptions>(set | (1u << member));
}
constexpr TSkinOptions WithoutOption(TSkinOptions set, TSkinOption member) {
  return static_cast<TSkinOptions>(set & ~(1u << member));
}

// The class map lines a new skin data component starts with ("TClassName=kind").
const std::vector<std::string>& DefaultSkin3rd();

// The kind word of the first line of map that begins with className followed by "="
// (compared without regard to ASCII case); empty when no line matches.
std::string FindSkin3rdKind(const std::vector<std::string>& map, const std::string& className);
