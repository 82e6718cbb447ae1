// TStringItems (see string_items.h).
#include "framework/string_items.h"

#include "framework/wide.h"

void TStringItems::Send(HWND window, const std::string& text) const {
  SendMessageW(window, messages_.add, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TStringItems::Add(HWND window, const std::string& text) {
  items_.push_back(text);
  if (window) Send(window, text);
}

void TStringItems::Clear(HWND window) {
  items_.clear();
  index_ = -1;
  if (window) SendMessageW(window, messages_.reset, 0, 0);
}

int TStringItems::Index(HWND window) {
  if (window) index_ = static_cast<int>(SendMessageW(window, messages_.getSelection, 0, 0));
  return index_;
}

void TStringItems::SetIndex(HWND window, int index) {
  index_ = index;
  if (window) SendMessageW(window, messages_.setSelection, static_cast<WPARAM>(index), 0);
}

bool TStringItems::HandTo(HWND window) const {
  for (const std::string& item : items_) Send(window, item);
  if (index_ < 0) return false;
  SendMessageW(window, messages_.setSelection, static_cast<WPARAM>(index_), 0);
  return true;
}
