# Every target links project_options: language level, warnings and the Qt string-safety defines.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor)
if(QUARRYTIDE_WARNINGS_AS_ERRORS)
    target_compile_options(project_options INTERFACE -Werror)
endif()
target_compile_definitions(project_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QUARRYTIDE_VERSION_TEXT="${PROJECT_VERSION}"
    QUARRYTIDE_PRODUCT_WEB_ADDRESS="${PROJECT_HOMEPAGE_URL}")
if(QUARRYTIDE_SANITIZE)
    target_compile_options(project_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUARRYTIDE_FUZZ)
    # Coverage for libFuzzer in every object; the fuzz targets add the fuzzer's own main at link time.
    target_compile_options(project_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
