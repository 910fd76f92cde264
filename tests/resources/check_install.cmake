# cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPPLETS=ON|OFF -P check_install.cmake
# Installs the build into a scratch prefix and checks that both programs find everything
# there; when the executables are built, runs them from the installed tree: tessaly's
# --compile must copy the real class files, and vmcntrl's --wizard must turn every shipped
# template into a form whose fields and form tag read back as the processor needs them.
cmake_minimum_required(VERSION 3.25)

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${errors}")
endif()

set(tessaly_dir ${prefix}/lib/tessaly)
set(vmcntrl_dir ${prefix}/lib/vmcntrl)
set(classes MultiList myfont mylist createcolor multdesc framer framer_list)
set(expected Tessaly.hlp ts.wav can.wav yk.wav can2.wav pictures/splash.png pictures/splash@2x.png
    tessaly.js Tessaly.ini)
if(APPLETS) # built only where a JDK is installed
    foreach(class IN LISTS classes)
        list(APPEND expected ${class}.class)
    endforeach()
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${tessaly_dir}/${file})
        fail("installed tessaly lacks ${file}")
    endif()
endforeach()
foreach(file vellum.hlp template/0.fm template/0.im pictures/tool-new.png pictures/about@2x.png)
    if(NOT EXISTS ${vmcntrl_dir}/${file})
        fail("installed vmcntrl lacks ${file}")
    endif()
endforeach()
foreach(folder FORMS SAVED mail template)
    if(NOT IS_DIRECTORY ${vmcntrl_dir}/${folder})
        fail("installed vmcntrl lacks the folder ${folder}")
    endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
set(crlf "\r\n")

if(EXISTS ${tessaly_dir}/tessaly AND APPLETS)
    if(NOT EXISTS ${prefix}/bin/tessaly)
        fail("no tessaly launcher in bin/")
    endif()
    set(site ${WORK_DIR}/site)
    file(MAKE_DIRECTORY ${site})
    # Compared as hex: the bytes, line ends included, are what a new user starts with.
    file(READ ${tessaly_dir}/Tessaly.ini shipped_options HEX)
    string(HEX "[General]${crlf}Browsers Without Java=Yes${crlf}" expected_options)
    if(NOT shipped_options STREQUAL expected_options)
        fail("the installed Tessaly.ini does not turn on the browsers without Java")
    endif()
    file(APPEND ${tessaly_dir}/Tessaly.ini "[File Location]${crlf}Default Directory=${site}${crlf}")
    file(WRITE ${WORK_DIR}/menu.tsy
        "[Link]${crlf}Link Desc 0=One${crlf}Link URL 0=a.htm${crlf}Link Frame 0=_self${crlf}"
        "Link Desc 1=Two${crlf}Link URL 1=b.htm${crlf}Link Frame 1=_top${crlf}"
        "[Properties]${crlf}Link Type=Scroll list${crlf}Alignment=Left${crlf}Font Type=Helvetica${crlf}"
        "Font Size=10${crlf}Font Style=Normal${crlf}Text Colour=H000000${crlf}Backgorund Colour=H808080${crlf}")
    execute_process(COMMAND ${prefix}/bin/tessaly --home ${tessaly_dir} --compile ${WORK_DIR}/menu.tsy
        RESULT_VARIABLE result OUTPUT_VARIABLE fragment ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR NOT fragment MATCHES "<APPLET CODE=\"MultiList\"")
        fail("installed tessaly --compile failed (${result}): ${errors}${fragment}")
    endif()
    if(NOT fragment MATCHES "<SCRIPT SRC=\"tessaly.js\"></SCRIPT>[\r\n]+This browser is unable")
        fail("installed tessaly --compile wrote no line for tessaly.js: ${fragment}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        ${tessaly_dir}/tessaly.js ${site}/tessaly.js RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        fail("--compile did not copy tessaly.js from the installed program")
    endif()
    foreach(class IN LISTS classes)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
            ${tessaly_dir}/${class}.class ${site}/${class}.class RESULT_VARIABLE different)
        if(NOT different EQUAL 0)
            fail("--compile did not copy ${class}.class from the installed program")
        endif()
    endforeach()
endif()

if(EXISTS ${vmcntrl_dir}/vmcntrl)
    if(NOT EXISTS ${prefix}/bin/vmcntrl)
        fail("no vmcntrl launcher in bin/")
    endif()
    set(n 0)
    while(EXISTS ${vmcntrl_dir}/template/${n}.fm)
        set(name Form_${n})
        execute_process(COMMAND ${prefix}/bin/vmcntrl --home ${vmcntrl_dir}
                --wizard ${name} --template ${n} --save data --replace
            RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE errors)
        if(NOT result EQUAL 0)
            fail("vmcntrl --wizard with template ${n} failed (${result}): ${errors}${out}")
        endif()
        file(READ ${vmcntrl_dir}/FORMS/${name}.html form)
        if(NOT form MATCHES "<FORM METHOD=\"POST\" ACTION=\"[^\"]*vellum\\.(exe|dll)/${name}\">")
            fail("the form of template ${n} has no form tag for the script")
        endif()
        if(NOT form MATCHES "NAME=\"00E-Mail\"")
            fail("the data form of template ${n} does not number E-Mail first")
        endif()
        file(READ ${vmcntrl_dir}/SAVED/${name}.csv header)
        if(NOT header MATCHES "^\"E-Mail\",\"")
            fail("the data file of template ${n} does not start with the field names: ${header}")
        endif()
        math(EXPR n "${n} + 1")
    endwhile()
    if(n LESS 4)
        fail("fewer than four templates were turned into forms")
    endif()
endif()
