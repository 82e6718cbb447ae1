// Components with owners and Tag, and published-property access by name (portable).
#include <gtest/gtest.h>

#include "framework/component.h"

namespace {
int g_destroyed = 0;

class TCounted : public TComponent {
 public:
  explicit TCounted(TComponent* owner) : TComponent(owner) {}
  ~TCounted() override { ++g_destroyed; }
  const char* ClassName() const override { return "TCounted"; }
  void DefineProperties(TPropList& list) const override {
    TComponent::DefineProperties(list);
    list.Integer<TCounted>("Width", [](TCounted& c) -> int64_t { return c.width; },
                           [](TCounted& c, int64_t v) { c.width = static_cast<int>(v); });
    list.Enumeration<TCounted>("Kind", {"ckPlain", "ckDropDownButton"},
                               [](TCounted& c) -> int64_t { return c.kind; },
                               [](TCounted& c, int64_t v) { c.kind = static_cast<int>(v); });
    list.Boolean<TCounted>("Transparent", [](TCounted& c) { return c.transparent; },
                           [](TCounted& c, bool v) { c.transparent = v; });
    list.String<TCounted>("Caption", [](TCounted& c) { return c.caption; });
    list.Object<TCounted>("Child", [](TCounted& c) -> TPersistent* { return c.child; },
                          [](TCounted& c, TPersistent* v) { c.child = dynamic_cast<TComponent*>(v); });
    list.Object<TCounted>("Fixed", [](TCounted& c) -> TPersistent* { return c.child; });
    ++definitions;
  }
  int width = 10;
  int kind = 1;
  bool transparent = false;
  std::string caption = "text";
  TComponent* child = nullptr;
  static inline int definitions = 0;
};
}  // namespace

TEST(Component, OwnerFreesWhatItOwnsAndLosesWhatIsFreedFirst) {
  g_destroyed = 0;
  {
    TComponent owner(nullptr);
    auto* a = new TCounted(&owner);
    a->Name = "alpha";
    auto* b = new TCounted(&owner);
    new TCounted(b);  // owned by b
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.FindComponent("ALPHA"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(g_destroyed, 1);
  }
  EXPECT_EQ(g_destroyed, 3);
}

TEST(Properties, ReadAndWriteByName) {
  TCounted c(nullptr);
  c.Tag = 99;
  TCounted child(nullptr);
  c.child = &child;
  EXPECT_EQ(GetIntProp(&c, "tag"), 99);
  EXPECT_EQ(GetIntProp(&c, "Width"), 10);
  EXPECT_EQ(GetIntProp(&c, "Caption"), -1);  // not an integer
  EXPECT_EQ(GetIntProp(&c, "Missing"), -1);
  EXPECT_EQ(GetIntProp(nullptr, "Width"), -1);
  EXPECT_EQ(GetEnumProp(&c, "Kind"), "ckDropDownButton");
  EXPECT_EQ(GetEnumProp(&c, "Transparent"), "False");
  EXPECT_EQ(GetTextProp(&c, "Caption"), "text");
  EXPECT_EQ(GetTextProp(&c, "Width"), "");
  EXPECT_EQ(GetObjectProp(&c, "Child"), &child);
  EXPECT_EQ(GetObjectProp(&c, "Width"), nullptr);

  EXPECT_TRUE(SetPropText(&c, "Width", "42"));
  EXPECT_EQ(c.width, 42);
  EXPECT_FALSE(SetPropText(&c, "Width", "4x"));
  EXPECT_FALSE(SetPropText(&c, "Width", ""));
  EXPECT_EQ(c.width, 42);
  EXPECT_TRUE(SetPropText(&c, "Transparent", "true"));
  EXPECT_TRUE(c.transparent);
  EXPECT_TRUE(SetPropText(&c, "Kind", "ckPlain"));
  EXPECT_EQ(c.kind, 0);
  EXPECT_FALSE(SetPropText(&c, "Kind", "ckOther"));
  EXPECT_FALSE(SetPropText(&c, "Caption", "read-only"));
  EXPECT_TRUE(SetPropText(&c, "Name", "renamed"));
  EXPECT_EQ(c.Name, "renamed");
  EXPECT_FALSE(SetPropText(&c, "Child", "x"));
}

TEST(Properties, MissingIsToldFromMinusOneAndIntegersAndObjectsAreSet) {
  TCounted c(nullptr);
  int64_t value = 5;
  EXPECT_FALSE(TryGetIntProp(&c, "Missing", value));
  EXPECT_FALSE(TryGetIntProp(&c, "Caption", value));
  EXPECT_FALSE(TryGetIntProp(nullptr, "Width", value));
  EXPECT_EQ(value, 5);  // untouched
  EXPECT_TRUE(SetIntProp(&c, "Width", -1));
  EXPECT_TRUE(TryGetIntProp(&c, "Width", value));
  EXPECT_EQ(value, -1);
  EXPECT_TRUE(SetIntProp(&c, "Kind", 0));  // an enumeration by ordinal
  EXPECT_EQ(c.kind, 0);
  EXPECT_FALSE(SetIntProp(&c, "Kind", 2));  // names no value
  EXPECT_FALSE(SetIntProp(&c, "Caption", 1));
  EXPECT_FALSE(SetIntProp(&c, "Missing", 1));
  TCounted child(nullptr);
  EXPECT_TRUE(SetObjectProp(&c, "Child", &child));
  EXPECT_EQ(c.child, &child);
  EXPECT_TRUE(SetObjectProp(&c, "child", nullptr));
  EXPECT_EQ(c.child, nullptr);
  EXPECT_FALSE(SetObjectProp(&c, "Fixed", &child));  // read-only
  EXPECT_FALSE(SetObjectProp(&c, "Width", &child));
  EXPECT_FALSE(SetObjectProp(nullptr, "Child", &child));
}

TEST(Properties, EachClassListIsBuiltOnce) {
  TCounted a(nullptr), b(nullptr);
  GetIntProp(&a, "Width");
  int built = TCounted::definitions;
  for (int i = 0; i < 100; ++i) GetIntProp(&b, "Width");
  SetPropText(&a, "Width", "3");
  EXPECT_EQ(TCounted::definitions, built);
  EXPECT_EQ(&a.Properties(), &b.Properties());
  TComponent plain(nullptr);
  EXPECT_NE(&plain.Properties(), &a.Properties());
  EXPECT_EQ(plain.Properties().Find("Width"), nullptr);
  EXPECT_NE(plain.Properties().Find("Tag"), nullptr);
}
