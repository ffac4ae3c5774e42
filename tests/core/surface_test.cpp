#include "geometry/surface.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "geometry/surface_window.h"
#include "notebook_cases.h"

using namespace tivorum;
using tivorum::test::Ends;
using tivorum::test::SolveCase;

namespace {

void run(const SolveCase& c) {
  tivorum::test::expectSolve(surfaceNotebook(), c);
}

const std::string kInvalidFor = "The data entered is invalid for the ";
const std::string kRing = kInvalidFor + "Surface Area of a Circular Ring.!";
const std::string kCone = kInvalidFor + "Surface Area of a Cone.!";
const std::string kCube = kInvalidFor + "Surface Area of a Cube.!";
const std::string kPrism = kInvalidFor + "Surface Area of a Prism.!";
const std::string kSphere = kInvalidFor + "Surface Area of a Sphere.!";
const std::string kSegment = kInvalidFor + "Surface Area of a Spherical Segment.!";

TEST(SurfaceSolvers, SolveEachCaseInOrder) {
  const SolveCase cases[] = {
      // Circular ring: S, R, r.
      {"Circular Ring", {"", "2", "1"}, {{kCircRingS, "78.956835208714"}}},
      {"Circular Ring", {"100", "2", ""}, {{kCircRingSurfLittleR, "1.2665147955292"}}},
      {"Circular Ring", {"100", "", "1"}, {{kCircRingSurfBigR, "2.5330295910584"}}},
      {"Circular Ring", {"100", "2", "9"}, {{kCircRingSurfLittleR, "1.2665147955292"}}},
      // The last digit depends on the operand order.
      {"Circular Ring", {"", "2950", "44"}, {{kCircRingS, "5124298.6050455"}}},
      // Cone: S, l, r, c.
      {"Cone", {"10", "2", "", ""}, {{kConeSurfR, "1.5915494309189"}, {kConeC, "10"}}},
      {"Cone", {"10", "2", "7", "9"}, {{kConeSurfR, "1.5915494309189"}, {kConeC, "10"}}},
      {"Cone", {"10", "", "1", ""}, {{kConeL, "3.1830988618379"}, {kConeC, "6.2831853071795"}}},
      // The cut radius is read back: l is not quite 4.
      {"Cone", {"10", "", "", "5"}, {{kConeSurfR, "0.7957747154594"}, {kConeL, "4.0000000000003"}}},
      {"Cone", {"", "5", "3", ""}, {{kConeC, "18.849555921538"}, {kConeS, "47.123889803846"}}},
      {"Cone", {"", "5", "", "5"}, {{kConeSurfR, "0.7957747154594"}, {kConeS, "12.499999999998"}}},
      // The side-and-circumference case has no check.
      {"Cone", {"", "0", "", "0"}, {{kConeSurfR, "0"}, {kConeS, "0"}}},
      // Cube: S, h; the surface wins.
      {"Cube", {"24", ""}, {{kCubeSurfH, "2"}}},
      {"Cube", {"", "2"}, {{kCubeS, "24"}}},
      {"Cube", {"24", "9"}, {{kCubeSurfH, "2"}}},
      // Prism: S, a, b, h.
      {"Prism", {"", "1", "2", "3"}, {{kPrismS, "22"}}},
      {"Prism", {"22", "1", "2", ""}, {{kPrismH, "3"}}},
      {"Prism", {"22", "1", "", "3"}, {{kPrismB, "2"}}},
      {"Prism", {"22", "", "2", "3"}, {{kPrismA, "1"}}},
      {"Prism", {"22", "1", "2", "9"}, {{kPrismH, "3"}}},
      // Too small a surface: the negative side is written, cut to the field.
      {"Prism", {"2", "1", "2", ""}, {{kPrismH, "-0.333333333333"}}},
      // Sphere: S, r; the surface wins.
      {"Sphere", {"100", ""}, {{kSphereSurfR, "2.8209479177387"}}},
      {"Sphere", {"", "1"}, {{kSphereS, "12.566370614359"}}},
      {"Sphere", {"100", "7"}, {{kSphereSurfR, "2.8209479177387"}}},
      // Spherical segment: S, r, b.
      {"Spherical Segment", {"", "2", "1"}, {{kSphSegS, "12.566370614359"}}},
      {"Spherical Segment", {"10", "2", ""}, {{kSphSegB, "0.7957747154594"}}},
      {"Spherical Segment", {"10", "", "2"}, {{kSphSegR, "0.7957747154594"}}},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(SurfaceSolvers, ConeWithOnlyRadiusAndCircumferenceInforms) {
  run({"Cone",
       {"", "", "1", "6"},
       {},
       Ends::Information,
       "You cannot calculate the surface area of a cone with only radius and circumference "
       "given!"});
}

TEST(SurfaceSolvers, FailedChecksShowTheShapeName) {
  const SolveCase cases[] = {
      {"Circular Ring", {"100", "0", ""}, {}, Ends::ShowError, kRing},
      {"Circular Ring", {"100", "", "0"}, {}, Ends::ShowError, kRing},
      {"Cone", {"10", "0", "", ""}, {}, Ends::ShowError, kCone},
      {"Cone", {"10", "", "0", ""}, {}, Ends::ShowError, kCone},
      // The radius is written before the check fails.
      {"Cone", {"10", "", "", "0"}, {{kConeSurfR, "0"}}, Ends::ShowError, kCone},
      {"Cube", {"0", ""}, {}, Ends::ShowError, kCube},
      {"Cube", {"-6", "1"}, {}, Ends::ShowError, kCube},
      {"Prism", {"22", "0", "0", ""}, {}, Ends::ShowError, kPrism},
      {"Prism", {"22", "1", "", "-1"}, {}, Ends::ShowError, kPrism},
      {"Prism", {"22", "", "0", "0"}, {}, Ends::ShowError, kPrism},
      {"Sphere", {"0", ""}, {}, Ends::ShowError, kSphere},
      {"Sphere", {"-1", "2"}, {}, Ends::ShowError, kSphere},
      {"Spherical Segment", {"10", "0", ""}, {}, Ends::ShowError, kSegment},
      {"Spherical Segment", {"10", "", "0"}, {}, Ends::ShowError, kSegment},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(SurfaceSolvers, FaultsKeepEarlierWrites) {
  const SolveCase cases[] = {
      // c only fits with fewer digits; then pi r l overflows.
      {"Cone",
       {"", "1E4000", "1E4000", ""},
       {{kConeC, "6.28318531E4000"}},
       Ends::Fault,
       "Floating point overflow."},
      {"Cube", {"", "1E4000"}, {}, Ends::Fault, "Floating point overflow."},
      {"Cone",
       {"abc", "", "1", "6"},
       {},
       Ends::Fault,
       "'abc' is not a valid floating point value."},
      {"Sphere", {"", "1.2.3"}, {}, Ends::Fault, "'1.2.3' is not a valid floating point value."},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(SurfaceSolvers, NoMatchingCaseWritesNothing) {
  const SolveCase cases[] = {
      {"Circular Ring", {"", "", "1"}, {}},
      {"Cone", {"10", "", "", ""}, {}},
      {"Cone", {"", "5", "", ""}, {}},
      {"Cone", {"", "", "", "5"}, {}},
      {"Cube", {"", ""}, {}},
      {"Prism", {"22", "1", "", ""}, {}},
      {"Prism", {"", "1", "2", ""}, {}},
      {"Sphere", {"", ""}, {}},
      {"Spherical Segment", {"10", "", ""}, {}},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(SurfaceNotebook, PagesAndClearListAgree) {
  const Notebook& notebook = surfaceNotebook();
  const char* captions[] = {"Circular Ring", "Cone",   "Cube",
                            "Prism",         "Sphere", "Spherical Segment"};
  const size_t fieldCounts[] = {3, 4, 2, 4, 2, 3};
  ASSERT_EQ(notebook.pages.size(), 6u);
  for (size_t i = 0; i < notebook.pages.size(); ++i) {
    EXPECT_EQ(notebook.pages[i].caption, captions[i]);
    EXPECT_EQ(notebook.pages[i].fields.size(), fieldCounts[i]) << captions[i];
    for (const NotebookField& field : notebook.pages[i].fields) EXPECT_EQ(field.maxLength, 15);
  }
  const auto fields = tivorum::test::allFieldNames(notebook);
  ASSERT_EQ(notebook.clearList.size(), 18u);
  EXPECT_TRUE(std::equal(fields.begin(), fields.end(), notebook.clearList.begin(),
                         notebook.clearList.end()));
  std::set<std::string_view> names(fields.begin(), fields.end());
  for (const NotebookPage& page : notebook.pages) {
    names.insert({page.explanationName, page.buttons.clear, page.buttons.solve, page.buttons.close,
                  page.buttons.help});
  }
  EXPECT_EQ(names.size(), 18u + 6u * 5u);
  EXPECT_EQ(notebook.helpTopic, "Surface");
}

}  // namespace
