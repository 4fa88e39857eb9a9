# ofxfw_add_effect_definition(<name> <xml>)
# Checks the effect definition with the project's own parser at build time
# (a broken definition fails the build with the parser's message) and embeds
# its text as EMBEDDED_XML in the static library <name>_definition.
function(ofxfw_add_effect_definition name xml)
    set(summary "${CMAKE_CURRENT_BINARY_DIR}/${name}.summary.json")
    add_custom_command(
        OUTPUT "${summary}"
        COMMAND ofxdef check "${xml}" --output "${summary}"
        DEPENDS ofxdef "${xml}"
        COMMENT "Checking effect definition ${xml}"
        VERBATIM)
    add_custom_target(${name}_definition_check DEPENDS "${summary}")

    set(embedded "${CMAKE_CURRENT_BINARY_DIR}/${name}_embedded_xml.cpp")
    ofxfw_embed_text("${xml}" "${embedded}" EMBEDDED_XML)
    add_library(${name}_definition STATIC "${embedded}")
    add_dependencies(${name}_definition ${name}_definition_check)
endfunction()
