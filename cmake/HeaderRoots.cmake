# quarrytide_export_headers(target)
# A library exports its own folder and nothing else, so that a file can include only the headers of the
# libraries it links: an include from a higher floor does not compile. The include root is a folder in
# the build tree holding one link named after the source folder ("tld" -> src/tld, "tld/ui" ->
# src/tld/ui), which keeps the spelling the sources use ("tld/TldFile.h", "tld/ui/WhoisWindow.h").
function(quarrytide_export_headers target)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}/src" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(root "${PROJECT_BINARY_DIR}/include/${target}")
    get_filename_component(parent "${root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
