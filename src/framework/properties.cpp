// By-name property access (see properties.h).
#include "framework/properties.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <typeindex>

#include "framework/path_text.h"
#include "framework/threads.h"

std::vector<std::string> TPropList::BooleanNames() { return {"False", "True"}; }

std::vector<std::string> TPropList::NameList(std::initializer_list<const char*> names) {
  return std::vector<std::string>(names.begin(), names.end());
}

const TPropInfo* TPropList::Find(const std::string& name) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if (SameTextAscii(it->Name, name)) return &*it;
  return nullptr;
}

const TPropList& TPersistent::Properties() const {
  // One list per dynamic class; lists never move once made, so references stay valid.
  static qmthread::Mutex mutex;
  static std::map<std::type_index, std::unique_ptr<TPropList>> lists;
  qmthread::Hold hold(mutex);
  std::unique_ptr<TPropList>& list = lists[std::type_index(typeid(*this))];
  if (!list) {
    auto made = std::make_unique<TPropList>();
    DefineProperties(*made);
    list = std::move(made);
  }
  return *list;
}

namespace {
// The object's property of that name and kind, or null.
const TPropInfo* FindProp(TPersistent* object, const std::string& name, TPropKind kind) {
  if (!object) return nullptr;
  const TPropInfo* p = object->Properties().Find(name);
  return p && p->Kind == kind ? p : nullptr;
}
}  // namespace

int64_t GetIntProp(TPersistent* object, const std::string& name) {
  int64_t value = -1;
  return TryGetIntProp(object, name, value) ? value : -1;
}

bool TryGetIntProp(TPersistent* object, const std::string& name, int64_t& out) {
  const TPropInfo* p = FindProp(object, name, TPropKind::Integer);
  if (!p) return false;
  out = p->GetOrdinal(*object);
  return true;
}

std::string GetEnumProp(TPersistent* object, const std::string& name) {
  const TPropInfo* p = FindProp(object, name, TPropKind::Enumeration);
  if (!p) return {};
  int64_t value = p->GetOrdinal(*object);
  if (value < 0 || value >= static_cast<int64_t>(p->EnumNames.size())) return {};
  return p->EnumNames[static_cast<size_t>(value)];
}

std::string GetTextProp(TPersistent* object, const std::string& name) {
  const TPropInfo* p = FindProp(object, name, TPropKind::String);
  return p ? p->GetString(*object) : std::string();
}

TPersistent* GetObjectProp(TPersistent* object, const std::string& name) {
  const TPropInfo* p = FindProp(object, name, TPropKind::Object);
  return p ? p->ReadObject(*object) : nullptr;
}

bool SetIntProp(TPersistent* object, const std::string& name, int64_t value) {
  if (const TPropInfo* p = FindProp(object, name, TPropKind::Integer)) {
    if (!p->SetOrdinal) return false;
    p->SetOrdinal(*object, value);
    return true;
  }
  const TPropInfo* e = FindProp(object, name, TPropKind::Enumeration);
  if (!e || !e->SetOrdinal || value < 0 || value >= static_cast<int64_t>(e->EnumNames.size()))
    return false;
  e->SetOrdinal(*object, value);
  return true;
}

bool SetObjectProp(TPersistent* object, const std::string& name, TPersistent* value) {
  const TPropInfo* p = FindProp(object, name, TPropKind::Object);
  if (!p || !p->WriteObject) return false;
  p->WriteObject(*object, value);
  return true;
}

bool SetPropText(TPersistent* object, const std::string& name, const std::string& text) {
  if (!object) return false;
  const TPropInfo* p = object->Properties().Find(name);
  if (!p) return false;
  switch (p->Kind) {
    case TPropKind::Integer: {
      if (!p->SetOrdinal || text.empty()) return false;
      char* end = nullptr;
      errno = 0;
      long long value = std::strtoll(text.c_str(), &end, 10);
      if (errno != 0 || *end != '\0') return false;
      p->SetOrdinal(*object, value);
      return true;
    }
    case TPropKind::Enumeration:
      if (!p->SetOrdinal) return false;
      for (size_t i = 0; i < p->EnumNames.size(); ++i) {
        if (SameTextAscii(p->EnumNames[i], text)) {
          p->SetOrdinal(*object, static_cast<int64_t>(i));
          return true;
        }
      }
      return false;
    case TPropKind::String:
      if (!p->SetString) return false;
      p->SetString(*object, text);
      return true;
    case TPropKind::Object:
      return false;
  }
  return false;
}
