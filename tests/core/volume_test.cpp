#include "geometry/volume.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "geometry/volume_window.h"
#include "notebook_cases.h"

using namespace tivorum;
using tivorum::test::Ends;
using tivorum::test::SolveCase;

namespace {

void run(const SolveCase& c) {
  tivorum::test::expectSolve(volumeNotebook(), c);
}

const std::string kDivision = "Floating point division by zero.";
const std::string kInvalid = "Invalid floating point operation.";
const std::string kInvalidFor = "The data entered is invalid for the ";

TEST(VolumeSolvers, SolveEachCaseInOrder) {
  const SolveCase cases[] = {
      // Circular ring: V, R, r.
      {"Circular Ring", {"", "2", "1"}, {{kCircRingV, "39.478417604357"}}},
      {"Circular Ring", {"100", "2", ""}, {{kCircRingLittleR, "1.5915494309189"}}},
      {"Circular Ring", {"100", "", "1"}, {{kCircRingBigR, "5.0660591821168"}}},
      // All three known: r is recomputed.
      {"Circular Ring", {"100", "2", "9"}, {{kCircRingLittleR, "1.5915494309189"}}},
      // Cone: V, r, h.
      {"Cone", {"", "1", "3"}, {{kConeV, "3.1415926535897"}}},
      {"Cone", {"10", "1", ""}, {{kConeH, "9.5492965855137"}}},
      {"Cone", {"10", "", "1"}, {{kConeR, "3.0901936161855"}}},
      {"Cone", {"10", "1", "7"}, {{kConeH, "9.5492965855137"}}},
      // Cube: V, h; the volume wins.
      {"Cube", {"27", ""}, {{kCubeH, "3"}}},
      {"Cube", {"", "1.5"}, {{kCubeV, "3.375"}}},
      {"Cube", {"8", "5"}, {{kCubeH, "2"}}},
      // Too many integer digits for a cut: fewer digits, exponent kept.
      {"Cube", {"", "123456"}, {{kCubeV, "1.8816402952E15"}}},
      // Cylinder: V, r, h.
      {"Cylinder", {"", "1", "1"}, {{kCylinderV, "3.1415926535897"}}},
      {"Cylinder", {"10", "", "2"}, {{kCylinderR, "1.2615662610100"}}},
      {"Cylinder", {"10", "1", ""}, {{kCylinderH, "3.1830988618379"}}},
      // Ellipsoid: V, r, a, b.
      {"Ellipsoid", {"", "1", "2", "3"}, {{kEllipsoidV, "6.2831853071795"}}},
      {"Ellipsoid", {"10", "1", "2", ""}, {{kEllipsoidB, "4.7746482927568"}}},
      {"Ellipsoid", {"10", "1", "", "2"}, {{kEllipsoidA, "4.7746482927568"}}},
      {"Ellipsoid", {"10", "", "2", "3"}, {{kEllipsoidR, "1.5915494309189"}}},
      {"Ellipsoid", {"10", "1", "2", "9"}, {{kEllipsoidB, "4.7746482927568"}}},
      // Paraboloid: V, r, h.
      {"Paraboloid", {"", "2", "3"}, {{kParaboloidV, "18.849555921538"}}},
      {"Paraboloid", {"10", "1", ""}, {{kParaboloidH, "6.3661977236758"}}},
      {"Paraboloid", {"10", "", "2"}, {{kParaboloidR, "1.7841241161527"}}},
      // Pyramid: V, A, h.
      {"Pyramid", {"", "6", "2"}, {{kPyramidV, "4"}}},
      {"Pyramid", {"10", "4", ""}, {{kPyramidH, "7.5"}}},
      {"Pyramid", {"10", "", "4"}, {{kPyramidA, "7.5"}}},
      // A lone point is a known 0.
      {"Pyramid", {".", "", "4"}, {{kPyramidA, "0"}}},
      // Rectangular prism: V, a, b, h.
      {"Rect. Prism", {"", "2", "3", "4"}, {{kRectPrismV, "24"}}},
      {"Rect. Prism", {"10", "3", "3", ""}, {{kRectPrismH, "1.1111111111111"}}},
      {"Rect. Prism", {"10", "2", "", "5"}, {{kRectPrismB, "1"}}},
      {"Rect. Prism", {"10", "", "4", "5"}, {{kRectPrismA, "0.5"}}},
      {"Rect. Prism", {"10", "3", "3", "7"}, {{kRectPrismH, "1.1111111111111"}}},
      // Sphere: V, r; the radius wins.
      {"Sphere", {"", "1"}, {{kSphereV, "4.1887902047863"}}},
      {"Sphere", {"", "3"}, {{kSphereV, "113.09733552923"}}},
      {"Sphere", {"100", ""}, {{kSphereR, "2.8794119114848"}}},
      {"Sphere", {"100", "1"}, {{kSphereV, "4.1887902047863"}}},
      // Spherical sector: V, r, h.
      {"Spherical Sector", {"", "2", "1"}, {{kSphSectV, "8.3775804095727"}}},
      {"Spherical Sector", {"10", "2", ""}, {{kSphSectH, "1.1936620731892"}}},
      {"Spherical Sector", {"10", "", "1"}, {{kSphSectR, "2.1850968611841"}}},
  };
  for (const SolveCase& c : cases) run(c);
}

// Inputs whose last shown digit depends on the order of the operations (found
// by search; checked against a 64-bit-mantissa emulation of each formula).
TEST(VolumeSolvers, KeepTheOperandOrder) {
  const SolveCase cases[] = {
      {"Circular Ring", {"", "1306", "14.25"}, {{kCircRingV, "5234830.7721344"}}},
      {"Circular Ring", {"6445", "", "7.5"}, {{kCircRingBigR, "5.8045780317766"}}},
      {"Cone", {"", "2897", "37"}, {{kConeV, "325182624.93916"}}},
      {"Cone", {"3438", "", "48.25"}, {{kConeR, "8.2487847006898"}}},
      {"Ellipsoid", {"", "5798", "49.5", "2"}, {{kEllipsoidV, "601093.48878195"}}},
      {"Spherical Sector", {"", "7858", "23.25"}, {{kSphSectV, "3006807465.1233"}}},
      // One third at full precision: a short one would give 999999999999999.
      {"Pyramid", {"", "3", "1E15"}, {{kPyramidV, "1E15"}}},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(VolumeSolvers, FailedChecksShowTheShapeName) {
  const SolveCase cases[] = {
      {"Cone", {"10", "0", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Cone!"},
      {"Cone", {"10", "", "0"}, {}, Ends::ShowError, kInvalidFor + "Volume of Cone!"},
      {"Cone", {"-10", "", "1"}, {}, Ends::ShowError, kInvalidFor + "Volume of Cone!"},
      {"Cube", {"0", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Cube!"},
      {"Cube", {"-8", "2"}, {}, Ends::ShowError, kInvalidFor + "Volume of Cube!"},
      {"Cube", {".", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Cube!"},
      {"Cylinder", {"10", "0", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Cylinder!"},
      {"Cylinder", {"-10", "", "1"}, {}, Ends::ShowError, kInvalidFor + "Volume of Cylinder!"},
      {"Paraboloid", {"10", "", "0"}, {}, Ends::ShowError, kInvalidFor + "Volume of Paraboloid!"},
      {"Paraboloid", {"10", "0", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Paraboloid!"},
      {"Pyramid", {"10", "", "0"}, {}, Ends::ShowError, kInvalidFor + "Volume of Pyramid!"},
      {"Sphere", {"0", ""}, {}, Ends::ShowError, kInvalidFor + "Volume of Sphere!"},
      {"Spherical Sector",
       {"10", "0", ""},
       {},
       Ends::ShowError,
       kInvalidFor + "Volume of Spherical Sector!"},
      {"Spherical Sector",
       {"0", "", "1"},
       {},
       Ends::ShowError,
       kInvalidFor + "Volume of Spherical Sector!"},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(VolumeSolvers, UncheckedArithmeticRaisesItsFault) {
  const SolveCase cases[] = {
      {"Circular Ring", {"100", "0", ""}, {}, Ends::Fault, kDivision},
      {"Circular Ring", {"0", "0", ""}, {}, Ends::Fault, kInvalid},
      {"Circular Ring", {"-100", "2", ""}, {}, Ends::Fault, kInvalid},
      {"Circular Ring", {"100", "", "0"}, {}, Ends::Fault, kDivision},
      {"Cylinder", {"10", "", "0"}, {}, Ends::Fault, kDivision},
      {"Ellipsoid", {"10", "1", "0", ""}, {}, Ends::Fault, kDivision},
      {"Ellipsoid", {"10", "0", "", "3"}, {}, Ends::Fault, kDivision},
      {"Ellipsoid", {"10", "", "2", "0"}, {}, Ends::Fault, kDivision},
      {"Paraboloid", {"-10", "", "2"}, {}, Ends::Fault, kInvalid},
      {"Pyramid", {"10", "0", ""}, {}, Ends::Fault, kDivision},
      {"Rect. Prism", {"10", "0", "3", ""}, {}, Ends::Fault, kDivision},
      {"Rect. Prism", {"10", "2", "", "0"}, {}, Ends::Fault, kDivision},
      {"Rect. Prism", {"0", "", "0", "5"}, {}, Ends::Fault, kInvalid},
      {"Spherical Sector", {"10", "", "0"}, {}, Ends::Fault, kDivision},
      {"Cube", {"", "1E2000"}, {}, Ends::Fault, "Floating point overflow."},
      // Every known field is read first: a bad text anywhere stops the solve.
      {"Cube", {"27", "1.2.3"}, {}, Ends::Fault, "'1.2.3' is not a valid floating point value."},
      {"Rect. Prism",
       {"", "2", "3", "4a"},
       {},
       Ends::Fault,
       "'4a' is not a valid floating point value."},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(VolumeSolvers, NoMatchingCaseWritesNothing) {
  const SolveCase cases[] = {
      {"Circular Ring", {"", "", ""}, {}},
      {"Circular Ring", {"100", "", ""}, {}},
      {"Cone", {"", "", "3"}, {}},
      {"Cube", {"", ""}, {}},
      {"Cylinder", {"", "1", ""}, {}},
      {"Ellipsoid", {"10", "1", "", ""}, {}},
      {"Ellipsoid", {"", "1", "2", ""}, {}},
      {"Paraboloid", {"10", "", ""}, {}},
      {"Pyramid", {"", "6", ""}, {}},
      {"Rect. Prism", {"10", "2", "", ""}, {}},
      {"Rect. Prism", {"", "2", "3", ""}, {}},
      {"Sphere", {"", ""}, {}},
      {"Spherical Sector", {"", "", "1"}, {}},
  };
  for (const SolveCase& c : cases) run(c);
}

TEST(VolumeNotebook, PagesAndClearListAgree) {
  const Notebook& notebook = volumeNotebook();
  const char* captions[] = {
      "Circular Ring", "Cone",    "Cube",        "Cylinder", "Ellipsoid",
      "Paraboloid",    "Pyramid", "Rect. Prism", "Sphere",   "Spherical Sector"};
  const size_t fieldCounts[] = {3, 3, 2, 3, 4, 3, 3, 4, 2, 3};
  ASSERT_EQ(notebook.pages.size(), 10u);
  for (size_t i = 0; i < notebook.pages.size(); ++i) {
    EXPECT_EQ(notebook.pages[i].caption, captions[i]);
    EXPECT_EQ(notebook.pages[i].fields.size(), fieldCounts[i]) << captions[i];
    for (const NotebookField& field : notebook.pages[i].fields) EXPECT_EQ(field.maxLength, 15);
  }
  // ClearEmAll reaches every field of every page, in page order.
  const auto fields = tivorum::test::allFieldNames(notebook);
  ASSERT_EQ(notebook.clearList.size(), 30u);
  EXPECT_TRUE(std::equal(fields.begin(), fields.end(), notebook.clearList.begin(),
                         notebook.clearList.end()));
  // Every control has a name of its own.
  std::set<std::string_view> names(fields.begin(), fields.end());
  for (const NotebookPage& page : notebook.pages) {
    names.insert({page.explanationName, page.buttons.clear, page.buttons.solve, page.buttons.close,
                  page.buttons.help});
  }
  EXPECT_EQ(names.size(), 30u + 10u * 5u);
  EXPECT_EQ(notebook.helpTopic, "Volume");
  EXPECT_EQ(showErrorMessage(notebook, "Volume of Cone"),
            "The data entered is invalid for the Volume of Cone!");
}

}  // namespace
