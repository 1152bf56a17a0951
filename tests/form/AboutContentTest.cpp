#include "form/AboutContent.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(AboutContent, ItemsAsDesigned) {
  const std::vector<AboutItem> items = AboutBoxItems();
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items.front().Kind, AboutItemKind::Logo);
  EXPECT_EQ(items[3].Text, "Author : Varnelo");
  EXPECT_EQ(items[5].Text, "E-mail : varnelo@example.org");
  EXPECT_EQ(items.back().Kind, AboutItemKind::Link);
  EXPECT_EQ(items.back().Text, "www.example.org");
  // Everything inside the panel, the panel and the button inside the box.
  for (const AboutItem& item : items) {
    EXPECT_LT(item.Place.Left + item.Place.Width, kAboutPanel.Width) << item.Name;
    EXPECT_LT(item.Place.Top + item.Place.Height, kAboutPanel.Height) << item.Name;
  }
  EXPECT_LE(kAboutPanel.Left + kAboutPanel.Width, kAboutClientWidth);
  EXPECT_LE(kAboutOkButton.Top + kAboutOkButton.Height, kAboutClientHeight);
}

}  // namespace
}  // namespace gb
