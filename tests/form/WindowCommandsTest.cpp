// The window's file filters, image size, dialog placement and progress pacing.
#include "form/WindowCommands.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(FileFilter, CaptionsAndExtensionsOfEveryDialog) {
  const std::vector<FileFilterItem> image = ParseFileFilter(kSaveImageDialog.Filter);
  ASSERT_EQ(image.size(), 2u);
  EXPECT_EQ(FilterCaption(image[0]), "PNG 图像(*.png)");  // already ends with its patterns
  EXPECT_EQ(FilterExtension(image[1]), "svg");
  const std::vector<FileFilterItem> batch = ParseFileFilter(kBatchDialog.Filter);
  ASSERT_EQ(batch.size(), 2u);
  EXPECT_EQ(FilterExtension(batch[1]), "");  // "*": the chosen type names no extension
  EXPECT_EQ(FilterCaption({"Text", "*.txt;*.csv"}), "Text (*.txt *.csv)");
  EXPECT_EQ(FilterExtension({"Text", "*.txt;*.csv"}), "txt");
  EXPECT_TRUE(ParseFileFilter("only a caption").empty());
  for (const FileDialogDesign* d : {&kSaveReportDialog, &kSaveSheetDialog, &kSaveImageDialog}) {
    EXPECT_EQ(FilterExtension(ParseFileFilter(d->Filter).front()), d->DefaultExt);
  }
}

TEST(ChartImagePixels, TwiceTheScreenNeverBelowTheDesign) {
  EXPECT_EQ(ChartImagePixels({600, 300}), (ChartSize{1200, 600}));
  EXPECT_EQ(ChartImagePixels({0, 0}), (ChartSize{896, 396}));
  EXPECT_EQ(ChartImagePixels({300, 400}), (ChartSize{896, 800}));
}

TEST(ProgressPacing, ShowsAfterHalfASecondThenEveryFiftyMilliseconds) {
  ProgressPacing pacing;
  EXPECT_FALSE(pacing.Due(0));
  EXPECT_FALSE(pacing.Due(499));
  EXPECT_TRUE(pacing.Due(500));
  EXPECT_FALSE(pacing.Due(549));
  EXPECT_TRUE(pacing.Due(550));
}

}  // namespace
}  // namespace gb
