# The form processor beside the control panel, its lighttpd snippet (in conf-available, so it
# stays off until the admin runs lighty-enable-mod vellum), and, in the Debian package, the
# folder the processor works in on a system install.
if(TARGET vellum_cgi)
    install(TARGETS vellum_cgi RUNTIME DESTINATION ${VMCNTRL_INSTALL_DIR})
endif()
set(VELLUM_LIGHTTPD_CONF_DIR /etc/lighttpd/conf-available CACHE PATH
    "Where the lighttpd snippet of the form processor is installed")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/50-vellum.conf DESTINATION ${VELLUM_LIGHTTPD_CONF_DIR})

set(debian_dir ${packaging_dir}/debian)
list(APPEND CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${debian_dir}/conffiles ${debian_dir}/postinst ${debian_dir}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "lighttpd")
