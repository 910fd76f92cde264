# The form processor reads request bodies and fills templates with what visitors send.
add_fuzz_target(fuzz_vellum_body SOURCES ${CMAKE_CURRENT_LIST_DIR}/vellum_body_fuzz.cpp
                LIBS vellum_core)
add_fuzz_target(fuzz_vellum_template SOURCES ${CMAKE_CURRENT_LIST_DIR}/vellum_template_fuzz.cpp
                LIBS vellum_core)
