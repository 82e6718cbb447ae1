// The table of every control wrapper class (see AllSkinControlKinds in
// skin_control_factory.h).
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab_pages.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"

const TSkinControlKinds& AllSkinControlKinds() {
  static const TSkinControlKinds kinds{
      {"TSkinButton", MakeSkinControl<TSkinButton>},
      {"TSkinBitButton", MakeSkinControl<TSkinBitButton>},
      {"TSkinMenuButton", MakeSkinControl<TSkinMenuButton>},
      {"TSkinSpeedButton", MakeSkinControl<TSkinSpeedButton>},
      {"TSkinCheckBox", MakeSkinControl<TSkinCheckBox>},
      {"TSkinRadioButton", MakeSkinControl<TSkinRadioButton>},
      {"TSkinScrollbar", MakeSkinControl<TSkinScrollbar>},
      {"TSkinListView", MakeSkinControl<TSkinListView>},
      {"TSkinScControl", MakeSkinControl<TSkinScControl>},
      {"TSkinScrollbarH", MakeSkinControl<TSkinScrollbarH>},
      {"TSkinObjImage", MakeSkinControl<TSkinObjImage>},
      {"TSkinHeader", MakeSkinControl<TSkinHeader>},
      {"TSkinSizer", MakeSkinControl<TSkinSizer>},
      {"TSkinProgress", MakeSkinControl<TSkinProgress>},
      {"TSkinEdit", MakeSkinControl<TSkinEdit>},
      {"TSkinGroupBox", MakeSkinControl<TSkinGroupBox>},
      {"TSkinBox", MakeSkinControl<TSkinBox>},
      {"TSkinBoxH", MakeSkinControl<TSkinBoxH>},
      {"TSkinMP", MakeSkinControl<TSkinMP>},
      {"TSkinComBox", MakeSkinControl<TSkinComBox>},
      {"TSkinUpDown", MakeSkinControl<TSkinUpDown>},
      {"TSkinDateTime", MakeSkinControl<TSkinDateTime>},
      {"TSkinTab", MakeSkinControl<TSkinTab>},
      {"TSkinTabBtn", MakeSkinControl<TSkinTabBtn>},
      {"TSkinTab31", MakeSkinControl<TSkinTab31>},
      {"TSkinTabSheet", MakeSkinControl<TSkinTabSheet>},
      {"TSkinAdvPage", MakeSkinControl<TSkinAdvPage>},
      {"TSkinTrackBar", MakeSkinControl<TSkinTrackBar>},
      {"TSkinStatusBar", MakeSkinControl<TSkinStatusBar>},
  };
  return kinds;
}
