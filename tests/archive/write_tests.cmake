# Archive write side: the write test program and the write benchmarks (programs in bin/
# that print figures; not tests).
quillmere_test(archive_write_test SOURCES archive_write_test.cpp write_paths_test.cpp LIBS qm_archive)
foreach(bench write_bench_add write_bench_compress)
  add_executable(${bench} ${bench}.cpp)
  target_link_libraries(${bench} PRIVATE qm_archive)
endforeach()
