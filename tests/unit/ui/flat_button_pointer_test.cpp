#include "ui/flat_button_pointer.h"

#include <gtest/gtest.h>

#include "ui/flat_button_images.h"

namespace qv {
namespace {

TEST(FlatButtonPointer, HoverDrawsAndErasesOnlyTheFrame) {
  FlatButtonPointer button;
  EXPECT_EQ(button.Enter(), ButtonPaint::DrawHotFrame);
  EXPECT_EQ(button.Leave(), ButtonPaint::InvalidateEdges);
}

TEST(FlatButtonPointer, PressAndReleaseInsideClicks) {
  FlatButtonPointer button;
  EXPECT_EQ(button.Press(), ButtonPaint::Repaint);
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(ChooseFlatButtonFace(true, button.Down()), FlatButtonFace::Pressed);
  ButtonRelease release = button.Release(true);
  EXPECT_TRUE(release.click);
  EXPECT_EQ(release.paint, ButtonPaint::Repaint);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(ChooseFlatButtonFace(true, button.Down()), FlatButtonFace::Hot);
}

TEST(FlatButtonPointer, DraggingOffAndReleasingDoesNotClick) {
  FlatButtonPointer button;
  button.Press();
  EXPECT_EQ(button.Leave(), ButtonPaint::Repaint) << "pressed buttons repaint whole";
  EXPECT_EQ(ChooseFlatButtonFace(false, button.Down()), FlatButtonFace::Hot);
  ButtonRelease release = button.Release(false);
  EXPECT_FALSE(release.click);
  EXPECT_EQ(release.paint, ButtonPaint::InvalidateEdges);
  EXPECT_EQ(ChooseFlatButtonFace(false, button.Down()), FlatButtonFace::Normal);
}

TEST(FlatButtonPointer, DraggingBackOnWhilePressedShowsPressed) {
  FlatButtonPointer button;
  button.Press();
  button.Leave();
  EXPECT_EQ(button.Enter(), ButtonPaint::Repaint);
  EXPECT_EQ(ChooseFlatButtonFace(true, button.Down()), FlatButtonFace::Pressed);
  EXPECT_TRUE(button.Release(true).click);
}

TEST(FlatButtonPointer, ReleaseWithoutPressDoesNotClick) {
  FlatButtonPointer button;
  EXPECT_FALSE(button.Release(true).click);
  button.Press();
  button.Cancel();
  EXPECT_FALSE(button.Release(true).click);
}

}  // namespace
}  // namespace qv
