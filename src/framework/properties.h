// Access to an object's published properties by name: every class lists its
// properties (with its ancestors' first) and the helpers below read and write them
// as integers, enumeration names, text or objects. Each class's list is built once, at
// its first look-up, and kept for the process's life.
//   TPersistent   base of every object with published properties
//   TPropInfo     one property: name, kind, accessors, enumeration value names
//   TPropList     the properties of one class
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class TPersistent;

enum class TPropKind { Integer, Enumeration, String, Object };

// One accessor of a published property: a plain function of the declaring class T (a
// lambda without captures) and a thunk, one per T and signature, that casts the object
// to T and calls it. Empty when the property has no such accessor (a read-only
// property's setter).
template <class Signature>
class TPropAccessor;

template <class R, class... A>
class TPropAccessor<R(TPersistent&, A...)> {
 public:
  TPropAccessor() = default;
  // The accessor calling fn, a function pointer taking a T& first (null: empty).
  template <class T, class F>
  static TPropAccessor Of(F fn) {
    TPropAccessor accessor;
    if (fn) {
      accessor.function_ = reinterpret_cast<void (*)()>(fn);
      accessor.thunk_ = &Call<T, F>;
    }
    return accessor;
  }
  explicit operator bool() const { return function_ != nullptr; }
  R operator()(TPersistent& object, A... args) const { return thunk_(function_, object, args...); }

 private:
  template <class T, class F>
  static R Call(void (*function)(), TPersistent& object, A... args) {
    return reinterpret_cast<F>(function)(static_cast<T&>(object), args...);
  }

  void (*function_)() = nullptr;
  R (*thunk_)(void (*)(), TPersistent&, A...) = nullptr;
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  std::vector<std::string> EnumNames;  // value names by ordinal (Enumeration only)
  TPropAccessor<int64_t(TPersistent&)> GetOrdinal;          // Integer, Enumeration
  TPropAccessor<void(TPersistent&, int64_t)> SetOrdinal;    // may be empty (read-only)
  TPropAccessor<std::string(TPersistent&)> GetString;       // String
  TPropAccessor<void(TPersistent&, const std::string&)> SetString;
  TPropAccessor<TPersistent*(TPersistent&)> ReadObject;     // Object
  TPropAccessor<void(TPersistent&, TPersistent*)> WriteObject;  // may be empty (read-only)
};

class TPropList {
 public:
  // Typed helpers: T is the class that declares the property; the accessors are plain
  // functions (lambdas without captures), a null setter makes the property read-only.
  template <class T>
  void Integer(const char* name, int64_t (*get)(T&), void (*set)(T&, int64_t) = nullptr);
  template <class T>
  void Enumeration(const char* name, std::vector<std::string> names, int64_t (*get)(T&),
                   void (*set)(T&, int64_t) = nullptr);
  // The same with the value names written out at the call ({"bsNone", "bsSingle"}).
  template <class T>
  void Enumeration(const char* name, std::initializer_list<const char*> names,
                   int64_t (*get)(T&), void (*set)(T&, int64_t) = nullptr) {
    Enumeration<T>(name, NameList(names), get, set);
  }
  template <class T>
  void Boolean(const char* name, bool (*get)(T&), void (*set)(T&, bool) = nullptr);
  template <class T>
  void String(const char* name, std::string (*get)(T&),
              void (*set)(T&, const std::string&) = nullptr);
  template <class T>
  void Object(const char* name, TPersistent* (*get)(T&), void (*set)(T&, TPersistent*) = nullptr);
  // Case-insensitive lookup; a later declaration of a name hides an earlier one.
  const TPropInfo* Find(const std::string& name) const;
  const std::vector<TPropInfo>& Items() const { return items_; }

 private:
  // Appends a property of the kind whose getter and setter of class T go into the given
  // accessors of TPropInfo. The appending itself does not depend on T, so each class's
  // helpers stay small.
  template <class T, class GetSlot, class Get, class SetSlot, class Set>
  void Add(const char* name, TPropKind kind, std::vector<std::string> names,
           GetSlot TPropInfo::*getSlot, Get get, SetSlot TPropInfo::*setSlot, Set set) {
    Append(name, kind, std::move(names), getSlot, GetSlot::template Of<T>(get), setSlot,
           SetSlot::template Of<T>(set));
  }
  template <class GetSlot, class SetSlot>
  void Append(const char* name, TPropKind kind, std::vector<std::string> names,
              GetSlot TPropInfo::*getSlot, GetSlot get, SetSlot TPropInfo::*setSlot, SetSlot set);

  // The value names of a Boolean property, and those of an enumeration written out at
  // the call, built out of line so that each class's helpers stay small.
  static std::vector<std::string> BooleanNames();
  static std::vector<std::string> NameList(std::initializer_list<const char*> names);

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
template <class GetSlot, class SetSlot>
void TPropList::Append(const char* name, TPropKind kind, std::vector<std::string> names,
                       GetSlot TPropInfo::*getSlot, GetSlot get, SetSlot TPropInfo::*setSlot,
                       SetSlot set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = kind;
  p.EnumNames = std::move(names);
  p.*getSlot = get;
  p.*setSlot = set;
  items_.push_back(std::move(p));
}

template <class T>
void TPropList::Integer(const char* name, int64_t (*get)(T&), void (*set)(T&, int64_t)) {
  Add<T>(name, TPropKind::Integer, {}, &TPropInfo::GetOrdinal, get, &TPropInfo::SetOrdinal, set);
}

template <class T>
void TPropList::Enumeration(const char* name, std::vector<std::string> names,
                            int64_t (*get)(T&), void (*set)(T&, int64_t)) {
  Add<T>(name, TPropKind::Enumeration, std::move(names), &TPropInfo::GetOrdinal, get,
         &TPropInfo::SetOrdinal, set);
}

template <class T>
void TPropList::Boolean(const char* name, bool (*get)(T&), void (*set)(T&, bool)) {
  // An enumeration False, True: the thunks turn the Boolean into ordinals 0 and 1 and
  // any non-zero ordinal into true.
  Add<T>(name, TPropKind::Enumeration, BooleanNames(), &TPropInfo::GetOrdinal, get,
         &TPropInfo::SetOrdinal, set);
}

template <class T>
void TPropList::String(const char* name, std::string (*get)(T&),
                       void (*set)(T&, const std::string&)) {
  Add<T>(name, TPropKind::String, {}, &TPropInfo::GetString, get, &TPropInfo::SetString, set);
}

template <class T>
void TPropList::Object(const char* name, TPersistent* (*get)(T&), void (*set)(T&, TPersistent*)) {
  Add<T>(name, TPropKind::Object, {}, &TPropInfo::ReadObject, get, &TPropInfo::WriteObject, set);
}
