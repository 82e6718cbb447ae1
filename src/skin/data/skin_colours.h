// The skin colour table: the colours a skin gives (section Colours and the COLOUR*
// sections), with system colours as defaults, plus the title colour sampled from the
// top border. Portable: colours are plain TColor values.
#pragma once
#include <string>
#include <vector>

#include "framework/colour.h"
#include "skin/data/quick_ini.h"

struct TSkinColourTable {
  TColor WindowText = 0;
  TColor TitleTextActive = 0;
  TColor TitleTextNoActive = 0;
  TColor ButtonFace = 0;
  TColor ButtonText = 0;
  TColor ButtonHilight = 0;
  TColor Buttonlight = 0;
  TColor ButtonShadow = 0;
  TColor ButtonDkShadow = 0;
  TColor HilightText = 0;
  TColor Hilight = 0;
  TColor Menubar = 0;
  TColor MenuBarText = 0;
  TColor MenuText = 0;
  TColor Menu = 0;
  TColor TitleColour = 0;
  TColor Scrollbar = 0;
  std::vector<TColor> ColourSections;  // one per COLOUR* section, in text order
};

// Reads section Colours (every key defaults to its system colour, Menubar to the
// ButtonFace just read) and the colour key of every COLOUR* section. TitleColour is
// left as it was: it comes from the top border image.
void ReadSkinColours(const TQuickIni& ini, TSkinColourTable& table);

// One named entry of the table, for listings: every colour field in declaration order
// (ColourSections not included).
struct TSkinColourField {
  const char* name;
  TColor TSkinColourTable::*field;
};
const std::vector<TSkinColourField>& SkinColourFields();
