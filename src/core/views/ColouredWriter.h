#pragma once
// The coloured writer of result blocks, for the pages that need to know the colour
// left in effect after it (a line inserted afterwards takes that colour).

#include <cstdint>
#include <string>
#include <vector>

#include "views/Page.h"

namespace velmora::detail {

// Appends `work` to `out`, each line in the colour of its kind; returns the colour in
// effect afterwards, or `current` when `work` is empty.
std::uint32_t writeColouredBlocks(const std::vector<std::string>& work, std::vector<ColouredLine>& out,
                                  std::uint32_t current);

} // namespace velmora::detail
