#pragma once
// The fixed texts of printed and copied output: the title line and the closing
// notice. The assembly of the whole text is printText/copyText in views/Views.h.

#include <string>

namespace velmora {

// The title line of printed and copied output (without the print indent).
std::string outputTitle();
// The last line of printed and copied output.
std::string closingNotice();

} // namespace velmora
