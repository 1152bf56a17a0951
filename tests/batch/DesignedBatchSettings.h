// Batch settings whose factor defaults are the window's designed inputs, as the window runs one.
#pragma once

#include <string_view>

#include "batch/RunBatch.h"
#include "engine/DesignedInputs.h"

namespace gb::test {

inline BatchSettings DesignedBatchSettings(BatchFormat format = BatchFormat::Csv) {
  BatchSettings settings;
  settings.format = format;
  const InputTexts& d = kDesignedInputs;
  const std::string_view texts[kBatchInputCount] = {
      "", "", d.k1, d.k2, d.k3, d.rareTgIncrement, d.veryRareTgIncrement, d.betaMax};
  for (int i = 0; i < kBatchInputCount; ++i) settings.defaults[i] = texts[i];
  return settings;
}

}  // namespace gb::test
