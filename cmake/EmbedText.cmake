# ofxfw_embed_text(<input> <output.cpp> <symbol>)
# Generates a source that defines `extern const char <symbol>[]` holding the
# input file's bytes followed by a terminating NUL. Regenerated when the input
# changes.
set(OFXFW_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedTextScript.cmake")

function(ofxfw_embed_text input output symbol)
    add_custom_command(
        OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" "-DINPUT=${input}" "-DOUTPUT=${output}"
                "-DSYMBOL=${symbol}" -P "${OFXFW_EMBED_SCRIPT}"
        DEPENDS "${input}" "${OFXFW_EMBED_SCRIPT}"
        COMMENT "Embedding ${input} as ${symbol}"
        VERBATIM)
endfunction()
