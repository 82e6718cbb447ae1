// The seam between the skin data component and the process-wide skin manager
// (Windows only). TSkinData calls the manager only through ISkinManagerLink; until the
// real manager is plugged in with SetSkinManagerFactory, a null manager stands in that
// keeps the enabled flag and the run state and does nothing else.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

class TSkinData;

class ISkinManagerLink {
 public:
  virtual ~ISkinManagerLink() = default;

  virtual void Register(TSkinData& skinData) = 0;
  // Called by a component's destructor: the manager forgets it everywhere (also as the
  // requesting skin data of a pending action).
  virtual void Unregister(TSkinData& skinData) = 0;
  virtual void InstallHook() = 0;
  // Makes skinData the requesting skin data of the next action.
  virtual void SetRequestingSkinData(TSkinData* skinData) = 0;
  // Schedules action 1 (skin all), 2 (unskin all) or 3 (skin changed) after delayMs;
  // while the run state is 0, actions 1 and 2 only set or clear the enabled flag.
  virtual void Request(unsigned action, unsigned delayMs) = 0;
  virtual int RunState() const = 0;
  virtual void SetRunState(int state) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // Frees the caption-button objects of every window skin that uses the requesting
  // skin data, so that they are rebuilt from the new skin.
  virtual void ClearCaptionButtons() = 0;
  virtual bool SkinWindow(HWND window) = 0;
};

// The stand-in manager: records the enabled flag, the run state and the requesting
// skin data; skins nothing.
class TNullSkinManager : public ISkinManagerLink {
 public:
  void Register(TSkinData&) override {}
  void Unregister(TSkinData& skinData) override {
    if (requesting_ == &skinData) requesting_ = nullptr;
  }
  void InstallHook() override {}
  void SetRequestingSkinData(TSkinData* skinData) override { requesting_ = skinData; }
  void Request(unsigned action, unsigned delayMs) override;
  int RunState() const override { return runState_; }
  void SetRunState(int state) override { runState_ = state; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void ClearCaptionButtons() override {}
  bool SkinWindow(HWND) override { return false; }

  bool Enabled() const { return enabled_; }
  TSkinData* Requesting() const { return requesting_; }

 private:
  bool enabled_ = false;
  int runState_ = 0;
  TSkinData* requesting_ = nullptr;
};

using SkinManagerFactory = std::function<std::unique_ptr<ISkinManagerLink>()>;

// The factory used when the first skin data component needs a manager; an empty
// factory restores the null manager.
void SetSkinManagerFactory(SkinManagerFactory factory);
// The manager, or null when none was created yet.
ISkinManagerLink* CurrentSkinManager();
// The manager, created with the factory when there is none yet (one per process).
ISkinManagerLink& EnsureSkinManager();
// Destroys the manager (at program end, or between tests).
void DestroySkinManager();
