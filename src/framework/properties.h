// Access to an object's published properties by name: every class lists its
// properties (with its ancestors' first) and the helpers below read and write them
// as integers, enumeration names, text or objects. Each class's list is built once, at
// its first look-up, and kept for the process's life.
//   TPersistent   base of every object with published properties
//   TPropInfo     one property: name, kind, accessors, enumeration value names
//   TPropList     the properties of one class
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TPersistent;

enum class TPropKind { Integer, Enumeration, String, Object };

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  std::vector<std::string> EnumNames;  // value names by ordinal (Enumeration only)
  std::function<int64_t(TPersistent&)> GetOrdinal;      // Integer, Enumeration
  std::function<void(TPersistent&, int64_t)> SetOrdinal;  // may be empty (read-only)
  std::function<std::string(TPersistent&)> GetString;  // String
  std::function<void(TPersistent&, const std::string&)> SetString;
  std::function<TPersistent*(TPersistent&)> ReadObject;  // Object
  std::function<void(TPersistent&, TPersistent*)> WriteObject;  // may be empty (read-only)
};

class TPropList {
 public:
  // Typed helpers: T is the class that declares the property.
  template <class T>
  void Integer(const std::string& name, std::function<int64_t(T&)> get,
               std::function<void(T&, int64_t)> set = {});
  template <class T>
  void Enumeration(const std::string& name, std::vector<std::string> names,
                   std::function<int64_t(T&)> get, std::function<void(T&, int64_t)> set = {});
  template <class T>
  void Boolean(const std::string& name, std::function<bool(T&)> get,
               std::function<void(T&, bool)> set = {});
  template <class T>
  void String(const std::string& name, std::function<std::string(T&)> get,
              std::function<void(T&, const std::string&)> set = {});
  template <class T>
  void Object(const std::string& name, std::function<TPersistent*(T&)> get,
              std::function<void(T&, TPersistent*)> set = {});

  // Case-insensitive lookup; a later declaration of a name hides an earlier one.
  const TPropInfo* Find(const std::string& name) const;
  const std::vector<TPropInfo>& Items() const { return items_; }

 private:
  std::vector<TPropInfo> items_;
};

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  virtual const char* ClassName() const { return "TPersistent"; }
  // Appends this class's published properties; overrides call their parent first. The
  // list must depend on the class only (it is built once per class).
  virtual void DefineProperties(TPropList& list) const { (void)list; }
  // The class's properties, built at the first call for the class and then kept.
  const TPropList& Properties() const;
};

// By-name access; each gives the stated default when the object is null or has no
// property of that name and kind.
int64_t GetIntProp(TPersistent* object, const std::string& name);  // -1 by default
// The value of an integer property in out; false (out untouched) when the object is
// null or has no integer property of that name, so a value of -1 is told apart.
bool TryGetIntProp(TPersistent* object, const std::string& name, int64_t& out);
std::string GetEnumProp(TPersistent* object, const std::string& name);  // empty
std::string GetTextProp(TPersistent* object, const std::string& name);  // empty
TPersistent* GetObjectProp(TPersistent* object, const std::string& name);  // null
// Integer properties take the text's integer value, enumerations (and Booleans) a
// value name (case-insensitive), strings the text itself; returns false when nothing
// was set.
bool SetPropText(TPersistent* object, const std::string& name, const std::string& text);
// Sets a writable integer property, or an enumeration by its ordinal (which must name a
// value); false when nothing was set.
bool SetIntProp(TPersistent* object, const std::string& name, int64_t value);
// Sets a writable object property (null allowed); false when nothing was set.
bool SetObjectProp(TPersistent* object, const std::string& name, TPersistent* value);

// ---- template definitions ----
template <class T>
void TPropList::Integer(const std::string& name, std::function<int64_t(T&)> get,
                        std::function<void(T&, int64_t)> set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Integer;
  p.GetOrdinal = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
  if (set) p.SetOrdinal = [set](TPersistent& o, int64_t v) { set(static_cast<T&>(o), v); };
  items_.push_back(std::move(p));
}

template <class T>
void TPropList::Enumeration(const std::string& name, std::vector<std::string> names,
                            std::function<int64_t(T&)> get, std::function<void(T&, int64_t)> set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Enumeration;
  p.EnumNames = std::move(names);
  p.GetOrdinal = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
  if (set) p.SetOrdinal = [set](TPersistent& o, int64_t v) { set(static_cast<T&>(o), v); };
  items_.push_back(std::move(p));
}

template <class T>
void TPropList::Boolean(const std::string& name, std::function<bool(T&)> get,
                        std::function<void(T&, bool)> set) {
  std::function<void(T&, int64_t)> setOrdinal;
  if (set) setOrdinal = [set](T& o, int64_t v) { set(o, v != 0); };
  Enumeration<T>(name, {"False", "True"}, [get](T& o) -> int64_t { return get(o) ? 1 : 0; },
                 setOrdinal);
}

template <class T>
void TPropList::String(const std::string& name, std::function<std::string(T&)> get,
                       std::function<void(T&, const std::string&)> set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::String;
  p.GetString = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
  if (set)
    p.SetString = [set](TPersistent& o, const std::string& v) { set(static_cast<T&>(o), v); };
  items_.push_back(std::move(p));
}

template <class T>
void TPropList::Object(const std::string& name, std::function<TPersistent*(T&)> get,
                       std::function<void(T&, TPersistent*)> set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Object;
  p.ReadObject = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
  if (set)
    p.WriteObject = [set](TPersistent& o, TPersistent* v) { set(static_cast<T&>(o), v); };
  items_.push_back(std::move(p));
}
