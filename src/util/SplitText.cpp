#include "util/SplitText.h"

std::vector<std::string> splitText(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type end = text.find(separator, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}
