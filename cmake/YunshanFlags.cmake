# Compiler flags shared by every target of the project.
add_library(yunshan_flags INTERFACE)
target_compile_options(yunshan_flags INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(yunshan_flags INTERFACE _GLIBCXX_ASSERTIONS)
if(YUNSHAN_WERROR)
    target_compile_options(yunshan_flags INTERFACE -Werror)
endif()
if(YUNSHAN_SANITIZE)
    target_compile_options(yunshan_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
    target_link_options(yunshan_flags INTERFACE -fsanitize=address,undefined)
endif()

if(YUNSHAN_FUZZ)
    target_compile_options(yunshan_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

# yunshan_layer(NAME SOURCES ... LINKS ...): one static library per layer. A layer with no sources yet is an
# interface library, so its place in the link line exists from the start.
function(yunshan_layer name)
    cmake_parse_arguments(L "" "" "SOURCES;LINKS" ${ARGN})
    if(L_SOURCES)
        add_library(${name} STATIC ${L_SOURCES})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${L_LINKS} PRIVATE yunshan_flags)
    else()
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${L_LINKS})
    endif()
endfunction()
