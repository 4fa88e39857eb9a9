# Script mode helper of EmbedText.cmake: INPUT, OUTPUT and SYMBOL are given with -D.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "extern const char ${SYMBOL}[];\n"
    "const char ${SYMBOL}[] = {\n    ${bytes}'\\0'};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
