// Properties: binding, the runtime checks of unbound and one-sided properties,
// and copies of owners.
#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::BoxAnswerer;

namespace {

class Gauge {
 public:
  Gauge() { bindAll(); }
  explicit Gauge(int v) : stored(v) { bindAll(); }
  Property<Gauge, int> level;
  Property<Gauge, int> readOnly;
  Property<Gauge, int> writeOnly;
  Property<Gauge, String> name;
  int stored = 0;
  int writes = 0;
  String label;

 private:
  void bindAll() {
    level.bind(this, &Gauge::getLevel, &Gauge::setLevel);
    readOnly.bind(this, &Gauge::getLevel);
    writeOnly.bind(this, nullptr, &Gauge::setLevel);
    name.bind(this, &Gauge::getName, &Gauge::setName);
  }
  int getLevel() const { return stored; }
  // Clamps like a window size does: what is stored is not what was given.
  void setLevel(int v) {
    stored = v < 10 ? 10 : v;
    ++writes;
  }
  String getName() const { return label; }
  void setName(String s) { label = s; }
};

std::string expressionOf(const std::string& text) {
  std::size_t at = text.find("Expression: ");
  if (at == std::string::npos) return "";
  std::size_t end = text.find("\r\n", at);
  return text.substr(at + 12, end - at - 12);
}

}  // namespace

TEST(Property, BoundReadAndWriteGoThroughTheOwner) {
  Gauge g(25);
  EXPECT_EQ(25, int(g.level));
  g.level = 40;
  EXPECT_EQ(40, g.stored);
  EXPECT_EQ(1, g.writes);
  g.name = "pump";
  EXPECT_TRUE(String(g.name) == "pump");
}

TEST(Property, AssignmentYieldsTheGivenValueNotAFreshRead) {
  Gauge g;
  int result = (g.level = 3);
  EXPECT_EQ(3, result);
  EXPECT_EQ(10, int(g.level));
}

TEST(Property, CopiesAreBoundToThemselves) {
  Gauge* original = new Gauge(30);
  Gauge copy(*original);
  EXPECT_EQ(&copy, copy.level.owner());
  delete original;  // a copy must not call through the object it came from
  EXPECT_EQ(30, int(copy.level));
  copy.level = 50;
  EXPECT_EQ(50, copy.stored);

  Gauge assigned;
  assigned = copy;
  EXPECT_EQ(&assigned, assigned.level.owner());
  assigned.level = 70;
  EXPECT_EQ(70, assigned.stored);
  EXPECT_EQ(50, copy.stored);
}

TEST(Property, ObjectsReturnedByValueAndHeldInContainersStayBound) {
  auto make = [](int v) {
    Gauge g(v);
    return g;
  };
  std::vector<Gauge> gauges;
  for (int i = 0; i < 20; ++i) gauges.push_back(make(100 + i));  // reallocations move them
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(&gauges[i], gauges[i].level.owner());
    EXPECT_EQ(100 + i, int(gauges[i].level));
  }
}

TEST(Property, PropertiesAreCopiedOnlyWithTheirOwners) {
  // `auto n = g.level;` or `a.level = b.level;` would copy a property away from
  // its owner: neither compiles. Values move between objects by conversion.
  static_assert(!std::is_copy_constructible<Property<Gauge, int>>::value, "");
  static_assert(!std::is_copy_assignable<Property<Gauge, int>>::value, "");
  static_assert(std::is_nothrow_move_constructible<Gauge>::value, "");
  Gauge a(20), b(30);
  a.level = int(b.level);
  EXPECT_EQ(30, a.stored);
  EXPECT_EQ(&a, a.level.owner());
}

TEST(PropertyCheck, UnboundReadShowsBothChecksAndYieldsZero) {
  BoxAnswerer answer(IDIGNORE);
  Property<Gauge, int> p;
  int value = p;
  EXPECT_EQ(0, value);
  ASSERT_EQ(2u, answer.boxes().size());
  EXPECT_EQ("Tarn runtime check", answer.boxes()[0].caption);
  EXPECT_EQ("m_cObject != NULL", expressionOf(answer.boxes()[0].text));
  EXPECT_EQ("Get != NULL", expressionOf(answer.boxes()[1].text));
}

TEST(PropertyCheck, UnboundStringReadYieldsEmpty) {
  BoxAnswerer answer(IDRETRY);
  Property<Gauge, String> p;
  String s = p;
  EXPECT_EQ(0, int(s.length));
  EXPECT_EQ(2u, answer.boxes().size());
}

TEST(PropertyCheck, ReadOnlyWrittenShowsSetCheckAndChangesNothing) {
  BoxAnswerer answer(IDIGNORE);
  Gauge g(33);
  int result = (g.readOnly = 99);
  EXPECT_EQ(99, result);
  EXPECT_EQ(33, g.stored);
  EXPECT_EQ(0, g.writes);
  ASSERT_EQ(1u, answer.boxes().size());
  EXPECT_EQ("Set != NULL", expressionOf(answer.boxes()[0].text));
}

TEST(PropertyCheck, WriteOnlyReadShowsGetCheck) {
  BoxAnswerer answer(IDIGNORE);
  Gauge g(33);
  int value = g.writeOnly;
  EXPECT_EQ(0, value);
  ASSERT_EQ(1u, answer.boxes().size());
  EXPECT_EQ("Get != NULL", expressionOf(answer.boxes()[0].text));
  g.writeOnly = 44;
  EXPECT_EQ(44, g.stored);
  EXPECT_EQ(1u, answer.boxes().size());
}

TEST(PropertyCheck, UnboundWriteShowsOwnerThenSetter) {
  BoxAnswerer answer(IDIGNORE);
  Property<Gauge, int> p;
  p = 5;
  ASSERT_EQ(2u, answer.boxes().size());
  EXPECT_EQ("m_cObject != NULL", expressionOf(answer.boxes()[0].text));
  EXPECT_EQ("Set != NULL", expressionOf(answer.boxes()[1].text));
}
