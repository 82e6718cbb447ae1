// Benchmark (a program that prints figures): the control assignment of a form of 200
// framework controls of every kind its rules reach (buttons, check and radio buttons,
// edits, memos, list boxes, progress bars, group boxes, radio groups, panels and
// media-player bars), timed as SkinFormControls runs (choosing and attaching every
// wrapper), and the whole form repainted with and without the wrappers in the same run.
// A second form per round is assigned control by control, giving the time each kind of
// control takes (with the wrappers it gets), to show where the assignment's time goes.
// Usage: control_assignment_bench [ROUNDS]   (needs a display)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
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

// Assigns the form's controls one by one (as the form's walk does), adding each one's
// time to its class's total.
void AssignByKind(TSkinData& skin, TForm& form, std::map<std::string, std::vector<double>>& ms,
                  std::map<std::string, int>& counts) {
  TSkinnedControlList entries;
  TControlAssignment assignment(skin, entries, form.Handle());
  std::map<std::string, double> round;
  counts.clear();
  // The controls as placed (scroll-bar overlays join the form as they are made).
  std::vector<TControl*> controls;
  for (int i = 0; i < form.ControlCount(); ++i) controls.push_back(form.Controls(i));
  for (TControl* control : controls) {
    auto start = Clock::now();
    assignment.AssignControl(*control, &form);
    round[control->ClassName()] += Ms(Clock::now() - start);
    ++counts[control->ClassName()];
  }
  for (const auto& [kind, total] : round) ms[kind].push_back(total);
  entries.clear();
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
  std::map<std::string, std::vector<double>> byKind;
  std::map<std::string, int> kindCounts;
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
    auto split = MakeForm(1010, 710);
    Populate(*split);
    Pump();
    AssignByKind(*skin, *split, byKind, kindCounts);
  }
  double p = MedianOf(plain), s = MedianOf(skinned);
  std::printf("controls: 200, wrappers: %zu, rounds: %d (medians)\n", wrappers, rounds);
  std::printf("assign the form's controls: %.2f ms\n", MedianOf(assign));
  std::printf("repaint unskinned: %.2f ms\n", p);
  std::printf("repaint skinned:   %.2f ms\n", s);
  std::printf("skinned / unskinned: %.2f\n", p > 0 ? s / p : 0.0);
  std::printf("assign by kind (all controls of the kind, one by one):\n");
  for (auto& [kind, figures] : byKind)
    std::printf("  %-14s %3d  %7.2f ms\n", kind.c_str(), kindCounts[kind], MedianOf(figures));
  return 0;
}
