# One interface target carries the language level and the warnings for every Tubrix target.
add_library(tubrix_options INTERFACE)
add_library(Tubrix::options ALIAS tubrix_options)
target_compile_features(tubrix_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(MSVC)
    target_compile_options(tubrix_options INTERFACE /W4 /utf-8 /permissive-)
    if(TUBRIX_WERROR)
        target_compile_options(tubrix_options INTERFACE /WX)
    endif()
else()
    target_compile_options(tubrix_options INTERFACE -Wall -Wextra -Wpedantic)
    if(TUBRIX_WERROR)
        target_compile_options(tubrix_options INTERFACE -Werror)
    endif()
endif()
target_compile_definitions(tubrix_options INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_NO_KEYWORDS)
