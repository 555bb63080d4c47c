# Build rules shared by the three binaries and the test programs.

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(QUILLET_ARCH i686)
else()
    set(QUILLET_ARCH x86_64)
endif()

function(quillet_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    endif()
endfunction()

# The headers offer only what Windows 95 and NT 4.0 have, so that nothing newer is called by
# accident. Code that shares the product's records (the tests) must see the same structures.
set(QUILLET_PLATFORM WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0300)

# The i686 build runs on every PC that Windows 95 runs on, down to the 80386, and is tuned for
# the Pentium that most of them had.
set(QUILLET_I686_CPU -march=i386 -mtune=pentium)

# Product code: no exceptions, no RTTI, no runtime DLLs to ship.
function(quillet_product target)
    quillet_warnings(${target})
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX ${QUILLET_PLATFORM})
    if(MSVC)
        target_compile_options(${target} PRIVATE /GR- /EHs-c-)
    else()
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti
                                                   -fno-threadsafe-statics -fcheck-new>)
        target_link_options(${target} PRIVATE -static $<$<CONFIG:Release,MinSizeRel>:-s>)
        if(QUILLET_ARCH STREQUAL i686)
            # Unwind tables serve only exceptions, which the product has none of, and 64-bit
            # structured exception handling: on i686 they would only make the binaries larger.
            target_compile_options(${target} PRIVATE ${QUILLET_I686_CPU}
                                                     -fno-asynchronous-unwind-tables)
        endif()
    endif()
endfunction()

# Exports of a program or library, named without their stdcall decoration.
function(quillet_exports target def)
    if(MSVC)
        target_link_options(${target} PRIVATE /DEF:${def})
    else()
        target_link_options(${target} PRIVATE ${def})
        if(QUILLET_ARCH STREQUAL i686)
            target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
        endif()
    endif()
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def})
endfunction()

# A library loaded into other programs: no C or C++ runtime at all, an entry point of our own,
# imports from kernel32 and user32 only.
function(quillet_runtime_free_dll target)
    quillet_product(${target})
    set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".DLL")
    if(MSVC)
        target_compile_options(${target} PRIVATE /GS- /Zl)
        target_link_options(${target} PRIVATE /NODEFAULTLIB /ENTRY:DllMain)
    else()
        target_compile_options(${target} PRIVATE -ffreestanding -fno-tree-loop-distribute-patterns
                                                 -fno-stack-protector)
        if(QUILLET_ARCH STREQUAL i686)
            set(entry _DllMain@12)
        else()
            set(entry DllMain)
        endif()
        target_link_options(${target} PRIVATE -nostdlib -nostartfiles -Wl,--entry=${entry})
    endif()
    target_link_libraries(${target} PRIVATE kernel32 user32)
endfunction()

# An import library that names a DLL's exports by ordinal only, so that the importing program
# binds to ordinals. Each entry is NAME:ARGUMENT_BYTES:ORDINAL.
function(quillet_ordinal_import_library name dll)
    set(def "${CMAKE_CURRENT_BINARY_DIR}/${name}.def")
    set(text "LIBRARY \"${dll}\"\nEXPORTS\n")
    foreach(entry IN LISTS ARGN)
        string(REPLACE ":" ";" parts "${entry}")
        list(GET parts 0 function)
        list(GET parts 1 bytes)
        list(GET parts 2 ordinal)
        if(QUILLET_ARCH STREQUAL i686 AND NOT MSVC)
            set(function "${function}@${bytes}")
        endif()
        string(APPEND text "    ${function} @${ordinal} NONAME\n")
    endforeach()
    file(WRITE "${def}" "${text}")
    if(MSVC)
        set(lib "${CMAKE_CURRENT_BINARY_DIR}/${name}.lib")
        if(QUILLET_ARCH STREQUAL i686)
            set(machine X86)
        else()
            set(machine X64)
        endif()
        add_custom_command(OUTPUT "${lib}" COMMAND lib /nologo /def:${def} /out:${lib} /machine:${machine}
                           DEPENDS "${def}")
    else()
        set(lib "${CMAKE_CURRENT_BINARY_DIR}/lib${name}.a")
        add_custom_command(OUTPUT "${lib}" COMMAND ${CMAKE_DLLTOOL} -d "${def}" -l "${lib}" -D "${dll}"
                           DEPENDS "${def}")
    endif()
    add_custom_target(${name}_generate DEPENDS "${lib}")
    add_library(${name} STATIC IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION "${lib}")
    add_dependencies(${name} ${name}_generate)
endfunction()

# ImageMagick turns the XPM sources into the .ico/.bmp/.cur files the resource compiler needs.
find_program(QUILLET_CONVERT convert PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QUILLET_CONVERT convert)

# An icon from one XPM per size (BASE.16.xpm, BASE.32.xpm): every size both as a 16-colour
# image, which Windows 95 and NT 4.0 show, and as an 8-bit one with the same pixels and mask for
# later systems (see icon.pl).
find_program(QUILLET_PERL perl REQUIRED)
function(quillet_icon output base)
    file(GLOB sizes "${base}.*.xpm")
    add_custom_command(OUTPUT "${output}"
                       COMMAND ${QUILLET_PERL} ${PROJECT_SOURCE_DIR}/cmake/icon.pl ${QUILLET_CONVERT}
                               "${output}" ${sizes}
                       DEPENDS ${sizes} ${PROJECT_SOURCE_DIR}/cmake/icon.pl VERBATIM)
endfunction()

# A bitmap from one XPM, in the 16-colour form that Windows 95 and NT 4.0 read.
function(quillet_bitmap output source)
    add_custom_command(OUTPUT "${output}"
                       COMMAND ${QUILLET_CONVERT} "${source}" -type Palette "BMP3:${output}"
                       DEPENDS "${source}" VERBATIM)
endfunction()

# A program with no C runtime DLL: its entry point, new and delete and the memory functions come
# from SOURCE, which only this program links; its imports are Windows system DLLs only.
# Visual Studio builds link their runtime statically instead; it no longer runs on Windows 95
# anyway, and the shipped i686 build is MinGW's.
function(quillet_runtime_free_exe target source)
    if(MSVC)
        set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY MultiThreaded)
        return()
    endif()
    target_sources(${target} PRIVATE ${source})
    set_property(SOURCE ${source} APPEND PROPERTY COMPILE_OPTIONS -ffreestanding
                 -fno-tree-loop-distribute-patterns -fno-stack-protector)
    if(QUILLET_ARCH STREQUAL i686)
        set(entry _QuilletStartup)
    else()
        set(entry QuilletStartup)
    endif()
    # libgcc stays: it is static, and has the stack probe for large frames.
    target_link_options(${target} PRIVATE -nostdlib -nostartfiles -Wl,--entry=${entry})
    target_link_libraries(${target} PRIVATE kernel32 user32 gdi32 advapi32 shell32 comctl32
                                            gcc)
endfunction()

# A cursor from one XPM, with its hot spot.
function(quillet_cursor output source x y)
    add_custom_command(OUTPUT "${output}"
                       COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/cursor.sh ${QUILLET_CONVERT} "${source}"
                               "${output}" ${x} ${y}
                       DEPENDS "${source}" ${PROJECT_SOURCE_DIR}/cmake/cursor.sh VERBATIM)
endfunction()
