# The readers and text rules of both programs' Qt-free cores.
add_fuzz_target(fuzz_document SOURCES document_fuzz.cpp LIBS tessaly_document)
add_fuzz_target(fuzz_generator SOURCES generator_fuzz.cpp LIBS tessaly_generator)
add_fuzz_target(fuzz_bookmarks SOURCES bookmarks_fuzz.cpp LIBS tessaly_import)
add_fuzz_target(fuzz_template_keys SOURCES template_keys_fuzz.cpp LIBS vmcntrl_config)
add_fuzz_target(fuzz_form_writer SOURCES form_writer_fuzz.cpp LIBS vmcntrl_config)
add_fuzz_target(fuzz_script SOURCES script_fuzz.cpp LIBS vmcntrl_config)
add_fuzz_target(fuzz_report SOURCES report_fuzz.cpp LIBS vmcntrl_config)
