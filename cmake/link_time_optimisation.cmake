# quillmere_link_time_optimised(PROGRAM): PROGRAM is linked with link-time optimisation,
# which sees the whole program at once and leaves out, merges and inlines across files.
# Its own sources carry only the compiler's intermediate code; the static libraries it
# links (found through their link dependencies) carry that code as well as machine code
# ("fat" objects), so tests and tools that link the same libraries link them as usual,
# without the slow optimising link (they link without the linker plugin, see the
# top-level CMakeLists.txt; PROGRAM's link loads it).

function(quillmere_link_time_optimised program)
  set(pending ${program})
  set(visited)
  while(pending)
    list(POP_FRONT pending target)
    if(NOT TARGET ${target} OR target IN_LIST visited)
      continue()
    endif()
    list(APPEND visited ${target})
    get_target_property(imported ${target} IMPORTED)
    get_target_property(type ${target} TYPE)
    if(imported)
      continue()
    elseif(target STREQUAL program)
      target_compile_options(${target} PRIVATE -flto)
    elseif(type STREQUAL "STATIC_LIBRARY")
      target_compile_options(${target} PRIVATE -flto -ffat-lto-objects)
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${target} ${property})
      if(libraries)
        list(APPEND pending ${libraries})
      endif()
    endforeach()
  endwhile()
  # Each function keeps the optimisation options it was compiled with (the -O2 of the
  # speed-critical files too): optimisation options on this line change no function's
  # code; -Os -g0 only stand in for the build type's -O2 -g, which come first.
  # One partition: when gcc 12 (mingw-w64) splits this program into several partitions
  # to compile them in parallel, it stops with an internal compiler error (in
  # binds_to_current_def_p); the program is small enough to be compiled in one piece,
  # which also gives the smallest code.
  # Measured on the launcher and left out: -fipa-pta (512 bytes more), and compiling with
  # -fomit-frame-pointer (unwind tables grow 5.6 KB, code shrinks 0.2 KB),
  # -fno-asynchronous-unwind-tables or -mpreferred-stack-boundary=2 (no smaller), -Oz
  # (1 KB smaller, not worth slower code everywhere).
  target_link_options(${program} PRIVATE -fuse-linker-plugin -flto -flto-partition=one -Os -g0
                      -ffunction-sections -fdata-sections)
endfunction()
