# tovra_options carries what every target of the project shares: the language
# standard, the warnings and the strict Qt macros. Link it, never copy it.
add_library(tovra_options INTERFACE)
target_compile_features(tovra_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
    target_compile_options(tovra_options INTERFACE /W4 /utf-8 /permissive-)
else()
    target_compile_options(tovra_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
endif()

target_compile_definitions(tovra_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_NO_KEYWORDS
    QT_USE_QSTRINGBUILDER
    QT_STRICT_ITERATORS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

if(TOVRA_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "TOVRA_SANITIZE needs GCC or Clang")
    endif()
    set(_tovra_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(tovra_options INTERFACE ${_tovra_san})
    target_link_options(tovra_options INTERFACE ${_tovra_san})
endif()

# Every library is instrumented for the fuzzers' coverage; the fuzz targets
# themselves link libFuzzer's driver (fuzz/CMakeLists.txt).
if(TOVRA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TOVRA_FUZZ needs Clang")
    endif()
    target_compile_options(tovra_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
