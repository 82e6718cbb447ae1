// Benchmark (a program that prints figures): the control assignment of a form of 200
// framework controls of every kind its rules reach (buttons, check and radio buttons,
// edits, memos, list boxes, progress bars, group boxes, radio groups, panels and
// media-player bars), timed as SkinFormControls runs (choosing and attaching every
// wrapper), and the whole form repainted with and without the wrappers in the same run.
// Usage: control_assignment_bench [ROUNDS]   (needs a display)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../controls/control_test_support.h"
#include "framework/buttons.h"
#include "framework/group_box.h"
#include "framework/list_controls.h"
#include "framework/media_player.h"
#include "framework/memo.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/radio_group.h"
#include "skin/forms/control_assignment.h"

using namespace controltest;
using Clock = std::chrono::steady_clock;

namespace {
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// 200 controls in a grid of 20 x 10 cells; a radio group counts with its two buttons.
void Populate(TForm& form) {
  int placed = 0;
  for (int i = 0; placed < 200; ++i) {
    const int x = 4 + (i % 20) * 50, y = 4 + (i / 20) * 70;
    TControl* c = nullptr;
    switch (i % 12) {
      case 0: case 1: c = new TButton(&form); break;
      case 2: c = new TCheckBox(&form); break;
      case 3: c = new TRadioButton(&form); break;
      case 4: c = new TEdit(&form); break;
      case 5: {
        auto* memo = new TMemo(&form);
        memo->SetScrollBars(ssBoth);
        c = memo;
        break;
      }
      case 6: {
        auto* list = new TListBox(&form);
        for (int k = 0; k < 12; ++k) list->AddItem("Item " + std::to_string(k));
        c = list;
        break;
      }
      case 7: {
        auto* bar = new TProgressBar(&form);
        bar->SetPosition(40);
        c = bar;
        break;
      }
      case 8: c = new TGroupBox(&form); break;
      case 9: {
        auto* group = new TRadioGroup(&form);
        group->SetBounds(x, y, 46, 64);
        group->SetItems({"A", "B"});
        c = group;
        placed += 2;
        break;
      }
      case 10: c = new TPanel(&form); break;
      default: c = new TMediaPlayer(&form); break;
    }
    c->SetBounds(x, y, 46, 64);
    c->SetCaption("Item " + std::to_string(i));
    c->SetParent(&form);
    ++placed;
  }
}
}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  auto skin = MakeSkin();
  if (!skin) {
    std::fprintf(stderr, "test skin did not load\n");
    return 1;
  }
  std::vector<double> assign, plain, skinned;
  size_t wrappers = 0;
  for (int r = 0; r < rounds; ++r) {
    auto form = MakeForm(1010, 710);
    Populate(*form);
    Pump();
    plain.push_back(RepaintMs(*form));
    TSkinnedControlList entries;
    TControlAssignment assignment(*skin, entries, form->Handle());
    auto start = Clock::now();
    assignment.SkinFormControls(*form);
    assign.push_back(Ms(Clock::now() - start));
    wrappers = entries.size();
    Pump();
    skinned.push_back(RepaintMs(*form));
    entries.clear();
    form.reset();
  }
  double p = MedianOf(plain), s = MedianOf(skinned);
  std::printf("controls: 200, wrappers: %zu, rounds: %d (medians)\n", wrappers, rounds);
  std::printf("assign the form's controls: %.2f ms\n", MedianOf(assign));
  std::printf("repaint unskinned: %.2f ms\n", p);
  std::printf("repaint skinned:   %.2f ms\n", s);
  std::printf("skinned / unskinned: %.2f\n", p > 0 ? s / p : 0.0);
  return 0;
}
