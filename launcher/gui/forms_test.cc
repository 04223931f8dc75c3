#include "gui/forms.h"

#include <gtest/gtest.h>

#include <set>

namespace hostdeck::gui {
namespace {

using ui::ButtonRole;
using ui::ControlDesign;
using ui::ControlKind;
using ui::FormDesign;
using ui::kFirstControlId;
using ui::Overlap;
using ui::Rect;
using ui::TwipsToPixels;

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

}  // namespace
}  // namespace hostdeck::gui
