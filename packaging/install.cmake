# Installing both programs. Each keeps its program directory, as in the build tree, under
# lib/: the executable with everything it reads beside it. A launcher link in bin/ starts it
# (the programs find their directory through the resolved executable path). Users of a
# system-wide install get a per-user home seeded from these files on first start.
include(GNUInstallDirs)

set(TESSALY_INSTALL_DIR lib/tessaly)
set(VMCNTRL_INSTALL_DIR lib/vmcntrl)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(pictures_dir ${CMAKE_SOURCE_DIR}/resources/pictures)

# --- tessaly -------------------------------------------------------------------------------
if(TARGET tessaly)
    install(TARGETS tessaly RUNTIME DESTINATION ${TESSALY_INSTALL_DIR})
endif()
if(TESSALY_APPLETS_BUILT)
    set(classes)
    foreach(class IN LISTS TESSALY_APPLET_CLASSES)
        list(APPEND classes ${TESSALY_HOME}/${class}.class)
    endforeach()
    install(FILES ${classes} DESTINATION ${TESSALY_INSTALL_DIR})
endif()
set(sounds)
foreach(sound IN LISTS TESSALY_SOUNDS)
    list(APPEND sounds ${TESSALY_HOME}/${sound})
endforeach()
install(FILES ${sounds} ${TESSALY_HELP_FILE} DESTINATION ${TESSALY_INSTALL_DIR})
install(FILES ${TESSALY_RUNTIME_FILES} DESTINATION ${TESSALY_INSTALL_DIR})
install(FILES ${TESSALY_PICTURE_FILES} DESTINATION ${TESSALY_INSTALL_DIR}/pictures)

# --- vmcntrl -------------------------------------------------------------------------------
if(TARGET vmcntrl)
    install(TARGETS vmcntrl RUNTIME DESTINATION ${VMCNTRL_INSTALL_DIR})
endif()
install(FILES ${VMCNTRL_HELP_FILE} DESTINATION ${VMCNTRL_INSTALL_DIR})
install(FILES ${VMCNTRL_PICTURE_FILES} DESTINATION ${VMCNTRL_INSTALL_DIR}/pictures)
install(FILES ${VMCNTRL_TEMPLATE_FILES} DESTINATION ${VMCNTRL_INSTALL_DIR}/template)
foreach(folder IN LISTS VMCNTRL_WORK_FOLDERS)
    install(DIRECTORY DESTINATION ${VMCNTRL_INSTALL_DIR}/${folder})
endforeach()
include(${packaging_dir}/lighttpd/install.cmake)

# --- launchers, desktop entries, icons -----------------------------------------------------
foreach(program tessaly vmcntrl)
    if(NOT TARGET ${program})
        continue()
    endif()
    string(TOUPPER ${program} upper)
    set(link ${CMAKE_CURRENT_BINARY_DIR}/launchers/${program})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/launchers)
    file(CREATE_LINK ../${${upper}_INSTALL_DIR}/${program} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${packaging_dir}/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${pictures_dir}/rendered/icons/${size}x${size}/${program}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${pictures_dir}/${program}/${program}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endforeach()

# --- Debian package ------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly-vellum)
set(CPACK_PACKAGE_VENDOR "Tessaly and Vellum developers")
set(CPACK_PACKAGE_CONTACT "Tessaly and Vellum developers <maintainers@tessaly.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Navigation applet builder (Tessaly) and form-processor control panel (Vellum)")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaly keeps a list of links and writes the HTML code that places a ready-made Java\nnavigation applet on a web page. The Vellum Control Panel sets up the scripts of the\nVellum form processor: which form runs them, how entries are saved, what the browser\nis sent back and which e-mail goes out.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
