#pragma once

#include <string>
#include <vector>

// Pieces of `text` between separators. Empty pieces at the start and between
// two separators are kept, but not the one after a final separator: "1,2,"
// gives two pieces, "," one empty piece and "" none.
std::vector<std::string> splitText(const std::string& text, char separator);
