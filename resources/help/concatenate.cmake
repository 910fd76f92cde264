# cmake -DOUTPUT=FILE -DINPUTS=a;b;c -P concatenate.cmake
# Joins the topic files into one help file, each starting on a line of its own.
set(text "")
foreach(input IN LISTS INPUTS)
    file(READ ${input} part)
    string(APPEND text "${part}")
    if(NOT part MATCHES "\n$")
        string(APPEND text "\n")
    endif()
endforeach()
get_filename_component(directory ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${directory})
file(WRITE ${OUTPUT}.tmp "${text}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
