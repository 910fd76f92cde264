# cmake -DDIR=... -DEXPECTED=a;b;c -P only_named_classes.cmake
# tessaly copies only the named class files next to the author's pages, so an extra class
# (an inner or anonymous class, say) would be missing on the web site and the applet would
# fail in the visitor's browser. Stop the build instead.
cmake_minimum_required(VERSION 3.25)
file(GLOB produced RELATIVE ${DIR} ${DIR}/*.class)
set(extra)
foreach(file IN LISTS produced)
    string(REGEX REPLACE "\\.class$" "" class ${file})
    if(NOT class IN_LIST EXPECTED)
        list(APPEND extra ${file})
    endif()
endforeach()
if(extra)
    message(FATAL_ERROR "The applets compile to classes tessaly does not copy: ${extra}")
endif()
