#include "DefinitionCheck.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "DefinitionJson.h"
#include "definition/XMLEffectDefinition.h"

namespace {

struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// One-based line and byte column of a byte offset into `text`.
TextPosition positionOf(const std::string& text, std::ptrdiff_t offset) {
    const std::size_t end = std::min(static_cast<std::size_t>(offset), text.size());
    TextPosition position;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++position.line;
            lineStart = i + 1;
        }
    }
    position.column = end - lineStart + 1;
    return position;
}

// Reads the whole file; on failure errno tells why (a directory fails here too).
bool readFile(const std::string& path, std::string& text) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        return false;
    }
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    return std::ferror(file.get()) == 0;
}

}  // namespace

int checkDefinition(const std::string& inputPath, const std::string& outputPath) {
    std::string text;
    errno = 0;
    if (!readFile(inputPath, text)) {
        std::cerr << "ofxdef: cannot read '" << inputPath
                  << "': " << (errno != 0 ? std::strerror(errno) : "read error") << "\n";
        return 1;
    }

    // The plug-in parses the embedded copy of this text the same way.
    XMLEffectDefinition definition;
    if (!definition.parseFromEmbeddedXML(text.c_str())) {
        std::cerr << inputPath;
        if (definition.lastErrorOffset() >= 0) {
            const TextPosition position = positionOf(text, definition.lastErrorOffset());
            std::cerr << ":" << position.line << ":" << position.column;
        }
        std::cerr << ": error: " << definition.lastError() << "\n";
        return 1;
    }

    const std::string summary = definitionToJson(definition).dump(2) + "\n";
    if (outputPath.empty()) {
        std::cout << summary;
        return std::cout.good() ? 0 : 1;
    }
    std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
    out << summary;
    out.close();
    if (!out) {
        std::cerr << "ofxdef: cannot write '" << outputPath << "'\n";
        return 1;
    }
    return 0;
}
