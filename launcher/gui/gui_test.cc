#include <gtest/gtest.h>

#include <set>

#include "gui/code_word.h"
#include "gui/forms.h"
#include "gui/layout.h"

namespace hostdeck::gui {
namespace {

TEST(LayoutTest, TwipsScaleWithTheDpi) {
  struct Case {
    int twips, dpi, pixels;
  } cases[] = {{1440, 96, 96}, {8535, 96, 569}, {8535, 144, 854}, {15, 96, 1},
               {7, 96, 0},     {8, 96, 1},      {-8, 96, -1},     {1440, 120, 120}};
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

TEST(LayoutTest, RectanglesThatTouchInTwipsTouchInPixels) {
  for (int dpi : {96, 120, 144, 168, 192}) {
    Rect left = TwipsToPixels(Rect{110, 7590, 1575, 375}, dpi);
    Rect right = TwipsToPixels(Rect{1685, 7590, 1575, 375}, dpi);
    EXPECT_EQ(left.right(), right.left) << dpi;
    EXPECT_FALSE(Overlap(left, right)) << dpi;
  }
}

TEST(LayoutTest, FontHeightIsTheCharacterHeightInPixels) {
  EXPECT_EQ(FontHeightPixels(825, 96), -11);
  EXPECT_EQ(FontHeightPixels(825, 144), -17);
}

TEST(LayoutTest, CentringHalvesTheDifferencesOnTheScreen) {
  EXPECT_EQ(Centred({0, 0, 1024, 768}, {569, 547}), (Rect{227, 110, 569, 547}));
  EXPECT_EQ(Centred({1920, 0, 1280, 1024}, {400, 300}), (Rect{2360, 362, 400, 300}));
  EXPECT_EQ(Centred({0, 0, 800, 600}, {900, 700}), (Rect{-50, -50, 900, 700}));
}

// Controls that overlap hide each other, a fault that only shows on screen.
// Frames hold other controls; the About dialog keeps its code word box and
// authorship picture outside the client area on purpose, and stacks its
// labels a little closer than their height (their text fits above the seam).
TEST(FormsTest, VisibleControlsStayInsideTheClientAreaAndApart) {
  for (const FormDesign* form :
       {&InterfaceForm(), &MapForm(), &ModesForm(), &PathForm(), &AboutForm()}) {
    for (int dpi : {96, 120, 144}) {
      Rect client = {0, 0, TwipsToPixels(form->client_twips.width, dpi),
                     TwipsToPixels(form->client_twips.height, dpi)};
      for (const ControlDesign& a : form->controls) {
        if (a.name == "txtNeviditelny" || a.name == "imgPravost") continue;
        Rect pa = TwipsToPixels(a.twips, dpi);
        EXPECT_TRUE(pa.left >= 0 && pa.top >= 0 && pa.right() <= client.right() &&
                    pa.bottom() <= client.bottom())
            << form->name << "." << a.name << " at " << dpi;
        for (const ControlDesign& b : form->controls) {
          if (&a >= &b || a.kind == ControlKind::kFrame || b.kind == ControlKind::kFrame) continue;
          if (a.kind == ControlKind::kCentredLabel && b.kind == ControlKind::kCentredLabel)
            continue;
          EXPECT_FALSE(Overlap(pa, TwipsToPixels(b.twips, dpi)))
              << form->name << ": " << a.name << " and " << b.name << " at " << dpi;
        }
      }
    }
  }
}

TEST(FormsTest, TabOrderIsUniqueAndEnterAndEscPressOneButtonEach) {
  for (const FormDesign* form :
       {&InterfaceForm(), &MapForm(), &ModesForm(), &PathForm(), &AboutForm()}) {
    std::set<int> tab_indices;
    int defaults = 0, cancels = 0;
    for (const ControlDesign& c : form->controls) {
      if (c.tab_index >= 0) {
        EXPECT_TRUE(tab_indices.insert(c.tab_index).second) << c.name;
      }
      defaults += c.role == ButtonRole::kDefault || c.role == ButtonRole::kDefaultAndCancel;
      cancels += c.role == ButtonRole::kCancel || c.role == ButtonRole::kDefaultAndCancel;
    }
    EXPECT_EQ(defaults, 1) << form->name;
    EXPECT_EQ(cancels, 1) << form->name;
  }
}

TEST(FormsTest, ControlsAreFoundByName) {
  const FormDesign& form = InterfaceForm();
  EXPECT_EQ(form.Find("txtAccountPassword").tab_index, 10);
  EXPECT_EQ(form.IdOf("Image1"), kFirstControlId);
}

TEST(CodeWordTest, IsBuiltFromTheAuthorLine) {
  EXPECT_EQ(BuildCodeWord(AboutForm().Find("lblThree").caption), "Kv0Z0xnq0R");
  EXPECT_EQ(BuildCodeWord("Copyright 2007 Jane Roe"), "Jv0Z0xoq0R");
  EXPECT_EQ(BuildCodeWord("2006"), "vZxqR");
}

}  // namespace
}  // namespace hostdeck::gui
