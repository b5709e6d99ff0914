# lumenrig_sources(VAR DIR): the .cpp files of a folder for this platform. Files ending in _win32.cpp
# build only for Windows, _posix.cpp only elsewhere; the rest everywhere.
function(lumenrig_sources var dir)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(WIN32)
        list(FILTER found EXCLUDE REGEX "_posix(_test)?\\.cpp$")
    else()
        list(FILTER found EXCLUDE REGEX "_win32(_test)?\\.cpp$")
    endif()
    set(${var} ${found} PARENT_SCOPE)
endfunction()
