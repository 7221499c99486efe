# One target carries the language level, warnings and Qt's strict defines; every target links it.
add_library(velmora_flags INTERFACE)
target_compile_features(velmora_flags INTERFACE cxx_std_20)
target_compile_options(velmora_flags INTERFACE -Wall -Wextra)
target_compile_definitions(velmora_flags INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER)
if(VELMORA_WERROR)
    target_compile_options(velmora_flags INTERFACE -Werror)
endif()
if(VELMORA_SANITIZE)
    target_compile_options(velmora_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(velmora_flags INTERFACE -fsanitize=address,undefined)
endif()

# A shared library of ours: loaded by full path, only its extern "C" entries visible,
# and every symbol resolved at link time so a broken build fails here, not at load.
function(velmora_module name)
    add_library(${name} MODULE ${ARGN})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so")
    if(NOT VELMORA_SANITIZE)
        target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()

if(VELMORA_FUZZ)
    target_compile_options(velmora_flags INTERFACE
        -g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(velmora_flags INTERFACE -fsanitize=address,undefined)
endif()
