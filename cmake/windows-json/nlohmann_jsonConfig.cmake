# nlohmann-json for the Windows cross build. The library is header-only, so the host's headers
# serve; but its own package configuration would put all of the host's /usr/include on the
# Windows compiler's path. This one shows the compiler a folder that holds nlohmann/ and nothing
# else. scripts/build-windows.sh points nlohmann_json_DIR here.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(dtii_json_folder "${CMAKE_BINARY_DIR}/json-include")
    file(MAKE_DIRECTORY "${dtii_json_folder}")
    file(CREATE_LINK /usr/include/nlohmann "${dtii_json_folder}/nlohmann" SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${dtii_json_folder}")
endif()
