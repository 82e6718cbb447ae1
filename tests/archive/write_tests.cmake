# Archive write side: the write test program and the write benchmarks (programs in bin/
# that print figures; not tests).
quillmere_test(archive_write_test SOURCES archive_write_test.cpp write_paths_test.cpp LIBS qm_archive)
foreach(bench write_bench_add write_bench_compress)
  add_executable(${bench} ${bench}.cpp)
  target_link_libraries(${bench} PRIVATE qm_archive)
endforeach()

# quillpack create, add and pack end to end (under Wine in the Windows tree).
set(write_cli_runner $<TARGET_FILE:quillpack>)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(write_cli_runner ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:quillpack>)
endif()
add_test(NAME quillpack_write_cli
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/write_cli_test.sh ${CMAKE_CURRENT_BINARY_DIR}/write_cli
                 ${write_cli_runner})
set(write_cli_sample $<TARGET_FILE:pe_sample_writer>)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(write_cli_sample "${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:pe_sample_writer>")
endif()
set_tests_properties(quillpack_write_cli PROPERTIES TIMEOUT 300
  ENVIRONMENT "QP_SAMPLE=${write_cli_sample};QP_SKIN=$<TARGET_FILE_DIR:quillpack>/classic.skn")
