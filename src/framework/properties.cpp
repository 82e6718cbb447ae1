// By-name property access (see properties.h).
#include "framework/properties.h"

#include <cerrno>
#include <cstdlib>

#include "framework/path_text.h"

const TPropInfo* TPropList::Find(const std::string& name) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if (SameTextAscii(it->Name, name)) return &*it;
  return nullptr;
}

TPropList TPersistent::Properties() const {
  TPropList list;
  DefineProperties(list);
  return list;
}

int64_t GetIntProp(TPersistent* object, const std::string& name) {
  if (!object) return -1;
  TPropList list = object->Properties();
  const TPropInfo* p = list.Find(name);
  if (!p || p->Kind != TPropKind::Integer) return -1;
  return p->GetOrdinal(*object);
}

std::string GetEnumProp(TPersistent* object, const std::string& name) {
  if (!object) return {};
  TPropList list = object->Properties();
  const TPropInfo* p = list.Find(name);
  if (!p || p->Kind != TPropKind::Enumeration) return {};
  int64_t value = p->GetOrdinal(*object);
  if (value < 0 || value >= static_cast<int64_t>(p->EnumNames.size())) return {};
  return p->EnumNames[static_cast<size_t>(value)];
}

std::string GetTextProp(TPersistent* object, const std::string& name) {
  if (!object) return {};
  TPropList list = object->Properties();
  const TPropInfo* p = list.Find(name);
  if (!p || p->Kind != TPropKind::String) return {};
  return p->GetString(*object);
}

TPersistent* GetObjectProp(TPersistent* object, const std::string& name) {
  if (!object) return nullptr;
  TPropList list = object->Properties();
  const TPropInfo* p = list.Find(name);
  if (!p || p->Kind != TPropKind::Object) return nullptr;
  return p->GetObject(*object);
}

bool SetPropText(TPersistent* object, const std::string& name, const std::string& text) {
  if (!object) return false;
  TPropList list = object->Properties();
  const TPropInfo* p = list.Find(name);
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
